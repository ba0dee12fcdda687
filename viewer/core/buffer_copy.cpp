#include "core/buffer_copy.h"

#include <algorithm>
#include <cstring>

namespace viewer::core {

size_t CopyTerminated(std::string_view text, char* buffer, ASInt32 bufferSize) {
  if (buffer == nullptr || bufferSize < 1) return 0;
  const size_t copied = std::min(text.size(), static_cast<size_t>(bufferSize) - 1);
  std::memcpy(buffer, text.data(), copied);
  buffer[copied] = '\0';
  return copied;
}

}  // namespace viewer::core
