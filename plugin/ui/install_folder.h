// Finding the plug-in's installation folder through the registry, as its installer
// left it.
#pragma once

#include "install_path.h"

// Reads the first value of HKEY_LOCAL_MACHINE\<kAppPathsKey> (at most 1023 bytes).
InstallFolder LocateInstallFolder();

// The caption of both boxes shown when the key holds no value.
inline constexpr const char* kInstallKeyMissingCaption = "Install key not found in registry!";
