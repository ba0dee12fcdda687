#include "ansi_text.h"

#include <windows.h>

#include "title_text.h"

namespace {

constexpr UINT kWindows1252 = 1252;

std::string FromWide(UINT codePage, const wchar_t* text, int length) {
  if (length <= 0) return {};
  // No best-fit look-alikes: a character the code page lacks is a "?", not a near one.
  const int needed = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, length, nullptr,
                                         0, "?", nullptr);
  if (needed <= 0) return {};
  std::string converted(static_cast<size_t>(needed), '\0');
  WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, length, converted.data(), needed,
                      "?", nullptr);
  return converted;
}

}  // namespace

std::string UnicodeToAnsi(const std::u16string& text) {
  if (GetACP() == CP_UTF8) {
    return FromWide(CP_ACP, reinterpret_cast<const wchar_t*>(text.data()),
                    static_cast<int>(text.size()));
  }
  // A character beyond U+FFFF is one "?" in a code page that lacks it, not one for
  // each half of its surrogate pair.
  std::u16string units;
  units.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    units.push_back(pair ? u'\uFFFD' : text[i]);
    if (pair) ++i;
  }
  return FromWide(CP_ACP, reinterpret_cast<const wchar_t*>(units.data()),
                  static_cast<int>(units.size()));
}

std::string AnsiToWindows1252(std::string_view text) {
  if (text.empty() || GetACP() == kWindows1252) return std::string(text);
  const int length = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return std::string(text);
  std::wstring wide(static_cast<size_t>(needed), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), needed);
  return FromWide(kWindows1252, wide.data(), needed);
}

void CutAnsiText(std::string& text, size_t maxBytes) {
  CutOnCharacterBoundary(text, maxBytes, [](unsigned char byte) { return IsDBCSLeadByte(byte) != 0; });
}
