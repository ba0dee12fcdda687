// A tree view written out as text, one item a line in pre-order: its depth (1 for a
// root item), one blank, then its label exactly as the tree shows it. Used to compare
// a whole tree with an expected listing and to save a tree for a look.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace viewer::script {

struct ListedItem {
  int depth = 1;
  std::string label;
};

// The listing text, each line ended by "\n".
std::string FormatTreeListing(const std::vector<ListedItem>& items);

// Reads a listing; lines may end in CR LF, a last line needs no line end. Answers
// nothing and says why (with the line number) when a line is not "DEPTH LABEL".
std::optional<std::vector<ListedItem>> ParseTreeListing(std::string_view text,
                                                        std::string* why);

// Empty when the trees are the same; otherwise names the first difference.
std::string CompareTreeListings(const std::vector<ListedItem>& expected,
                                const std::vector<ListedItem>& actual);

}  // namespace viewer::script
