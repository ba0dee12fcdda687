// The settings file grammar: one "KEY;value" line per value, CR LF line ends.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "print_settings.h"

// Applies a settings file, read from the open file line by line (a file a user chose
// may be of any size), to `settings`: keys it does not name keep their values
// (ClearBeforeLoad is the caller's step).
void ApplySettingsFile(PrintSettings& settings, std::FILE* file);

// Applies one line as read (without its line end or with it).
void ApplySettingsLine(PrintSettings& settings, std::string_view line);

// The bytes of the settings file that holds `settings`.
std::string SettingsFileText(const PrintSettings& settings);
