#include "bookmark_file_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "model/title_text.h"

namespace {

// MAX_PATH less the terminating zero.
constexpr size_t kLongestPath = 259;
constexpr std::string_view kExtension = ".pdf";
constexpr std::string_view kEmptyTitle = "Bookmark";
constexpr std::array<std::string_view, 22> kDeviceNames = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

bool IsForbidden(unsigned char c) {
  return c < 0x20 || c == 0x7F || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) !=
                                      std::string_view::npos;
}

// Forbidden characters become "_"; the trail byte of a double-byte character is part of
// it, whatever its value (in code page 932 it may be the byte of a backslash).
std::string LegalCharacters(const std::string& title, bool (*isLeadByte)(unsigned char)) {
  std::string legal;
  legal.reserve(title.size());
  for (size_t i = 0; i < title.size(); ++i) {
    const auto c = static_cast<unsigned char>(title[i]);
    if (isLeadByte(c) && i + 1 < title.size()) {
      legal += title[i];
      legal += title[++i];
    } else {
      legal += IsForbidden(c) ? '_' : title[i];
    }
  }
  return legal;
}

void DropTrailingDotsAndBlanks(std::string& text) {
  while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();
}

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

// The system takes a name whose part before the first dot (blanks aside) is a device
// name for that device.
void MarkDeviceName(std::string& title) {
  const size_t dot = std::min(title.find('.'), title.size());
  std::string_view stem(title.data(), dot);
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  for (const std::string_view device : kDeviceNames) {
    if (SameLetters(stem, device)) {
      title.insert(stem.size(), "_");
      return;
    }
  }
}

std::string NumberPrefix(size_t place, size_t count) {
  const size_t digits = std::max<size_t>(3, std::to_string(count).size());
  std::string number = std::to_string(place);
  return std::string(digits - std::min(digits, number.size()), '0') + number;
}

}  // namespace

std::vector<std::string> BookmarkFileNames(const std::vector<std::string>& titles,
                                           size_t longestName,
                                           bool (*isLeadByte)(unsigned char)) {
  std::vector<std::string> names;
  names.reserve(titles.size());
  for (size_t i = 0; i < titles.size(); ++i) {
    const std::string number = NumberPrefix(i + 1, titles.size());
    if (number.size() + kExtension.size() > longestName) {
      names.emplace_back();
      continue;
    }
    std::string title = LegalCharacters(titles[i], isLeadByte);
    DropTrailingDotsAndBlanks(title);
    if (title.empty()) title = kEmptyTitle;
    MarkDeviceName(title);
    // Number, blank, title, extension: the title takes what is left.
    const size_t room = longestName - number.size() - kExtension.size();
    CutOnCharacterBoundary(title, room > 0 ? room - 1 : 0, isLeadByte);
    DropTrailingDotsAndBlanks(title);
    names.push_back(title.empty() ? number + std::string(kExtension)
                                  : number + ' ' + title + std::string(kExtension));
  }
  return names;
}

size_t LongestFileNameIn(const std::string& folder) {
  const bool separated = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
  const size_t used = folder.size() + (separated ? 0 : 1);
  return used >= kLongestPath ? 0 : kLongestPath - used;
}
