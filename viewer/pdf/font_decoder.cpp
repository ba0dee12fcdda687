#include "pdf/font_decoder.h"

#include <cctype>
#include <cstdlib>

#include <qpdf/Buffer.hh>

#include "pdf/base_encodings.h"
#include "pdf/glyph_names.h"
#include "pdf/number_value.h"
#include "pdf/type1_encoding.h"

namespace viewer::pdf {
namespace {

constexpr int kSymbolicFlag = 4;

std::string StreamBytes(QPDFObjectHandle stream) {
  if (!stream.isStream()) return {};
  try {
    auto data = stream.getStreamData(qpdf_dl_generalized);
    return std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
  } catch (const std::exception&) {
    return {};
  }
}

bool IsName(QPDFObjectHandle value, const char* name) { return value.isNameAndEquals(name); }

// The characters of a glyph name in /Differences. Names made of one or two letters and
// a decimal code ("a36", as bitmap fonts made by TeX name their glyphs) stand for the
// WinAnsi character of that code when the name is not a known one.
std::u32string OfDifferenceName(const std::string& name) {
  std::u32string known = UnicodeOfGlyphName(name);
  if (!known.empty()) return known;
  size_t letters = 0;
  while (letters < name.size() && letters < 2 && std::isalpha(static_cast<unsigned char>(name[letters]))) ++letters;
  const std::string digits = name.substr(letters);
  if (letters == 0 || digits.empty() || digits.size() > 3 ||
      digits.find_first_not_of("0123456789") != std::string::npos) {
    return {};
  }
  const int code = std::atoi(digits.c_str());
  const char32_t c = code < 256 ? BaseEncodingCharacter(BaseEncoding::WinAnsi, static_cast<uint8_t>(code)) : 0;
  return c != 0 ? std::u32string(1, c) : std::u32string();
}

}  // namespace

FontDecoder::FontDecoder(QPDFObjectHandle font) {
  for (int code = 0; code < 256; ++code) {
    const char32_t c = BaseEncodingCharacter(BaseEncoding::WinAnsi, static_cast<uint8_t>(code));
    if (c != 0) characters_[static_cast<size_t>(code)] = std::u32string(1, c);
  }
  if (!font.isDictionary()) return;
  try {
    if (font.hasKey("/ToUnicode")) {
      const std::string map = StreamBytes(font.getKey("/ToUnicode"));
      if (!map.empty()) toUnicode_ = CharacterMap::Parse(map);
    }
    if (IsName(font.getKey("/Subtype"), "/Type0")) {
      ReadComposite(font);
    } else {
      ReadSimple(font);
    }
  } catch (const std::exception&) {
    // Whatever was read stands.
  }
}

void FontDecoder::ReadDescriptor(QPDFObjectHandle descriptor) {
  if (!descriptor.isDictionary()) return;
  const double ascent = NumberValue(descriptor.getKey("/Ascent"), 0) / 1000;
  const double descent = NumberValue(descriptor.getKey("/Descent"), 0) / 1000;
  if (ascent > 0 && ascent < 2) ascent_ = ascent;
  if (descent < 0 && descent > -1) descent_ = descent;
}

void FontDecoder::ReadSimple(QPDFObjectHandle font) {
  QPDFObjectHandle descriptor = font.getKey("/FontDescriptor");
  ReadDescriptor(descriptor);
  const bool type3 = IsName(font.getKey("/Subtype"), "/Type3");
  const bool trueType = IsName(font.getKey("/Subtype"), "/TrueType");
  const bool symbolic = descriptor.isDictionary() &&
                        (IntegerValue(descriptor.getKey("/Flags"), 0) & kSymbolicFlag) != 0;

  // Widths: Type 3 glyph space is turned into text space by its font matrix.
  double scale = 0.001;
  if (type3 && font.getKey("/FontMatrix").isArray()) {
    scale = NumberValue(font.getKey("/FontMatrix").getArrayItem(0), 0.001);
  }
  const double missing = descriptor.isDictionary() ? NumberValue(descriptor.getKey("/MissingWidth"), 0) : 0;
  widths_.fill(missing * scale);
  QPDFObjectHandle widths = font.getKey("/Widths");
  if (widths.isArray()) {
    const long long first = IntegerValue(font.getKey("/FirstChar"), 0);
    for (int i = 0; i < widths.getArrayNItems(); ++i) {
      const long long code = first + i;
      if (code >= 0 && code < 256) widths_[static_cast<size_t>(code)] = NumberValue(widths.getArrayItem(i), missing) * scale;
    }
  }

  // The base encoding: a named one, else the program's own, else by the kind of font.
  QPDFObjectHandle encoding = font.getKey("/Encoding");
  std::optional<BaseEncoding> base;
  if (encoding.isName()) base = BaseEncodingNamed(encoding.getName());
  if (encoding.isDictionary() && encoding.getKey("/BaseEncoding").isName()) {
    base = BaseEncodingNamed(encoding.getKey("/BaseEncoding").getName());
  }
  bool bytesAsCharacters = false;
  std::optional<std::array<std::string, 256>> builtIn;
  if (!base) {
    if (descriptor.isDictionary() && descriptor.hasKey("/FontFile")) {
      builtIn = Type1EncodingNames(StreamBytes(descriptor.getKey("/FontFile")));
    }
    if (!builtIn) {
      if (type3) {
        bytesAsCharacters = false;
      } else if (trueType && symbolic) {
        bytesAsCharacters = true;
      } else {
        base = BaseEncoding::Standard;
      }
    }
  }
  for (int code = 0; code < 256; ++code) {
    std::u32string& text = characters_[static_cast<size_t>(code)];
    const auto byte = static_cast<uint8_t>(code);
    if (base) {
      const char32_t c = BaseEncodingCharacter(*base, byte);
      text = c != 0 ? std::u32string(1, c) : std::u32string();
    } else if (builtIn) {
      text = UnicodeOfGlyphName((*builtIn)[static_cast<size_t>(code)]);
    } else if (bytesAsCharacters) {
      text = code >= 0x20 ? std::u32string(1, static_cast<char32_t>(code)) : std::u32string();
    } else {
      text.clear();
    }
  }
  QPDFObjectHandle differences = encoding.isDictionary() ? encoding.getKey("/Differences") : QPDFObjectHandle();
  if (differences.isArray()) {
    long long code = 0;
    for (int i = 0; i < differences.getArrayNItems(); ++i) {
      QPDFObjectHandle item = differences.getArrayItem(i);
      if (item.isNumber()) {
        code = IntegerValue(item, 0);
      } else if (item.isName()) {
        if (code >= 0 && code < 256) {
          characters_[static_cast<size_t>(code)] = OfDifferenceName(item.getName().substr(1));
        }
        ++code;
      }
    }
  }
}

void FontDecoder::ReadComposite(QPDFObjectHandle font) {
  composite_ = true;
  QPDFObjectHandle encoding = font.getKey("/Encoding");
  if (encoding.isStream()) encoding_ = CharacterMap::Parse(StreamBytes(encoding));
  QPDFObjectHandle descendants = font.getKey("/DescendantFonts");
  QPDFObjectHandle cidFont = descendants.isArray() && descendants.getArrayNItems() > 0
                                 ? descendants.getArrayItem(0)
                                 : QPDFObjectHandle::newNull();
  if (!cidFont.isDictionary()) return;
  ReadDescriptor(cidFont.getKey("/FontDescriptor"));
  defaultWidth_ = NumberValue(cidFont.getKey("/DW"), 1000) / 1000;
  cidWidths_ = CidWidths(cidFont.getKey("/W"));
}

std::vector<DecodedGlyph> FontDecoder::Decode(std::string_view bytes) const {
  std::vector<DecodedGlyph> glyphs;
  size_t at = 0;
  while (at < bytes.size()) {
    DecodedGlyph glyph;
    size_t length = 1;
    if (composite_) {
      const std::string_view rest = bytes.substr(at);
      if (encoding_ && encoding_->HasCodeSpace()) {
        length = encoding_->CodeLength(rest, 2);
      } else {
        length = std::min<size_t>(2, rest.size());
      }
      const uint32_t code = CodeValue(rest.substr(0, length));
      const uint32_t cid = encoding_ ? encoding_->Cid(code).value_or(code) : code;
      glyph.width = cidWidths_.Find(cid).value_or(defaultWidth_);
      if (toUnicode_) glyph.text = toUnicode_->Characters(code).value_or(std::u32string());
      glyph.wordSpace = length == 1 && code == 32;
    } else {
      const auto code = static_cast<uint8_t>(bytes[at]);
      glyph.width = widths_[code];
      std::optional<std::u32string> mapped;
      if (toUnicode_) mapped = toUnicode_->Characters(code);
      glyph.text = mapped ? *mapped : characters_[code];
      glyph.wordSpace = code == 32;
    }
    glyphs.push_back(std::move(glyph));
    at += length;
  }
  return glyphs;
}

}  // namespace viewer::pdf
