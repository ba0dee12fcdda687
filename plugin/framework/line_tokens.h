// The grammar the plug-in's small text files share: a line is cut into tokens at
// ";" and line feeds, and numbers are read as far as they go.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

// The next token from `position`: runs of delimiters count as one, and those in front
// of the first token are skipped. Empty when the line has no more tokens.
std::string_view NextLineToken(std::string_view line, std::size_t& position);

// Blanks, a sign, then decimal digits up to the first other character; no digits give
// 0. A number too large for an int stops at its limit.
int LeadingInteger(std::string_view text);

// Reads the next piece of a file as a fixed line buffer would: bytes up to and
// including a line feed, or `limit` bytes of a longer line (the rest comes as the next
// piece). Bytes are taken as they are: a carriage return stays, and so does a NUL.
// False at the end of the file or on a read error, with nothing read.
bool ReadLinePiece(std::FILE* file, std::size_t limit, std::string& piece);

// Lines are read as a text-mode stream with a 255-byte line buffer would read them:
// CR LF and LF end a line, Ctrl-Z ends the file, a longer line comes in pieces of at
// most 254 characters.
inline constexpr std::size_t kTextLineLimit = 254;

// Calls `apply` with every line of the open file, read that way (a line with its line
// feed, or the last line without one), a byte at a time: a file of any size costs one
// line.
void ForEachTextLineOfFile(std::FILE* file, const std::function<void(std::string_view)>& apply);

// Puts bytes together into lines as the call above does.
class TextLineReader {
 public:
  explicit TextLineReader(const std::function<void(std::string_view)>& apply);
  // False at the end-of-file mark (Ctrl-Z): nothing after it counts.
  bool Feed(char c);
  // Hands over the last line, when one is left.
  void Finish();

 private:
  void Put(char c);
  const std::function<void(std::string_view)>& apply_;
  std::string line_;
  bool pendingReturn_ = false;  // a CR, which a LF right after it makes a line end
};
