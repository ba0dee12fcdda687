// The words of a page as its content streams draw them, read with qpdf's content
// parser: text wherever it stands (outside the page, clipped away, in white or in the
// invisible render mode), the form XObjects the page draws included.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include <qpdf/QPDFObjectHandle.hh>

#include "pdf/font_decoder.h"
#include "pdf/word_builder.h"

namespace viewer::pdf {

// The words of a page dictionary in the order the content draws them (word_builder.h
// tells how text is split into words). Never throws: content that cannot be read
// (broken streams, unknown operators, missing fonts) gives whatever was read before
// it, and a page that cannot be read at all gives no words.
// Font decoders by font object, kept from page to page by a caller that reads many pages
// of one document (the pages of a document share their fonts, and fonts are not changed
// in place).
using FontDecoderCache = std::map<QPDFObjGen, std::shared_ptr<const FontDecoder>>;

// With `fonts`, decoders are taken from and added to it; without, each call makes its own.
std::vector<FoundWord> PageWords(QPDFObjectHandle page, FontDecoderCache* fonts = nullptr);

}  // namespace viewer::pdf
