// The system's open and save dialogs as the plug-in shows them: no owner window,
// Explorer style, long names, the read-only box hidden, the current folder left as it
// was, a path of at most 255 characters.
#pragma once

#include <optional>
#include <string>

struct FileDialogRequest {
  const char* title;
  // Pairs of a shown name and a pattern, each ending in a NUL, the list in two.
  const char* filters;
  const char* defaultExtension;
};

// An existing file, or nothing when cancelled.
std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request);
// A name to write to (an existing file is replaced without asking), or nothing when
// cancelled.
std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request);
