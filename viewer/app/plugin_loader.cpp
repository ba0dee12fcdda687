#include "app/plugin_loader.h"

#include <cstdio>

#include "app/main_frame.h"
#include "app/wine_paths.h"
#include "core/exception_frames.h"
#include "core/unix_files.h"
#include "host/host_tables.h"

namespace viewer {
namespace {

std::vector<LoadedPlugin>& Loaded() {
  static std::vector<LoadedPlugin> plugins;
  return plugins;
}

// Calls one procedure of a plug-in as the host does: the plug-in's frames it pushes
// inside must all be popped when it returns.
template <typename Call>
auto CallPlugin(const char* procedure, const Call& call) {
  core::ExceptionFrameBarrier barrier(procedure);
  return call();
}

// PlugInMain, setup and handshake; answers the state the plug-in ends in.
std::string Handshake(LoadedPlugin& plugin, const std::string& file,
                      const PluginLoadSettings& settings) {
  const std::string windowsPath = WindowsPathOf(file);
  plugin.module = LoadLibraryA(windowsPath.c_str());
  if (plugin.module == nullptr) return "failed to load";
  auto plugInMain = reinterpret_cast<PlugInMainProc>(
      reinterpret_cast<void*>(GetProcAddress(plugin.module, "PlugInMain")));
  if (plugInMain == nullptr) return "no entry point";

  ASInt32 answeredVersion = 0;
  PISetupSDKProc setup = nullptr;
  PIWindowsData windowsData{MainFrameWindow(), plugin.module};
  if (!CallPlugin("PlugInMain", [&] {
        return plugInMain(static_cast<ASInt32>(handshakeVersion20), &answeredVersion, &setup,
                          &windowsData);
      }) ||
      setup == nullptr) {
    return "refused by PlugInMain";
  }

  PISetupData setupData{};
  setupData.handshakeVersion = settings.setupVersion;
  setupData.extensionID = plugin.extensionId;
  setupData.coreHFT = host::CoreTable();
  if (!CallPlugin("setup procedure", [&] { return setup(settings.setupVersion, &setupData); }) ||
      setupData.handshakeCallback == nullptr) {
    return "refused at setup";
  }

  plugin.handshake.handshakeVersion = settings.handshakeVersion;
  auto handshake = reinterpret_cast<PIHandshakeProc>(setupData.handshakeCallback);
  if (!CallPlugin("handshake procedure",
                  [&] { return handshake(settings.handshakeVersion, &plugin.handshake); })) {
    return "refused at handshake";
  }

  if (auto exportTables = reinterpret_cast<PIExportHFTsProc>(plugin.handshake.exportHFTsCallback)) {
    CallPlugin("export-tables callback", exportTables);
  }
  if (auto importAndRegister = reinterpret_cast<PIImportReplaceAndRegisterProc>(
          plugin.handshake.importReplaceAndRegisterCallback)) {
    CallPlugin("import-and-register callback", importAndRegister);
  }
  return "loaded";
}

}  // namespace

void LoadPlugins(const PluginLoadSettings& settings) {
  ASExtension nextId = 1;
  for (const std::string& file : core::FilesWithExtension(settings.folder, ".api")) {
    LoadedPlugin plugin;
    plugin.file = core::FileNameOf(file);
    plugin.extensionId = nextId++;
    plugin.state = Handshake(plugin, file, settings);
    std::printf("plug-in %s: %s\n", plugin.file.c_str(), plugin.state.c_str());
    std::fflush(stdout);
    Loaded().push_back(plugin);
  }
}

void InitialisePlugins() {
  for (const LoadedPlugin& plugin : Loaded()) {
    if (plugin.state != "loaded") continue;
    if (auto init = reinterpret_cast<PIInitProc>(plugin.handshake.initCallback)) {
      CallPlugin("initialise callback", init);
    }
  }
}

void UnloadPlugins() {
  for (const LoadedPlugin& plugin : Loaded()) {
    if (plugin.state != "loaded") continue;
    if (auto unload = reinterpret_cast<PIUnloadProc>(plugin.handshake.unloadCallback)) {
      CallPlugin("unload callback", unload);
    }
  }
}

const std::vector<LoadedPlugin>& Plugins() { return Loaded(); }

}  // namespace viewer
