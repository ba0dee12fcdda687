// Conversion between the Windows paths plug-ins use (C:\..., Z:\...) and Linux paths.
#pragma once

#include <string>

namespace viewer {

// A Linux path for a Windows path; a path that already starts with '/' is kept.
// Empty when Wine cannot map it.
std::string UnixPathOf(const std::string& path);

// The Windows path of a Linux path (Z:\... for most). Empty when Wine cannot map it.
std::string WindowsPathOf(const std::string& unixPath);

}  // namespace viewer
