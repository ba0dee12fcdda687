// Tree labels of bookmarks: the title, five blanks and the page part, as
// "%s     (Page: %d)" for a one-page bookmark and "%s     (Pages: %d-%d)" otherwise.
// Other tools find a tree item's bookmark again by parsing and rebuilding its label.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The buffer a label is built in, terminating zero included.
inline constexpr int kLabelBufferSize = 4096;

struct LabelPages {
  int32_t first = 0;
  int32_t last = 0;
};

// Writes the label of a bookmark on pages first to last into `label`
// (kLabelBufferSize bytes, zero-terminated) and returns its length. A title too long
// for the buffer is cut so that the page part still fits whole.
size_t FormatBookmarkLabel(std::string_view title, int32_t first, int32_t last, char* label);
std::string BookmarkLabel(std::string_view title, int32_t first, int32_t last);

// How many bytes of a title of that length the label shows.
size_t LabelTitleLength(size_t titleLength, int32_t first, int32_t last);

// Whether `label` is exactly the label FormatBookmarkLabel builds from these values.
bool IsLabelOf(std::string_view label, std::string_view title, int32_t first, int32_t last);

// The pages a label names: after "(Pages: " read as "%d-%d", else after "(Page: " read
// as "%d" with last = first. What cannot be read stays 0.
LabelPages ParseBookmarkLabel(const char* label);

// The title part of a label: everything before the first "(Page", less the five
// characters in front of it; the whole label when it has no "(Page".
std::string_view LabelTitlePart(std::string_view label);
