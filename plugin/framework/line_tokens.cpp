#include "line_tokens.h"

#include <climits>
#include <cstdint>

namespace {

bool IsDelimiter(char c) { return c == ';' || c == '\n'; }

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::string_view NextLineToken(std::string_view line, std::size_t& position) {
  while (position < line.size() && IsDelimiter(line[position])) ++position;
  const std::size_t start = position;
  while (position < line.size() && !IsDelimiter(line[position])) ++position;
  return line.substr(start, position - start);
}

int LeadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > std::int64_t{INT_MAX} + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

bool ReadLinePiece(std::FILE* file, std::size_t limit, std::string& piece) {
  piece.clear();
  int c;
  while (piece.size() < limit && (c = std::getc(file)) != EOF) {
    piece += static_cast<char>(c);
    if (c == '\n') break;
  }
  return !piece.empty();
}

TextLineReader::TextLineReader(const std::function<void(std::string_view)>& apply)
    : apply_(apply) {}

bool TextLineReader::Feed(char c) {
  if (pendingReturn_) {
    pendingReturn_ = false;
    if (c == '\n') {
      Put('\n');
      return true;
    }
    Put('\r');
  }
  if (c == '\x1a') return false;
  if (c == '\r') {
    pendingReturn_ = true;
    return true;
  }
  Put(c);
  return true;
}

void TextLineReader::Finish() {
  if (pendingReturn_) Put('\r');
  pendingReturn_ = false;
  if (!line_.empty()) apply_(line_);
  line_.clear();
}

void TextLineReader::Put(char c) {
  line_ += c;
  if (c == '\n' || line_.size() == kTextLineLimit) {
    apply_(line_);
    line_.clear();
  }
}

void ForEachTextLineOfFile(std::FILE* file, const std::function<void(std::string_view)>& apply) {
  TextLineReader reader(apply);
  int c;
  while ((c = std::getc(file)) != EOF)
    if (!reader.Feed(static_cast<char>(c))) break;
  reader.Finish();
}
