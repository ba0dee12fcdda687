// Bookmark titles as a document stores them, through the host's title buffer into the
// tree's labels and back: the first eight bytes give the page range, the rest is the
// title's bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "core/buffer_copy.h"
#include "model/bookmark_label.h"
#include "model/bookmark_title.h"
#include "model/title_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 8) return 0;
  int32_t first = 0, last = 0;
  std::memcpy(&first, data, 4);
  std::memcpy(&last, data + 4, 4);
  const std::string_view stored(reinterpret_cast<const char*>(data + 8), size - 8);

  // What PDBookmarkGetTitle hands over: the bytes copied into a zeroed buffer, and the
  // title's whole length.
  char buffer[kTitleBufferSize] = {};
  viewer::core::CopyTerminated(stored, buffer, kTitleBufferSize);
  const std::string_view bytes = StoredTitleBytes(buffer, static_cast<int32_t>(stored.size()));
  if (bytes.size() > kTitleBufferSize) __builtin_trap();
  std::string title(bytes);
  if (std::optional<std::u16string> unicode = DecodeMarkedTitle(bytes)) {
    BlankControlCharacters(*unicode);
    // The ANSI conversion is the system's; ASCII stands in for it here.
    title.clear();
    for (char16_t unit : *unicode) title.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  } else {
    BlankControlBytes(title);
  }
  for (char c : title) {
    if (static_cast<unsigned char>(c) < 0x20) __builtin_trap();
  }

  const std::string label = BookmarkLabel(title, first, last);
  if (label.size() >= kLabelBufferSize) __builtin_trap();
  if (!IsLabelOf(label, title, first, last)) __builtin_trap();
  const size_t shown = LabelTitleLength(title.size(), first, last);
  if (label.compare(0, shown, title, 0, shown) != 0) __builtin_trap();

  // Another tool finds the bookmark again from its label; a title that itself reads
  // like a page part (or holds a zero byte) may mislead it, others may not.
  const LabelPages pages = ParseBookmarkLabel(label.c_str());
  const std::string_view titlePart = LabelTitlePart(label);
  if (title.find("(Page") == std::string::npos && title.find('\0') == std::string::npos) {
    if (pages.first != first || pages.last != last) __builtin_trap();
    if (titlePart != std::string_view(title).substr(0, shown)) __builtin_trap();
  }
  return 0;
}
