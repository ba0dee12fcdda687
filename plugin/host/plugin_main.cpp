// The plug-in's one exported entry point.
#include <windows.h>

#include <type_traits>

#include "handshake.h"
#include "host_records.h"
#include "plugin_objects.h"

extern "C" __declspec(dllexport) ASBool PLUGINMAINCALL PlugInMain(ASInt32 appHandshakeVersion,
                                                                  ASInt32* handshakeVersion,
                                                                  PISetupSDKProc* setupProc,
                                                                  void* windowsData) {
  if (!handshakeVersion || !setupProc) return false;
  if (auto* data = static_cast<const PIWindowsData*>(windowsData)) {
    theApp.SetModule(static_cast<HINSTANCE>(data->pluginInstance));
    theApp.SetHostWindow(static_cast<HWND>(data->hostWindow));
  }
  constexpr auto kHighest = static_cast<ASInt32>(handshakeVersion20);
  *handshakeVersion = appHandshakeVersion > kHighest ? kHighest : appHandshakeVersion;
  *setupProc = &SetUpPlugIn;
  return true;
}

static_assert(std::is_same_v<decltype(&PlugInMain), PlugInMainProc>);
