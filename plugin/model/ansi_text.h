// Text in the system's ANSI code page (the host's encoding of titles), to and from the
// encodings that titles arrive in and that the generated pages draw with.
#pragma once

#include <string>
#include <string_view>

// Unicode text in the ANSI code page; what the code page cannot show becomes "?".
std::string UnicodeToAnsi(const std::u16string& text);

// ANSI text in Windows-1252, the WinAnsiEncoding of the index page and the banner
// pages; what Windows-1252 cannot show becomes "?". The same text on a Western system.
std::string AnsiToWindows1252(std::string_view text);

// Cuts the text to at most maxBytes bytes without splitting a double-byte character.
void CutAnsiText(std::string& text, size_t maxBytes);
