#include "pdf/glyph_names.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace viewer::pdf {
namespace {

// The names of 0xA0..0xFF in the Latin-1 block.
constexpr const char* kLatin1Names[96] = {
    "nbspace", "exclamdown", "cent", "sterling", "currency", "yen", "brokenbar", "section",
    "dieresis", "copyright", "ordfeminine", "guillemotleft", "logicalnot", "sfthyphen",
    "registered", "macron", "degree", "plusminus", "twosuperior", "threesuperior", "acute",
    "mu", "paragraph", "periodcentered", "cedilla", "onesuperior", "ordmasculine",
    "guillemotright", "onequarter", "onehalf", "threequarters", "questiondown", "Agrave",
    "Aacute", "Acircumflex", "Atilde", "Adieresis", "Aring", "AE", "Ccedilla", "Egrave",
    "Eacute", "Ecircumflex", "Edieresis", "Igrave", "Iacute", "Icircumflex", "Idieresis",
    "Eth", "Ntilde", "Ograve", "Oacute", "Ocircumflex", "Otilde", "Odieresis", "multiply",
    "Oslash", "Ugrave", "Uacute", "Ucircumflex", "Udieresis", "Yacute", "Thorn",
    "germandbls", "agrave", "aacute", "acircumflex", "atilde", "adieresis", "aring", "ae",
    "ccedilla", "egrave", "eacute", "ecircumflex", "edieresis", "igrave", "iacute",
    "icircumflex", "idieresis", "eth", "ntilde", "ograve", "oacute", "ocircumflex", "otilde",
    "odieresis", "divide", "oslash", "ugrave", "uacute", "ucircumflex", "udieresis", "yacute",
    "thorn", "ydieresis"};

// The names of 0x20..0x7E (quoteright and quoteleft stand apart below).
constexpr const char* kAsciiNames[95] = {
    "space", "exclam", "quotedbl", "numbersign", "dollar", "percent", "ampersand",
    "quotesingle", "parenleft", "parenright", "asterisk", "plus", "comma", "hyphen", "period",
    "slash", "zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine",
    "colon", "semicolon", "less", "equal", "greater", "question", "at", "A", "B", "C", "D",
    "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V",
    "W", "X", "Y", "Z", "bracketleft", "backslash", "bracketright", "asciicircum",
    "underscore", "grave", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
    "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z", "braceleft", "bar",
    "braceright", "asciitilde"};

struct Named {
  const char* name;
  char32_t character;
};

constexpr Named kOtherNames[] = {
    {"quoteright", 0x2019}, {"quoteleft", 0x2018}, {"quotesinglbase", 0x201A},
    {"quotedblleft", 0x201C}, {"quotedblright", 0x201D}, {"quotedblbase", 0x201E},
    {"guilsinglleft", 0x2039}, {"guilsinglright", 0x203A}, {"Euro", 0x20AC},
    {"florin", 0x0192}, {"ellipsis", 0x2026}, {"dagger", 0x2020}, {"daggerdbl", 0x2021},
    {"circumflex", 0x02C6}, {"perthousand", 0x2030}, {"Scaron", 0x0160}, {"scaron", 0x0161},
    {"OE", 0x0152}, {"oe", 0x0153}, {"Zcaron", 0x017D}, {"zcaron", 0x017E},
    {"Ydieresis", 0x0178}, {"bullet", 0x2022}, {"endash", 0x2013}, {"emdash", 0x2014},
    {"tilde", 0x02DC}, {"trademark", 0x2122}, {"fi", 0xFB01}, {"fl", 0xFB02}, {"ff", 0xFB00},
    {"ffi", 0xFB03}, {"ffl", 0xFB04}, {"dotlessi", 0x0131}, {"dotlessj", 0x0237},
    {"Lslash", 0x0141}, {"lslash", 0x0142}, {"fraction", 0x2044}, {"breve", 0x02D8},
    {"dotaccent", 0x02D9}, {"ring", 0x02DA}, {"hungarumlaut", 0x02DD}, {"ogonek", 0x02DB},
    {"caron", 0x02C7}, {"minus", 0x2212}, {"notequal", 0x2260}, {"infinity", 0x221E},
    {"lessequal", 0x2264}, {"greaterequal", 0x2265}, {"partialdiff", 0x2202},
    {"summation", 0x2211}, {"product", 0x220F}, {"integral", 0x222B}, {"radical", 0x221A},
    {"approxequal", 0x2248}, {"lozenge", 0x25CA}, {"visiblespace", 0x2423},
    {"arrowleft", 0x2190}, {"arrowup", 0x2191}, {"arrowright", 0x2192}, {"arrowdown", 0x2193},
    {"arrowboth", 0x2194}, {"arrowdblright", 0x21D2}, {"element", 0x2208},
    {"asteriskmath", 0x2217}, {"periodcentered", 0x00B7}, {"space", 0x0020},
    {"Alpha", 0x0391}, {"Beta", 0x0392}, {"Gamma", 0x0393}, {"Delta", 0x0394},
    {"Epsilon", 0x0395}, {"Zeta", 0x0396}, {"Eta", 0x0397}, {"Theta", 0x0398},
    {"Iota", 0x0399}, {"Kappa", 0x039A}, {"Lambda", 0x039B}, {"Mu", 0x039C}, {"Nu", 0x039D},
    {"Xi", 0x039E}, {"Omicron", 0x039F}, {"Pi", 0x03A0}, {"Rho", 0x03A1}, {"Sigma", 0x03A3},
    {"Tau", 0x03A4}, {"Upsilon", 0x03A5}, {"Phi", 0x03A6}, {"Chi", 0x03A7}, {"Psi", 0x03A8},
    {"Omega", 0x03A9}, {"alpha", 0x03B1}, {"beta", 0x03B2}, {"gamma", 0x03B3},
    {"delta", 0x03B4}, {"epsilon", 0x03B5}, {"zeta", 0x03B6}, {"eta", 0x03B7},
    {"theta", 0x03B8}, {"iota", 0x03B9}, {"kappa", 0x03BA}, {"lambda", 0x03BB},
    {"mu", 0x00B5}, {"nu", 0x03BD}, {"xi", 0x03BE}, {"omicron", 0x03BF}, {"pi", 0x03C0},
    {"rho", 0x03C1}, {"sigma", 0x03C3}, {"tau", 0x03C4}, {"upsilon", 0x03C5},
    {"phi", 0x03C6}, {"chi", 0x03C7}, {"psi", 0x03C8}, {"omega", 0x03C9},
};

const std::unordered_map<std::string_view, char32_t>& NameTable() {
  static const auto* table = [] {
    auto* names = new std::unordered_map<std::string_view, char32_t>;
    for (int i = 0; i < 95; ++i) names->emplace(kAsciiNames[i], static_cast<char32_t>(0x20 + i));
    for (int i = 0; i < 96; ++i) names->emplace(kLatin1Names[i], static_cast<char32_t>(0xA0 + i));
    for (const Named& named : kOtherNames) names->emplace(named.name, named.character);
    return names;
  }();
  return *table;
}

bool HexValue(std::string_view digits, uint32_t* value) {
  if (digits.empty() || digits.size() > 6) return false;
  uint32_t v = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return false;  // the names use upper-case digits only
    v = v * 16 + static_cast<uint32_t>(d);
  }
  *value = v;
  return true;
}

bool UsableCharacter(uint32_t v) { return v > 0 && v <= 0x10FFFF && (v < 0xD800 || v > 0xDFFF); }

// One component of a name (no '_' or '.').
std::u32string OfComponent(std::string_view name) {
  const auto& table = NameTable();
  if (auto found = table.find(name); found != table.end()) return std::u32string(1, found->second);
  uint32_t v = 0;
  if (name.size() >= 7 && name.substr(0, 3) == "uni" && (name.size() - 3) % 4 == 0) {
    std::u32string out;
    for (size_t at = 3; at < name.size(); at += 4) {
      if (!HexValue(name.substr(at, 4), &v) || !UsableCharacter(v)) return {};
      out.push_back(v);
    }
    return out;
  }
  if (name.size() >= 5 && name.size() <= 7 && name[0] == 'u' && HexValue(name.substr(1), &v) &&
      UsableCharacter(v)) {
    return std::u32string(1, v);
  }
  return {};
}

}  // namespace

std::u32string UnicodeOfGlyphName(std::string_view name) {
  if (const size_t dot = name.find('.'); dot != std::string_view::npos) name = name.substr(0, dot);
  if (name.empty()) return {};
  std::u32string out;
  size_t start = 0;
  while (start <= name.size()) {
    const size_t end = std::min(name.find('_', start), name.size());
    const std::u32string part = OfComponent(name.substr(start, end - start));
    if (part.empty()) return {};
    out += part;
    start = end + 1;
  }
  return out;
}

}  // namespace viewer::pdf
