#include "script/tree_listing.h"

#include <algorithm>

#include "script/script_values.h"

namespace viewer::script {
namespace {

std::string Describe(const ListedItem& item) {
  return "depth " + std::to_string(item.depth) + " \"" + item.label + "\"";
}

}  // namespace

std::string FormatTreeListing(const std::vector<ListedItem>& items) {
  std::string text;
  for (const ListedItem& item : items) {
    text += std::to_string(item.depth) + " " + item.label + "\n";
  }
  return text;
}

std::optional<std::vector<ListedItem>> ParseTreeListing(std::string_view text,
                                                        std::string* why) {
  std::vector<ListedItem> items;
  int lineNumber = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = end + 1;
    ++lineNumber;
    size_t blank = line.find(' ');
    std::optional<long> depth =
        blank == std::string_view::npos ? std::nullopt : ParseCount(line.substr(0, blank));
    if (!depth || *depth < 1) {
      if (why) *why = "line " + std::to_string(lineNumber) + " is not \"DEPTH LABEL\"";
      return std::nullopt;
    }
    items.push_back({static_cast<int>(*depth), std::string(line.substr(blank + 1))});
  }
  return items;
}

std::string CompareTreeListings(const std::vector<ListedItem>& expected,
                                const std::vector<ListedItem>& actual) {
  const size_t common = std::min(expected.size(), actual.size());
  for (size_t i = 0; i < common; ++i) {
    if (expected[i].depth != actual[i].depth || expected[i].label != actual[i].label) {
      return "item " + std::to_string(i + 1) + " is " + Describe(actual[i]) + ", expected " +
             Describe(expected[i]);
    }
  }
  if (expected.size() != actual.size()) {
    std::string first = actual.size() > common ? "; item " + std::to_string(common + 1) +
                                                     " is " + Describe(actual[common])
                                               : "; item " + std::to_string(common + 1) +
                                                     " should be " + Describe(expected[common]);
    return "the tree has " + std::to_string(actual.size()) + " items, expected " +
           std::to_string(expected.size()) + first;
  }
  return {};
}

}  // namespace viewer::script
