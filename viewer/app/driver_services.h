// What the viewer application offers the script driver. The driver runs on its own
// thread; it reaches the application only through RunOnUiThread, which runs the
// function on the user-interface thread and returns when it has finished. Every
// other function here must be called on the UI thread (that is, inside RunOnUiThread).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace viewer {

// Runs fn on the UI thread and waits for it. Safe to call from any thread; called
// on the UI thread it runs fn at once.
void RunOnUiThread(const std::function<void()>& fn);

// The viewer's main (frame) window, whose menu bar holds the host menus.
HWND AppMainWindow();

// Opens a PDF file (a Linux path) in a new document window, which becomes active.
bool AppOpenDocument(const std::string& path, std::string* error);

// Facts about the active document; false when no document is active.
struct ActiveDocFacts {
  int pageCount = 0;
  int currentPage = 0;                   // 1-based
  std::vector<int> thumbnailSelection;   // 1-based pages, in selection order
  bool thumbnailsShown = false;          // the thumbnails pane is open
  std::vector<std::string> visibleLayers; // names of the optional-content groups shown
                                          // now, in the document's order
};
bool AppActiveDocument(ActiveDocFacts* facts);

// Writes the active document, as it now stands, to a PDF file (Linux path).
bool AppSaveActiveDocument(const std::string& path, std::string* error);

// Toolbar buttons in their order on the toolbar.
struct ToolbarButtonFacts {
  std::string name;     // the button's atom text, e.g. "endToolsGroup"
  bool enabled = false; // from its compute-enabled procedure, asked now
  bool separator = false;
};
std::vector<ToolbarButtonFacts> AppToolbarButtons();

// Presses a toolbar button as a click would; false if no such button or disabled.
// Returns before the button's execute procedure runs (it is posted), so that a modal
// dialog opened by it does not block the caller.
bool AppPressToolbarButton(const std::string& name);

// Menu items of the host menu whose title is menuTitle (e.g. "Extensions"), with
// enabled states from their compute-enabled procedures, asked now.
struct MenuItemFacts {
  std::string label;    // e.g. "&Tessaly"
  std::string name;     // e.g. "ADBE:Tessaly"
  bool enabled = false;
  UINT commandId = 0;   // the WM_COMMAND id on the main window
};
bool AppMenuItems(const std::string& menuTitle, std::vector<MenuItemFacts>* items);

// How the loading of each plug-in went, e.g. {"tessaly.api", "loaded"} or
// {"tessaly.api", "refused at setup"}.
struct PluginFacts {
  std::string file;
  std::string state;    // "loaded", "no entry point", "refused by PlugInMain",
                        // "refused at setup", "refused at handshake", "failed to load"
};
std::vector<PluginFacts> AppPlugins();

// Tools registered by plug-ins, by their type atom text.
std::vector<std::string> AppRegisteredTools();

// Notification registrations, as (notification number, count of registrations).
int AppNotificationRegistrations(int notification);

// Asks the application to exit with this code once the driver is done.
void AppQuit(int exitCode);

}  // namespace viewer
