#include "script/script_values.h"

#include <cctype>

namespace viewer::script {

std::optional<long> ParseCount(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<int> ParseSecondsAsMilliseconds(std::string_view text) {
  size_t dot = text.find('.');
  std::string_view whole = text.substr(0, dot);
  std::string_view fraction =
      dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  if (dot != std::string_view::npos && fraction.empty()) return std::nullopt;
  if (whole.size() > 5) return std::nullopt;
  long ms = 0;
  for (char c : whole) {
    if (c < '0' || c > '9') return std::nullopt;
    ms = ms * 10 + (c - '0');
  }
  ms *= 1000;
  long scale = 100;
  for (char c : fraction) {
    if (c < '0' || c > '9') return std::nullopt;
    ms += (c - '0') * scale;
    scale /= 10;
  }
  if (ms <= 0 || ms > 86400L * 1000) return std::nullopt;
  return static_cast<int>(ms);
}

namespace {

constexpr long kLargestCount = 999999999;   // nine digits, as ParseCount reads
constexpr long kNoControlId = 0xFFFF;

// Numbers from least to most separated by commas; blanks around each are allowed.
std::optional<std::vector<int>> ParseNumberList(std::string_view text, long least, long most) {
  std::vector<int> numbers;
  size_t start = 0;
  while (true) {
    size_t comma = text.find(',', start);
    std::string_view item = text.substr(start, comma == std::string_view::npos
                                                   ? std::string_view::npos
                                                   : comma - start);
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
    std::optional<long> number = ParseCount(item);
    if (!number || *number < least || *number > most) return std::nullopt;
    numbers.push_back(static_cast<int>(*number));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return numbers;
}

}  // namespace

std::optional<std::vector<int>> ParsePageList(std::string_view text) {
  if (ToLower(text) == "none") return std::vector<int>{};
  return ParseNumberList(text, 1, kLargestCount);
}

std::optional<std::vector<int>> ParseIdList(std::string_view text) {
  return ParseNumberList(text, 0, kNoControlId - 1);
}

std::string FormatNumberList(const std::vector<int>& numbers) {
  if (numbers.empty()) return "none";
  std::string text;
  for (int number : numbers) {
    if (!text.empty()) text += ',';
    text += std::to_string(number);
  }
  return text;
}

std::optional<std::vector<std::string>> ParseItemList(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::vector<std::string> items;
  if (ToLower(text) == "none") return items;
  size_t start = 0;
  while (true) {
    size_t bar = text.find('|', start);
    items.emplace_back(text.substr(start, bar == std::string_view::npos ? std::string_view::npos
                                                                        : bar - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return items;
}

std::string FormatItemList(const std::vector<std::string>& items) {
  if (items.empty()) return "none";
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) text += (i > 0 ? "|" : "") + items[i];
  return text;
}

std::string ResolvePath(const std::string& baseDir, const std::string& path) {
  std::string joined = !path.empty() && path[0] == '/' ? path : baseDir + "/" + path;
  bool absolute = !joined.empty() && joined[0] == '/';
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= joined.size()) {
    size_t slash = joined.find('/', start);
    if (slash == std::string::npos) slash = joined.size();
    std::string part = joined.substr(start, slash - start);
    if (part == "..") {
      if (!parts.empty() && parts.back() != "..") {
        parts.pop_back();
      } else if (!absolute) {
        parts.push_back(part);
      }
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = slash + 1;
  }
  std::string result = absolute ? "/" : "";
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) result += '/';
    result += parts[i];
  }
  return result.empty() ? "." : result;
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string WindowsPathOf(const std::string& linuxPath) {
  std::string result = "Z:";
  for (char c : linuxPath) result += c == '/' ? '\\' : c;
  return result;
}

std::string WithoutMnemonics(std::string_view label) {
  std::string result;
  for (size_t i = 0; i < label.size(); ++i) {
    if (label[i] == '&') {
      if (i + 1 < label.size() && label[i + 1] == '&') {
        result += '&';
        ++i;
      }
      continue;
    }
    result += label[i];
  }
  return result;
}

bool LabelMatches(std::string_view label, std::string_view wanted) {
  return ToLower(WithoutMnemonics(label)) == ToLower(WithoutMnemonics(wanted));
}

std::string ToLower(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

}  // namespace viewer::script
