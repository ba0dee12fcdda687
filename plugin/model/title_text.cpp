#include "title_text.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Units in the order given; a surrogate without its partner becomes U+FFFD.
std::u16string PairedUnits(const std::u16string& units) {
  std::u16string text;
  text.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    const char16_t unit = units[i];
    if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      text.push_back(unit);
      text.push_back(units[++i]);
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      text.push_back(kReplacement);
    } else {
      text.push_back(unit);
    }
  }
  return text;
}

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  units.reserve(bytes.size() / 2 + 1);
  size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
  }
  std::u16string text = PairedUnits(units);
  if (i < bytes.size()) text.push_back(kReplacement);  // an odd last byte
  return text;
}

void AppendCodePoint(std::u16string& text, char32_t point) {
  if (point < 0x10000) {
    text.push_back(static_cast<char16_t>(point));
  } else {
    point -= 0x10000;
    text.push_back(static_cast<char16_t>(0xD800 + (point >> 10)));
    text.push_back(static_cast<char16_t>(0xDC00 + (point & 0x3FF)));
  }
}

// Each maximal ill-formed subsequence becomes one U+FFFD, as Unicode recommends.
std::u16string DecodeUtf8(std::string_view bytes) {
  std::u16string text;
  size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      text.push_back(lead);
      ++i;
      continue;
    }
    int length = 0;
    char32_t point = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, point = lead & 0x0F;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, point = lead & 0x07;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      text.push_back(kReplacement);
      ++i;
      continue;
    }
    size_t at = i + 1;
    bool whole = true;
    for (int k = 1; k < length; ++k, ++at) {
      const auto next = at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0;
      const unsigned char from = k == 1 ? low : 0x80, to = k == 1 ? high : 0xBF;
      if (at >= bytes.size() || next < from || next > to) {
        whole = false;
        break;
      }
      point = (point << 6) | (next & 0x3F);
    }
    if (whole) {
      AppendCodePoint(text, point);
    } else {
      text.push_back(kReplacement);
    }
    i = at;
  }
  return text;
}

}  // namespace

std::optional<std::u16string> DecodeMarkedTitle(std::string_view bytes) {
  const auto starts = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
  if (starts("\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
  if (starts("\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
  if (starts("\xEF\xBB\xBF")) return DecodeUtf8(bytes.substr(3));
  return std::nullopt;
}

void BlankControlCharacters(std::u16string& text) {
  for (char16_t& unit : text) {
    if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F)) unit = u' ';
  }
}

void CutOnCharacterBoundary(std::string& text, size_t maxBytes, bool (*isLeadByte)(unsigned char)) {
  if (text.size() <= maxBytes) return;
  size_t end = 0;
  while (end < maxBytes) {
    const size_t step = isLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + step > maxBytes) break;
    end += step;
  }
  text.resize(end);
}

void BlankControlBytes(std::string& text) {
  for (char& byte : text) {
    const auto value = static_cast<unsigned char>(byte);
    if (value < 0x20 || value == 0x7F) byte = ' ';
  }
}
