// Loading the plug-ins (*.api) at start-up and the host's side of their handshake.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host_records.h"

namespace viewer {

struct LoadedPlugin {
  std::string file;                 // e.g. "tessaly.api"
  std::string state;                // "loaded", "no entry point", "refused by PlugInMain",
                                    // "refused at setup", "refused at handshake",
                                    // "failed to load"
  HMODULE module = nullptr;
  ASExtension extensionId = 0;
  PIHandshakeData handshake{};
};

struct PluginLoadSettings {
  std::string folder;               // Linux path of the plug-ins folder
  ASUns32 setupVersion = handshakeVersion20;
  ASUns32 handshakeVersion = handshakeVersion20;
};

// Loads every *.api file of the folder, in name order, through setup, handshake,
// table export and import-and-register; prints one line per plug-in to stdout.
void LoadPlugins(const PluginLoadSettings& settings);
// Calls the initialise callback of every loaded plug-in (once the main window is up).
void InitialisePlugins();
// Calls the unload callback of every loaded plug-in.
void UnloadPlugins();

const std::vector<LoadedPlugin>& Plugins();

}  // namespace viewer
