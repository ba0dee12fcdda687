#include "bookmark_title.h"

#include <cstring>

void TitleFromHostBuffer(const char* buffer, int32_t reportedLength, std::string& title) {
  const size_t plainLength = strnlen(buffer, kTitleBufferSize);
  if (reportedLength >= 0 && static_cast<size_t>(reportedLength) == plainLength) {
    title.assign(buffer, plainLength);
    return;
  }
  // A one-byte title longer than the buffer also reports more than the buffer holds;
  // its first zero byte is the buffer's last. Read as two-byte text it would come out
  // empty, so it keeps the bytes that fit instead. Two-byte titles start with their
  // byte-order mark.
  const bool startsTwoByte = static_cast<unsigned char>(buffer[0]) == 0xFE &&
                             static_cast<unsigned char>(buffer[1]) == 0xFF;
  if (!startsTwoByte && plainLength == kTitleBufferSize - 1 && reportedLength > 0 &&
      static_cast<size_t>(reportedLength) > plainLength) {
    title.assign(buffer, plainLength);
    return;
  }
  int32_t end = reportedLength > kTitleBufferSize ? kTitleBufferSize - 1 : reportedLength;
  title.clear();
  for (int32_t at = static_cast<int32_t>(plainLength); at < end; ++at) {
    const unsigned char byte = static_cast<unsigned char>(buffer[at]);
    if (byte >= 0x20 && byte <= 0x7E) title.push_back(static_cast<char>(byte));
  }
}

void DropTrailingControlByte(std::string& title) {
  if (!title.empty() && static_cast<signed char>(title.back()) < 15) title.pop_back();
}
