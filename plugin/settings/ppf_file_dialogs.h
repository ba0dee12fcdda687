// The system's open and save dialogs for settings files (".ppf").
#pragma once

#include <optional>
#include <string>

// "Open Page Parameters File": an existing file, or nothing when cancelled.
std::optional<std::string> ChooseSettingsFileToLoad();
// "Save Page Parameters File": a name to write to, or nothing when cancelled.
std::optional<std::string> ChooseSettingsFileToSave();
