// AcroView, menus and the toolbar.
#include "app/host_menus.h"
#include "app/host_toolbar.h"
#include "core/host_error.h"
#include "host/host_impl.h"

namespace viewer::ops {
namespace {

using core::HostError;

void CheckMenubar(AVMenubar menubar) {
  if (menubar != reinterpret_cast<AVMenubar>(&Menus())) {
    throw HostError(kHostErrBadParameter, "unknown menu bar");
  }
}

void CheckToolbar(AVToolBar toolBar) {
  if (toolBar != reinterpret_cast<AVToolBar>(&Toolbar())) {
    throw HostError(kHostErrBadParameter, "unknown toolbar");
  }
}

}  // namespace

AVMenu AVMenubarAcquireMenuByName_Impl(AVMenubar menubar, const char* name) {
  CheckMenubar(menubar);
  if (name == nullptr) throw HostError(kHostErrBadParameter, "null menu name");
  HostMenu* menu = Menus().FindMenu(name);
  if (menu == nullptr) return nullptr;
  ++menu->acquireCount;
  return reinterpret_cast<AVMenu>(menu);
}

void AVMenuRelease_Impl(AVMenu menu) {
  if (menu == nullptr) return;
  HostMenu* released = Menus().Checked(menu);
  if (released->acquireCount > 0) --released->acquireCount;
}

void AVMenuAddMenuItem_Impl(AVMenu menu, AVMenuItem item, ASInt32 beforeIndex) {
  Menus().AddItem(Menus().Checked(menu), Menus().Checked(item), beforeIndex);
}

AVMenuItem AVMenuItemNew_Impl(const char* title, const char* name, AVMenu submenu, ASBool,
                              char, AVFlagBits16, AVIcon, ASExtension owner) {
  if (title == nullptr) throw HostError(kHostErrBadParameter, "null menu item title");
  HostMenu* sub = submenu != nullptr ? Menus().Checked(submenu) : nullptr;
  HostMenuItem* item = Menus().NewItem(title, name != nullptr ? name : "", sub);
  item->owner = owner;
  return reinterpret_cast<AVMenuItem>(item);
}

void AVMenuItemSetExecuteProc_Impl(AVMenuItem item, AVExecuteProc proc, void* data) {
  HostMenuItem* target = Menus().Checked(item);
  target->execute = proc;
  target->executeData = data;
}

void AVMenuItemSetComputeEnabledProc_Impl(AVMenuItem item, AVComputeEnabledProc proc,
                                          void* data) {
  HostMenuItem* target = Menus().Checked(item);
  target->computeEnabled = proc;
  target->computeEnabledData = data;
}

AVToolButton AVToolBarGetButtonByName_Impl(AVToolBar toolBar, ASAtom name) {
  CheckToolbar(toolBar);
  return reinterpret_cast<AVToolButton>(Toolbar().FindPlaced(name));
}

void AVToolBarAddButton_Impl(AVToolBar toolBar, AVToolButton button, ASBool before,
                             AVToolButton otherButton) {
  CheckToolbar(toolBar);
  HostToolButton* other = otherButton != nullptr ? Toolbar().Checked(otherButton) : nullptr;
  Toolbar().AddButton(Toolbar().Checked(button), before != 0, other);
}

AVToolButton AVToolButtonNew_Impl(ASAtom name, AVIcon icon, ASBool longOnly, ASBool isSeparator) {
  return reinterpret_cast<AVToolButton>(
      Toolbar().NewButton(name, static_cast<HBITMAP>(icon), longOnly != 0, isSeparator != 0));
}

void AVToolButtonSetExecuteProc_Impl(AVToolButton button, AVExecuteProc proc, void* data) {
  HostToolButton* target = Toolbar().Checked(button);
  target->execute = proc;
  target->executeData = data;
}

void AVToolButtonSetComputeEnabledProc_Impl(AVToolButton button, AVComputeEnabledProc proc,
                                            void* data) {
  HostToolButton* target = Toolbar().Checked(button);
  target->computeEnabled = proc;
  target->computeEnabledData = data;
}

void AVToolButtonSetHelpText_Impl(AVToolButton button, const char* text) {
  Toolbar().Checked(button)->helpText = text != nullptr ? text : "";
}

}  // namespace viewer::ops
