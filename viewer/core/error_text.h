// The texts the host gives for its error codes.
#pragma once

#include <string>

#include "host_errors.h"

namespace viewer::core {

// The message for code; codes the host does not know get a text naming the number.
std::string HostErrorText(ASErrorCode code);

// Copies the text into buffer (bufferSize bytes, always terminated when bufferSize > 0).
void CopyErrorText(ASErrorCode code, char* buffer, ASInt32 bufferSize);

}  // namespace viewer::core
