// The bytes of a TrueType font program as a PDF embeds it (/FontFile2): a single font,
// so a face of a font collection is taken out into a font file of its own.
#pragma once

#include <string>

namespace viewer::fonts {

// The program of face index of file; empty when the file cannot be read or is not a
// TrueType font (or collection) holding that face.
std::string ReadFontProgram(const std::string& file, int index);

// The face at index of a font collection's bytes as a stand-alone font; empty when
// the bytes are not a well-formed collection holding that face.
std::string FaceOfCollection(const std::string& collection, int index);

}  // namespace viewer::fonts
