// The viewer: a PDF viewer that hosts plug-ins through the host function tables.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/doc_window.h"
#include "app/main_frame.h"
#include "app/plugin_loader.h"
#include "app/wine_paths.h"
#include "core/command_line.h"
#include "core/error_text.h"
#include "core/exception_frames.h"
#include "core/host_error.h"
#include "core/unix_files.h"
#include "host/host_tables.h"
#include "script/script_driver.h"

namespace {

// <folder of the viewer>/plug_ins, as a Linux path.
std::string DefaultPluginsFolder() {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, module, sizeof module);
  return viewer::core::JoinPath(viewer::core::FolderOf(viewer::UnixPathOf(module)), "plug_ins");
}

void OpenStartupFile(const std::string& path) {
  try {
    viewer::DocWindow::Open(viewer::UnixPathOf(path), "");
  } catch (const viewer::core::HostError& e) {
    std::fprintf(stderr, "viewer: cannot open %s: %s %s\n", path.c_str(),
                 viewer::core::HostErrorText(e.code()).c_str(), e.what());
  }
}

}  // namespace

int main(int argc, char** argv) {
  viewer::core::ViewerOptions options;
  std::string error;
  if (!viewer::core::ParseViewerOptions(argc, argv, &options, &error)) {
    std::fprintf(stderr, "viewer: %s\n%s\n", error.c_str(), viewer::core::kViewerUsage);
    return 2;
  }
  if (!options.scriptPath.empty() && !viewer::script::LoadScript(options.scriptPath, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }

  viewer::host::SetTableOffers(options.offers);
  if (!viewer::host::BuildHostTables(&error)) {
    std::fprintf(stderr, "viewer: %s\n", error.c_str());
    return 2;
  }

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!viewer::DocWindow::RegisterWindowClasses(instance) ||
      !viewer::CreateMainFrame(instance)) {
    std::fprintf(stderr, "viewer: cannot create the main window\n");
    return 1;
  }

  viewer::PluginLoadSettings plugins;
  plugins.folder = options.pluginsDir.empty() ? DefaultPluginsFolder()
                                              : viewer::UnixPathOf(options.pluginsDir);
  if (options.setupVersion) plugins.setupVersion = *options.setupVersion;
  if (options.handshakeVersion) plugins.handshakeVersion = *options.handshakeVersion;
  viewer::LoadPlugins(plugins);
  viewer::InitialisePlugins();

  for (const std::string& file : options.files) OpenStartupFile(file);
  if (!options.scriptPath.empty()) viewer::script::StartDriver();

  int exitCode = viewer::RunMessageLoop();
  viewer::UnloadPlugins();
  // A plug-in that broke the host's rules (each fault was told as it happened) fails
  // the run, so that no test passes over it.
  if (exitCode == 0 && viewer::core::PluginFaultCount() > 0) exitCode = 1;
  std::fflush(stdout);
  std::fflush(stderr);
  // End every thread at once: an orderly exit runs thread and module teardown while
  // the script driver may still be inside a window call, which was seen to crash
  // Wine's exit. Everything worth keeping is written and flushed by now.
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
  return exitCode;
}
