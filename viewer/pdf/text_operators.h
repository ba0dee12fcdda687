// The content-stream operators that draw a text run.
#pragma once

#include <string>

#include "pdf/text_run.h"

namespace viewer::pdf {

// The run in a q ... Q of its own, so its colour and opacity end with it:
//   q /GS1 gs 1 0 0 rg BT /F1 1 Tf 12 0 0 12 72 700 Tm (Title) Tj ET Q
// (one operator a line). The size is in the matrix, so the font is set at size 1.
// extGStateName is empty when the run has no opacity; names are given without '/'.
std::string TextRunOperators(const TextRun& run, const std::string& fontName,
                             const std::string& extGStateName);

}  // namespace viewer::pdf
