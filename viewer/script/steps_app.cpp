#include "script/win32.h"

#include <cstdio>

#include "app/driver_services.h"
#include "host/host_tables.h"
#include "script/script_values.h"
#include "script/steps.h"
#include "script/ui_input.h"
#include "script/ui_thread.h"

namespace viewer::script {
namespace {

const MenuItemFacts* FindMenuItem(const std::vector<MenuItemFacts>& items,
                                  const std::string& label) {
  for (const MenuItemFacts& item : items) {
    if (LabelMatches(item.label, label)) return &item;
  }
  return nullptr;
}

std::string MenuLabels(const std::vector<MenuItemFacts>& items) {
  std::string labels;
  for (const MenuItemFacts& item : items) {
    labels += (labels.empty() ? "" : ", ") + Quoted(item.label);
  }
  return labels.empty() ? "none" : labels;
}

const ToolbarButtonFacts* FindButton(const std::vector<ToolbarButtonFacts>& buttons,
                                     const std::string& name) {
  for (const ToolbarButtonFacts& button : buttons) {
    if (button.name == name) return &button;
  }
  return nullptr;
}

std::string Presence(bool present, bool enabled) {
  return !present ? "absent" : enabled ? "enabled" : "disabled";
}

// The main window takes no menu choice or button press while a modal window is open.
std::string MainWindowBusy(const DriverContext& context) {
  if (!IsWindowEnabled(context.mainWindow())) {
    return "the main window is disabled (a modal window is open)";
  }
  return {};
}

bool FileExists(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file) std::fclose(file);
  return file != nullptr;
}

}  // namespace

void RunOpen(DriverContext&, const Step& step) {
  std::string error;
  bool opened = OnUiThread([&] { return AppOpenDocument(step.args[0], &error); });
  if (!opened) Fail("could not open the document" + (error.empty() ? "" : ": " + error));
}

void RunSave(DriverContext&, const Step& step) {
  std::string error;
  bool saved = OnUiThread([&] { return AppSaveActiveDocument(step.args[0], &error); });
  if (!saved) Fail("could not save the document" + (error.empty() ? "" : ": " + error));
}

void RunWaitFile(DriverContext& context, const Step& step) {
  WaitFor(context, [&]() -> std::string {
    return FileExists(step.args[0]) ? "" : "there is no file " + step.args[0];
  });
}

void RunMenu(DriverContext& context, const Step& step) {
  const std::string& menu = step.args[0];
  const std::string& label = step.args[1];
  UINT command = 0;
  WaitFor(context, [&]() -> std::string {
    std::vector<MenuItemFacts> items;
    if (!OnUiThread([&] { return AppMenuItems(menu, &items); })) {
      return "there is no menu " + Quoted(menu);
    }
    const MenuItemFacts* item = FindMenuItem(items, label);
    if (!item) return "menu " + Quoted(menu) + " has no item " + Quoted(label) +
                      " (it has " + MenuLabels(items) + ")";
    if (!item->enabled) return "item " + Quoted(item->label) + " is disabled";
    command = item->commandId;
    return MainWindowBusy(context);
  });
  // Posted, as the menu itself would: a modal dialog it opens must not hold the driver.
  PostAndSync(context, context.mainWindow(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void RunExpectMenu(DriverContext& context, const Step& step) {
  const std::string& menu = step.args[0];
  const std::string& label = step.args[1];
  const std::string& wanted = step.args[2];
  WaitFor(context, [&]() -> std::string {
    std::vector<MenuItemFacts> items;
    bool haveMenu = OnUiThread([&] { return AppMenuItems(menu, &items); });
    const MenuItemFacts* item = haveMenu ? FindMenuItem(items, label) : nullptr;
    std::string state = Presence(item != nullptr, item && item->enabled);
    return state == wanted ? "" : "the item is " + state;
  });
}

void RunButton(DriverContext& context, const Step& step) {
  const std::string& name = step.args[0];
  WaitFor(context, [&]() -> std::string {
    auto buttons = OnUiThread([] { return AppToolbarButtons(); });
    const ToolbarButtonFacts* button = FindButton(buttons, name);
    if (!button) return "there is no toolbar button " + Quoted(name);
    if (!button->enabled) return "the button is disabled";
    return MainWindowBusy(context);
  });
  if (!OnUiThread([&] { return AppPressToolbarButton(name); })) {
    Fail("the viewer did not press the button");
  }
}

void RunExpectButton(DriverContext& context, const Step& step) {
  WaitFor(context, [&]() -> std::string {
    auto buttons = OnUiThread([] { return AppToolbarButtons(); });
    const ToolbarButtonFacts* button = FindButton(buttons, step.args[0]);
    std::string state = Presence(button != nullptr, button && button->enabled);
    return state == step.args[1] ? "" : "the button is " + state;
  });
}

void RunExpectButtonBefore(DriverContext& context, const Step& step) {
  WaitFor(context, [&]() -> std::string {
    auto buttons = OnUiThread([] { return AppToolbarButtons(); });
    for (size_t i = 0; i < buttons.size(); ++i) {
      if (buttons[i].name != step.args[0]) continue;
      if (i + 1 < buttons.size() && buttons[i + 1].name == step.args[1]) return {};
      return i + 1 < buttons.size()
                 ? "the button after it is " + Quoted(buttons[i + 1].name)
                 : "it is the last button";
    }
    return "there is no toolbar button " + Quoted(step.args[0]);
  });
}

void RunExpectPlugin(DriverContext& context, const Step& step) {
  WaitFor(context, [&]() -> std::string {
    auto plugins = OnUiThread([] { return AppPlugins(); });
    std::string files;
    for (const PluginFacts& plugin : plugins) {
      if (ToLower(plugin.file) == ToLower(step.args[0])) {
        return plugin.state == step.args[1] ? "" : "its state is " + Quoted(plugin.state);
      }
      files += (files.empty() ? "" : ", ") + Quoted(plugin.file);
    }
    return "no plug-in file of that name was seen (seen: " +
           (files.empty() ? std::string("none") : files) + ")";
  });
}

void RunExpectTool(DriverContext& context, const Step& step, bool wanted) {
  WaitFor(context, [&]() -> std::string {
    auto tools = OnUiThread([] { return AppRegisteredTools(); });
    bool present = false;
    for (const std::string& tool : tools) present = present || tool == step.args[0];
    if (present == wanted) return {};
    return present ? "the tool is registered" : "the tool is not registered";
  });
}

void RunExpectNotification(DriverContext& context, const Step& step) {
  const int notification = NumberArg(step, 0);
  const int wanted = NumberArg(step, 1);
  WaitFor(context, [&]() -> std::string {
    int count = OnUiThread([&] { return AppNotificationRegistrations(notification); });
    return count == wanted ? "" : "it has " + std::to_string(count) + " registrations";
  });
}

void RunExpectDocument(DriverContext& context, const Step& step) {
  WaitFor(context, [&]() -> std::string {
    ActiveDocFacts facts;
    if (!OnUiThread([&] { return AppActiveDocument(&facts); })) return "no document is active";
    switch (step.command) {
      case Command::ExpectPages:
        return facts.pageCount == NumberArg(step, 0)
                   ? "" : "the document has " + std::to_string(facts.pageCount) + " pages";
      case Command::ExpectPage:
        return facts.currentPage == NumberArg(step, 0)
                   ? "" : "the current page is " + std::to_string(facts.currentPage);
      case Command::ExpectThumbs: {
        std::vector<int> wanted = *ParsePageList(step.args[0]);
        return facts.thumbnailSelection == wanted ? ""
                   : "the thumbnail selection is " + FormatNumberList(facts.thumbnailSelection);
      }
      case Command::ExpectLayers: {
        std::string shown;
        for (const std::string& name : facts.visibleLayers) shown += (shown.empty() ? "" : ",") + name;
        if (shown.empty()) shown = "none";
        return shown == step.args[0] ? "" : "the layers shown are " + shown;
      }
      case Command::ExpectThumbsShown:
        return facts.thumbnailsShown == (step.args[0] == "yes")
                   ? "" : facts.thumbnailsShown ? "the thumbnails are shown"
                                                : "the thumbnails are not shown";
      default:
        return {};
    }
  });
}

// fail-host-call on|off: the operation named NAME:when-asked in TESSALY_FAILING_HOST_CALL
// fails from now on, or no more.
void RunFailHostCall(DriverContext&, const Step& step) {
  const bool asked = step.args[0] == "on";
  OnUiThread([asked] {
    host::AskForFailingCalls(asked);
    return true;
  });
}

}  // namespace viewer::script
