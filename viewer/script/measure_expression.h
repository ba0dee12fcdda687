// Pixel measures in layout checks: whole numbers, or sums and products over the
// target window's width W and height H ("69", "W-80", "W/2-80", "-12").
#pragma once

#include <optional>
#include <string_view>

namespace viewer::script {

// Whether the text is a measure: an optional leading minus, then terms (a number of
// at most 6 digits, W or H) joined by + - * /; no blanks, no brackets. * and / bind
// before + and -; division truncates towards zero, as the layout code computes.
// A lone "*" is a measure too: any value will do (IsAnyMeasure).
bool IsMeasure(std::string_view text);
bool IsAnyMeasure(std::string_view text);

// The value of a measure for a window of this width and height; nothing when the text
// is not a measure or divides by zero.
std::optional<long> EvaluateMeasure(std::string_view text, long width, long height);

}  // namespace viewer::script
