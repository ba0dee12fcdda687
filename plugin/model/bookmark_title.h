// The bytes of a bookmark title as the host hands them over.
#pragma once

#include <cstdint>
#include <string_view>

// The buffer PDBookmarkGetTitle writes into; it is zeroed before each call.
inline constexpr int kTitleBufferSize = 4096;

// The title's stored bytes in `buffer` (kTitleBufferSize bytes) after PDBookmarkGetTitle
// answered `reportedLength`. A UTF-16 title (it starts with FE FF or FF FE) holds zero
// bytes: it is `reportedLength` bytes long, as far as the buffer reaches (a length above
// kTitleBufferSize counts as kTitleBufferSize - 1, the bytes the host copies). Any
// other title ends at its first zero byte. A UTF-16 title longer than the buffer keeps
// the whole two-byte units that the host copied (4094 bytes).
std::string_view StoredTitleBytes(const char* buffer, int32_t reportedLength);
