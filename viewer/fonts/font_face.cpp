#include "fonts/font_face.h"

#include <cmath>
#include <map>
#include <mutex>
#include <utility>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_TAGS_H

#include "fonts/win_ansi.h"

namespace viewer::fonts {
namespace {

std::mutex& FaceMutex() {
  static std::mutex mutex;
  return mutex;
}

// One FreeType library for the process; faces are read under FaceMutex.
FT_Library Library() {
  static FT_Library library = [] {
    FT_Library made = nullptr;
    return FT_Init_FreeType(&made) == 0 ? made : nullptr;
  }();
  return library;
}

class FaceHolder {
 public:
  explicit FaceHolder(FT_Face face) : face_(face) {}
  ~FaceHolder() {
    if (face_ != nullptr) FT_Done_Face(face_);
  }
  FaceHolder(const FaceHolder&) = delete;
  FaceHolder& operator=(const FaceHolder&) = delete;
  FT_Face get() const { return face_; }

 private:
  FT_Face face_;
};

bool HasTable(FT_Face face, FT_ULong tag) {
  FT_ULong length = 0;
  return FT_Load_Sfnt_Table(face, tag, 0, nullptr, &length) == 0 && length > 0;
}

int Scaled(FT_Face face, long fontUnits) {
  return static_cast<int>(std::lround(static_cast<double>(fontUnits) * 1000.0 /
                                      static_cast<double>(face->units_per_EM)));
}

int AdvanceOf(FT_Face face, FT_UInt glyph) {
  FT_Fixed advance = 0;
  if (FT_Get_Advance(face, glyph, FT_LOAD_NO_SCALE, &advance) != 0) return 0;
  return Scaled(face, advance);
}

std::string PostScriptNameOf(FT_Face face) {
  if (const char* name = FT_Get_Postscript_Name(face)) return name;
  // A name made of the family and style, without the blanks a PDF name cannot hold.
  std::string made = face->family_name != nullptr ? face->family_name : "Font";
  if (face->style_name != nullptr) made += std::string("-") + face->style_name;
  std::erase(made, ' ');
  return made;
}

std::shared_ptr<const FontFace> ReadFace(const std::string& file, int index) {
  FT_Library library = Library();
  if (library == nullptr) return nullptr;
  FT_Face raw = nullptr;
  if (FT_New_Face(library, file.c_str(), index, &raw) != 0) return nullptr;
  FaceHolder holder(raw);
  FT_Face face = holder.get();
  if (!FT_IS_SFNT(face) || !FT_IS_SCALABLE(face) || face->units_per_EM == 0 ||
      !HasTable(face, TTAG_glyf) || FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) {
    return nullptr;
  }
  auto result = std::make_shared<FontFace>();
  result->file = file;
  result->index = index;
  result->postScriptName = PostScriptNameOf(face);
  result->fixedPitch = FT_IS_FIXED_WIDTH(face);
  result->italic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
  result->ascent = Scaled(face, face->ascender);
  result->descent = Scaled(face, face->descender);
  result->bbox = {Scaled(face, face->bbox.xMin), Scaled(face, face->bbox.yMin),
                  Scaled(face, face->bbox.xMax), Scaled(face, face->bbox.yMax)};
  result->capHeight = result->ascent;
  int weight = 400;
  if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
    if (os2->version != 0xFFFF && os2->version >= 2 && os2->sCapHeight > 0) {
      result->capHeight = Scaled(face, os2->sCapHeight);
    }
    if (os2->usWeightClass >= 100 && os2->usWeightClass <= 1000) weight = os2->usWeightClass;
    // IBM font classes 1 to 5 and 7 are the serif ones.
    const int familyClass = os2->sFamilyClass >> 8;
    result->serif = (familyClass >= 1 && familyClass <= 5) || familyClass == 7;
  }
  if (auto* post = static_cast<TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST))) {
    result->italicAngle = static_cast<double>(post->italicAngle) / 65536.0;
  }
  // No font table holds the dominant stem width; readers only use it as a hint, so an
  // estimate from the weight class serves.
  result->stemV = 10 + 220 * (weight - 50) / 900;
  result->missingWidth = AdvanceOf(face, 0);
  for (int code = kFirstCode; code <= kLastCode; ++code) {
    const char32_t character = WinAnsiToUnicode(static_cast<uint8_t>(code));
    const FT_UInt glyph = character != 0 ? FT_Get_Char_Index(face, character) : 0;
    result->widths[code - kFirstCode] = AdvanceOf(face, glyph);
  }
  return result;
}

}  // namespace

int FontFace::DescriptorFlags() const {
  constexpr int kFixedPitch = 1, kSerif = 2, kNonsymbolic = 32, kItalic = 64;
  return (fixedPitch ? kFixedPitch : 0) | (serif ? kSerif : 0) | kNonsymbolic |
         (italic ? kItalic : 0);
}

std::shared_ptr<const FontFace> LoadFontFace(const std::string& file, int index) {
  std::lock_guard<std::mutex> lock(FaceMutex());
  static std::map<std::pair<std::string, int>, std::shared_ptr<const FontFace>> faces;
  const auto key = std::make_pair(file, index);
  auto found = faces.find(key);
  if (found == faces.end()) found = faces.emplace(key, ReadFace(file, index)).first;
  return found->second;
}

}  // namespace viewer::fonts
