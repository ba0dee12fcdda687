// The host's menu model: AVMenubar, AVMenu and AVMenuItem objects that drive the
// main window's real Win32 menu bar.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host_types.h"

namespace viewer {

struct HostMenu;

struct HostMenuItem {
  std::string title;   // the label shown, e.g. "&Tessaly"; "-" is a separator
  std::string name;    // e.g. "ADBE:Tessaly"
  HostMenu* submenu = nullptr;
  HostMenu* parent = nullptr;
  UINT commandId = 0;
  ASExtension owner = 0;
  AVExecuteProc execute = nullptr;
  void* executeData = nullptr;
  AVComputeEnabledProc computeEnabled = nullptr;
  void* computeEnabledData = nullptr;

  // Asks the compute-enabled procedure; an item without one is always enabled.
  bool IsEnabled() const;
};

struct HostMenu {
  std::string name;    // e.g. "Extensions"
  std::string title;   // the label shown, e.g. "&File"
  HMENU handle = nullptr;
  std::vector<HostMenuItem*> items;
  int acquireCount = 0;
};

class HostMenus {
 public:
  // Builds the host's own menus on a new menu bar.
  HMENU CreateMenuBar();
  HMENU menuBarHandle() const { return bar_; }

  HostMenu* NewMenu(const std::string& name, const std::string& title);
  HostMenuItem* NewItem(const std::string& title, const std::string& name, HostMenu* submenu);
  void AppendToMenuBar(HostMenu* menu);
  // Inserts item into menu before position beforeIndex; past the end (or negative) it
  // is appended. An item already in a menu is moved.
  void AddItem(HostMenu* menu, HostMenuItem* item, int beforeIndex);

  // The menu whose name or title (with '&' marks ignored) is text.
  HostMenu* FindMenu(std::string_view text) const;
  // Throw core::HostError(kHostErrBadParameter) for a handle the host did not make.
  HostMenu* Checked(AVMenu menu) const;
  HostMenuItem* Checked(AVMenuItem item) const;

  HostMenuItem* ItemOfCommand(UINT id) const;
  // Before a popup opens: greys or enables its items from their procedures.
  void UpdateEnabled(HMENU popup) const;
  // Runs the item's execute procedure if it is enabled now.
  bool Execute(UINT id) const;

  static constexpr UINT kFirstCommandId = 1000;
  static constexpr UINT kLastCommandId = 4999;

 private:
  void Refresh(HostMenu* menu);
  HostMenu* MenuOfHandle(HMENU handle) const;

  HMENU bar_ = nullptr;
  std::vector<HostMenu*> topLevel_;
  std::vector<std::unique_ptr<HostMenu>> menus_;
  std::vector<std::unique_ptr<HostMenuItem>> items_;
  UINT nextCommandId_ = kFirstCommandId;
};

HostMenus& Menus();

}  // namespace viewer
