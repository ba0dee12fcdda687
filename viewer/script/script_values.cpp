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

std::optional<std::vector<int>> ParsePageList(std::string_view text) {
  std::vector<int> pages;
  if (ToLower(text) == "none") return pages;
  size_t start = 0;
  while (true) {
    size_t comma = text.find(',', start);
    std::string_view item = text.substr(start, comma == std::string_view::npos
                                                   ? std::string_view::npos
                                                   : comma - start);
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
    std::optional<long> page = ParseCount(item);
    if (!page || *page < 1) return std::nullopt;
    pages.push_back(static_cast<int>(*page));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return pages;
}

std::string FormatPageList(const std::vector<int>& pages) {
  if (pages.empty()) return "none";
  std::string text;
  for (int page : pages) {
    if (!text.empty()) text += ',';
    text += std::to_string(page);
  }
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
