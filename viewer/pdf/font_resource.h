// A TrueType font as a document's resource: a simple font with WinAnsiEncoding, its
// widths, its descriptor and its embedded program.
#pragma once

#include <qpdf/QPDF.hh>

#include "fonts/font_face.h"

namespace viewer::pdf {

// Makes in qpdf, as indirect objects, the font dictionary (/Subtype /TrueType,
// /BaseFont, /Encoding /WinAnsiEncoding, /FirstChar 32, /LastChar 255, /Widths), its
// /FontDescriptor and the font program as /FontFile2; answers the font dictionary.
// Throws core::HostError(kHostErrNoFont) when the program cannot be read.
QPDFObjectHandle MakeTrueTypeFont(QPDF& qpdf, const fonts::FontFace& face);

}  // namespace viewer::pdf
