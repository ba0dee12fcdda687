#include "bookmark_label.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kLabelCapacity = kLabelBufferSize - 1;
constexpr size_t kBlanksBeforePages = 5;

// "     (Page: 7)" or "     (Pages: 7-9)"; 64 bytes hold any two 32-bit numbers.
struct PagePart {
  char text[64];
  size_t length;
};

PagePart FormatPagePart(int32_t first, int32_t last) {
  PagePart part{};
  const int written =
      first == last
          ? std::snprintf(part.text, sizeof part.text, "     (Page: %d)", static_cast<int>(first))
          : std::snprintf(part.text, sizeof part.text, "     (Pages: %d-%d)",
                          static_cast<int>(first), static_cast<int>(last));
  part.length = written > 0 ? static_cast<size_t>(written) : 0;
  return part;
}

size_t ShownTitleLength(size_t titleLength, size_t pagePartLength) {
  const size_t room = kLabelCapacity - pagePartLength;
  return titleLength < room ? titleLength : room;
}

}  // namespace

size_t FormatBookmarkLabel(std::string_view title, int32_t first, int32_t last, char* label) {
  const PagePart pages = FormatPagePart(first, last);
  const size_t shown = ShownTitleLength(title.size(), pages.length);
  std::memcpy(label, title.data(), shown);
  std::memcpy(label + shown, pages.text, pages.length);
  label[shown + pages.length] = '\0';
  return shown + pages.length;
}

std::string BookmarkLabel(std::string_view title, int32_t first, int32_t last) {
  char label[kLabelBufferSize];
  const size_t length = FormatBookmarkLabel(title, first, last, label);
  return std::string(label, length);
}

size_t LabelTitleLength(size_t titleLength, int32_t first, int32_t last) {
  return ShownTitleLength(titleLength, FormatPagePart(first, last).length);
}

bool IsLabelOf(std::string_view label, std::string_view title, int32_t first, int32_t last) {
  const PagePart pages = FormatPagePart(first, last);
  const size_t shown = ShownTitleLength(title.size(), pages.length);
  return label.size() == shown + pages.length &&
         label.compare(0, shown, title.substr(0, shown)) == 0 &&
         label.compare(shown, pages.length, std::string_view(pages.text, pages.length)) == 0;
}

LabelPages ParseBookmarkLabel(const char* label) {
  LabelPages pages;
  int first = 0;
  int last = 0;
  if (const char* range = std::strstr(label, "(Pages: ")) {
    std::sscanf(range + 8, "%d-%d", &first, &last);
  } else if (const char* single = std::strstr(label, "(Page: ")) {
    std::sscanf(single + 7, "%d", &first);
    last = first;
  }
  pages.first = first;
  pages.last = last;
  return pages;
}

std::string_view LabelTitlePart(std::string_view label) {
  const size_t pages = label.find("(Page");
  if (pages == std::string_view::npos) return label;
  const size_t end = pages > kBlanksBeforePages ? pages - kBlanksBeforePages : 0;
  return label.substr(0, end);
}
