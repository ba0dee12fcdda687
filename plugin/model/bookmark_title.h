// Turning the bytes the host hands over for a bookmark title into the title shown.
#pragma once

#include <cstdint>
#include <string>

// The buffer PDBookmarkGetTitle writes into; it is zeroed before each call.
inline constexpr int kTitleBufferSize = 4096;

// The title held in `buffer` (kTitleBufferSize bytes) after PDBookmarkGetTitle answered
// `reportedLength`. When that length is the length up to the first zero byte, the title
// is those bytes. Otherwise the title is stored in two-byte Unicode (its first zero byte
// is the high byte of its first character): the title becomes the printable ASCII bytes
// (0x20 to 0x7E) found from the first zero byte to reportedLength - 1, a length above
// kTitleBufferSize counting as kTitleBufferSize - 1. A one-byte title too long for the
// buffer (the buffer full up to its last byte, no byte-order mark) keeps the
// kTitleBufferSize - 1 bytes that fit. Written into `title` in place.
void TitleFromHostBuffer(const char* buffer, int32_t reportedLength, std::string& title);

// Drops the last byte when, read as a signed 8-bit number, it is below 15: a control
// byte 0x00 to 0x0E or any byte from 0x80 up.
void DropTrailingControlByte(std::string& title);
