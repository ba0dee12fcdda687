// The words of a page as its content streams draw them, read with qpdf's content
// parser: text wherever it stands (outside the page, clipped away, in white or in the
// invisible render mode), the form XObjects the page draws included.
#pragma once

#include <vector>

#include <qpdf/QPDFObjectHandle.hh>

#include "pdf/word_builder.h"

namespace viewer::pdf {

// The words of a page dictionary in the order the content draws them (word_builder.h
// tells how text is split into words). Never throws: content that cannot be read
// (broken streams, unknown operators, missing fonts) gives whatever was read before
// it, and a page that cannot be read at all gives no words.
std::vector<FoundWord> PageWords(QPDFObjectHandle page);

}  // namespace viewer::pdf
