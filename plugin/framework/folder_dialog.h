// The system's folder chooser.
#pragma once

#include <optional>
#include <string>

// Asks for a folder of the file system under `title`, with no owner window; nullopt
// when the user cancels.
std::optional<std::string> ChooseFolder(const char* title);
