#include "bookmark_title.h"

#include <cstring>

std::string_view StoredTitleBytes(const char* buffer, int32_t reportedLength) {
  const auto byte = [&](int i) { return static_cast<unsigned char>(buffer[i]); };
  const bool utf16 = (byte(0) == 0xFE && byte(1) == 0xFF) || (byte(0) == 0xFF && byte(1) == 0xFE);
  if (!utf16) return std::string_view(buffer, strnlen(buffer, kTitleBufferSize));
  if (reportedLength < 0) return {};
  if (reportedLength < kTitleBufferSize) return std::string_view(buffer, static_cast<size_t>(reportedLength));
  // Cut by the buffer: whole two-byte units only, so the cut makes no broken character.
  return std::string_view(buffer, kTitleBufferSize - 2);
}
