#include "app/host_menus.h"

#include <algorithm>

#include "app/main_frame.h"
#include "core/exception_frames.h"
#include "core/host_error.h"

namespace viewer {
namespace {

std::string WithoutMnemonics(std::string_view text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&') continue;
    plain += text[i];
  }
  return plain;
}

}  // namespace

bool HostMenuItem::IsEnabled() const {
  if (computeEnabled == nullptr) return true;
  core::ExceptionFrameBarrier barrier("enable procedure");
  return computeEnabled(computeEnabledData) != 0;
}

HMENU HostMenus::CreateMenuBar() {
  bar_ = CreateMenu();
  return bar_;
}

HostMenu* HostMenus::NewMenu(const std::string& name, const std::string& title) {
  auto menu = std::make_unique<HostMenu>();
  menu->name = name;
  menu->title = title;
  menu->handle = CreatePopupMenu();
  menus_.push_back(std::move(menu));
  return menus_.back().get();
}

HostMenuItem* HostMenus::NewItem(const std::string& title, const std::string& name,
                                 HostMenu* submenu) {
  if (nextCommandId_ > kLastCommandId) throw core::HostError(kHostErrGeneral, "too many menu items");
  auto item = std::make_unique<HostMenuItem>();
  item->title = title;
  item->name = name;
  item->submenu = submenu;
  item->commandId = nextCommandId_++;
  items_.push_back(std::move(item));
  return items_.back().get();
}

void HostMenus::AppendToMenuBar(HostMenu* menu) {
  topLevel_.push_back(menu);
  AppendMenuA(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu->handle),
              menu->title.c_str());
  if (MainFrameWindow() != nullptr) DrawMenuBar(MainFrameWindow());
}

void HostMenus::AddItem(HostMenu* menu, HostMenuItem* item, int beforeIndex) {
  if (item->parent != nullptr) {
    auto& siblings = item->parent->items;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), item), siblings.end());
    Refresh(item->parent);
  }
  const int count = static_cast<int>(menu->items.size());
  const int position = beforeIndex < 0 || beforeIndex > count ? count : beforeIndex;
  menu->items.insert(menu->items.begin() + position, item);
  item->parent = menu;
  Refresh(menu);
}

// Rebuilds the Win32 popup from the model, so positions always agree with it.
void HostMenus::Refresh(HostMenu* menu) {
  while (GetMenuItemCount(menu->handle) > 0) RemoveMenu(menu->handle, 0, MF_BYPOSITION);
  for (HostMenuItem* item : menu->items) {
    if (item->title == "-") {
      AppendMenuA(menu->handle, MF_SEPARATOR, 0, nullptr);
    } else if (item->submenu != nullptr) {
      AppendMenuA(menu->handle, MF_POPUP | MF_STRING,
                  reinterpret_cast<UINT_PTR>(item->submenu->handle), item->title.c_str());
    } else {
      AppendMenuA(menu->handle, MF_STRING, item->commandId, item->title.c_str());
    }
  }
}

HostMenu* HostMenus::FindMenu(std::string_view text) const {
  for (const auto& menu : menus_) {
    if (menu->name == text || WithoutMnemonics(menu->title) == WithoutMnemonics(text)) {
      return menu.get();
    }
  }
  return nullptr;
}

HostMenu* HostMenus::Checked(AVMenu handle) const {
  auto* menu = reinterpret_cast<HostMenu*>(handle);
  for (const auto& known : menus_) {
    if (known.get() == menu) return menu;
  }
  throw core::HostError(kHostErrBadParameter, "unknown menu");
}

HostMenuItem* HostMenus::Checked(AVMenuItem handle) const {
  auto* item = reinterpret_cast<HostMenuItem*>(handle);
  for (const auto& known : items_) {
    if (known.get() == item) return item;
  }
  throw core::HostError(kHostErrBadParameter, "unknown menu item");
}

HostMenuItem* HostMenus::ItemOfCommand(UINT id) const {
  if (id < kFirstCommandId || id >= nextCommandId_) return nullptr;
  return items_[id - kFirstCommandId].get();
}

HostMenu* HostMenus::MenuOfHandle(HMENU handle) const {
  for (const auto& menu : menus_) {
    if (menu->handle == handle) return menu.get();
  }
  return nullptr;
}

void HostMenus::UpdateEnabled(HMENU popup) const {
  const HostMenu* menu = MenuOfHandle(popup);
  if (menu == nullptr) return;
  for (const HostMenuItem* item : menu->items) {
    if (item->title == "-" || item->submenu != nullptr) continue;
    EnableMenuItem(popup, item->commandId,
                   MF_BYCOMMAND | (item->IsEnabled() ? MF_ENABLED : MF_GRAYED));
  }
}

bool HostMenus::Execute(UINT id) const {
  const HostMenuItem* item = ItemOfCommand(id);
  if (item == nullptr || item->execute == nullptr || !item->IsEnabled()) return false;
  core::ExceptionFrameBarrier barrier("execute procedure");
  item->execute(item->executeData);
  return true;
}

HostMenus& Menus() {
  static HostMenus menus;
  return menus;
}

}  // namespace viewer
