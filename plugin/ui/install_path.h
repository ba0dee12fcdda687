// The installation folder as the "App Paths" registry value names it.
#pragma once

#include <string>
#include <string_view>

// The key an installer writes for the plug-in; its first value is the plug-in's path.
inline constexpr const char* kAppPathsKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tessaly.api";

// The folder part of the value's data: when the data mentions ".api", everything
// before the first "\Tessaly.api" (the whole data if it has none); otherwise the data
// as it is. The file name is compared as written, with its case.
std::string FolderFromAppPath(std::string_view data);

// What looking up the installation folder found.
struct InstallFolder {
  enum class Outcome {
    Found,         // the key and its first value
    NoKey,         // the key does not open: the folder is empty
    NoValue,       // the key opens but holds no readable value
  };
  Outcome outcome = Outcome::NoKey;
  std::string folder;

  bool HasNoValue() const { return outcome == Outcome::NoValue; }
  // The folder, a backslash and the file name (just the backslash and the name when
  // the folder is empty); an empty path when the key holds no value.
  std::string FileNamed(std::string_view fileName) const;
};
