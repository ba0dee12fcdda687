// Text handed to the plug-in in a buffer of its own.
#pragma once

#include <cstddef>
#include <string_view>

#include "host_types.h"

namespace viewer::core {

// Copies as much of text as fits in front of a terminating zero into buffer (of
// bufferSize bytes) and answers the number of bytes copied, the zero not counted.
// Nothing is written, and 0 answered, for a null buffer or a bufferSize below 1.
size_t CopyTerminated(std::string_view text, char* buffer, ASInt32 bufferSize);

}  // namespace viewer::core
