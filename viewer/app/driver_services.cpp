#include "app/driver_services.h"

#include <exception>

#include "app/doc_window.h"
#include "app/host_menus.h"
#include "app/host_toolbar.h"
#include "app/main_frame.h"
#include "app/plugin_loader.h"
#include "app/registrations.h"
#include "app/run_on_ui.h"
#include "core/atom_table.h"
#include "core/error_text.h"
#include "core/host_error.h"

namespace viewer {
namespace {

struct UiJob {
  const std::function<void()>* fn;
  std::exception_ptr failure;
};

std::string Describe(const core::HostError& e) {
  std::string text = core::HostErrorText(e.code());
  if (*e.what() != '\0') text += " (" + std::string(e.what()) + ")";
  return text;
}

}  // namespace

void RunPostedJob(LPARAM lParam) {
  auto* job = reinterpret_cast<UiJob*>(lParam);
  try {
    (*job->fn)();
  } catch (...) {
    job->failure = std::current_exception();  // rethrown on the caller's thread
  }
}

void RunOnUiThread(const std::function<void()>& fn) {
  if (GetCurrentThreadId() == UiThreadId()) {
    fn();
    return;
  }
  HWND window = MainFrameWindow();
  if (window == nullptr || !IsWindow(window)) return;
  UiJob job{&fn, nullptr};
  SendMessageA(window, RunOnUiMessage(), 0, reinterpret_cast<LPARAM>(&job));
  if (job.failure) std::rethrow_exception(job.failure);
}

HWND AppMainWindow() { return MainFrameWindow(); }

bool AppOpenDocument(const std::string& path, std::string* error) {
  try {
    DocWindow::Open(path, "");
    return true;
  } catch (const core::HostError& e) {
    if (error != nullptr) *error = Describe(e);
  } catch (const std::exception& e) {
    if (error != nullptr) *error = e.what();
  }
  return false;
}

bool AppActiveDocument(ActiveDocFacts* facts) {
  DocWindow* doc = ActiveDocWindow();
  if (doc == nullptr) return false;
  facts->pageCount = doc->pdf().PageCount();
  facts->currentPage = doc->pageView().page() + 1;
  facts->thumbnailSelection.clear();
  for (int page : doc->thumbnailSelection()) facts->thumbnailSelection.push_back(page + 1);
  facts->thumbnailsShown = doc->thumbnailsShown();
  facts->visibleLayers = doc->pdf().layers().VisibleNames();
  return true;
}

bool AppSaveActiveDocument(const std::string& path, std::string* error) {
  DocWindow* doc = ActiveDocWindow();
  if (doc == nullptr) {
    if (error != nullptr) *error = "no document is active";
    return false;
  }
  try {
    doc->pdf().SaveAs(path);
    return true;
  } catch (const core::HostError& e) {
    if (error != nullptr) *error = Describe(e);
  } catch (const std::exception& e) {
    if (error != nullptr) *error = e.what();
  }
  return false;
}

std::vector<ToolbarButtonFacts> AppToolbarButtons() {
  std::vector<ToolbarButtonFacts> facts;
  for (const HostToolButton* button : Toolbar().Order()) {
    const char* name = core::HostAtoms().GetString(button->name);
    facts.push_back({name != nullptr ? name : "", button->IsEnabled(), button->separator});
  }
  return facts;
}

bool AppPressToolbarButton(const std::string& name) {
  if (!core::HostAtoms().Exists(name.c_str())) return false;
  const HostToolButton* button = Toolbar().FindPlaced(core::HostAtoms().FromString(name.c_str()));
  if (button == nullptr || !button->IsEnabled()) return false;
  PostMessageA(MainFrameWindow(), WM_COMMAND, MAKEWPARAM(button->commandId, BN_CLICKED),
               reinterpret_cast<LPARAM>(Toolbar().handle()));
  return true;
}

bool AppMenuItems(const std::string& menuTitle, std::vector<MenuItemFacts>* items) {
  const HostMenu* menu = Menus().FindMenu(menuTitle);
  if (menu == nullptr) return false;
  items->clear();
  for (const HostMenuItem* item : menu->items) {
    if (item->title == "-") continue;
    items->push_back({item->title, item->name, item->IsEnabled(), item->commandId});
  }
  return true;
}

std::vector<PluginFacts> AppPlugins() {
  std::vector<PluginFacts> facts;
  for (const LoadedPlugin& plugin : Plugins()) facts.push_back({plugin.file, plugin.state});
  return facts;
}

std::vector<std::string> AppRegisteredTools() { return RegisteredToolNames(); }

int AppNotificationRegistrations(int notification) {
  return NotificationRegistrationCount(notification);
}

void AppQuit(int exitCode) { QuitApplication(exitCode); }

}  // namespace viewer
