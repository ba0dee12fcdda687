#include "integer_text.h"

#include <climits>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

bool ParseDialogInteger(std::string_view text, int& value) {
  size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  const size_t digitsStart = at;
  long long magnitude = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    magnitude = magnitude * 10 + (text[at] - '0');
    if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (at == digitsStart) return false;
  while (at < text.size() && IsBlank(text[at])) ++at;
  if (at != text.size()) return false;
  const long long signedValue = negative ? -magnitude : magnitude;
  if (signedValue > INT_MAX || signedValue < INT_MIN) return false;
  value = static_cast<int>(signedValue);
  return true;
}

std::string FormatDialogInteger(int value) { return std::to_string(value); }
