// Bookmark titles as PDF stores them: text strings that start with a byte-order mark
// are Unicode (UTF-16BE, UTF-16LE, or UTF-8 as PDF 2.0 allows); all others are
// PDFDocEncoding, which the host turns into its own encoding.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The UTF-16 text of a title that starts with a byte-order mark (FE FF, FF FE or
// EF BB BF), the mark left out; an unpaired surrogate, an odd last byte and a bad UTF-8
// sequence each become U+FFFD. nullopt for a title without a mark.
std::optional<std::u16string> DecodeMarkedTitle(std::string_view bytes);

// Control characters (U+0000 to U+001F, U+007F to U+009F) become blanks: a title never
// starts a new line in a report, an export or a settings file.
void BlankControlCharacters(std::u16string& text);
// The same for a title in an 8-bit or double-byte code page, whose trail bytes are never
// control bytes.
void BlankControlBytes(std::string& text);

// Cuts text to at most maxBytes bytes without splitting a double-byte character: a
// byte for which isLeadByte answers true starts a two-byte one.
void CutOnCharacterBoundary(std::string& text, size_t maxBytes, bool (*isLeadByte)(unsigned char));
