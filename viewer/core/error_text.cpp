#include "core/error_text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace viewer::core {

std::string HostErrorText(ASErrorCode code) {
  switch (code) {
    case kHostErrGeneral: return "An internal error occurred in the viewer.";
    case kHostErrBadParameter: return "A bad parameter was passed to the viewer.";
    case kHostErrNotImplemented: return "This operation is not available in the viewer.";
    case kHostErrFileOpen: return "The file could not be opened.";
    case kHostErrBadOutline: return "The document's bookmarks are damaged.";
    case kHostErrBadPage: return "The page does not exist or is damaged.";
    case kHostErrPrint: return "The document could not be printed.";
    case kHostErrNoFont: return "The font could not be found.";
    case kHostErrPermission: return "The document's permissions do not allow this operation.";
    default: break;
  }
  char text[64];
  std::snprintf(text, sizeof text, "Unknown error (code 0x%08X).", static_cast<unsigned>(code));
  return text;
}

void CopyErrorText(ASErrorCode code, char* buffer, ASInt32 bufferSize) {
  if (buffer == nullptr || bufferSize <= 0) return;
  const std::string text = HostErrorText(code);
  const size_t length = std::min(text.size(), static_cast<size_t>(bufferSize - 1));
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

}  // namespace viewer::core
