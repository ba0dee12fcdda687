#include "app/host_toolbar.h"

#include <commctrl.h>

#include <algorithm>

#include "core/exception_frames.h"
#include "core/host_error.h"

namespace viewer {

bool HostToolButton::IsEnabled() const {
  if (separator) return false;
  if (computeEnabled == nullptr) return true;
  core::ExceptionFrameBarrier barrier("enable procedure");
  return computeEnabled(computeEnabledData) != 0;
}

HWND HostToolbar::Create(HWND parent) {
  hwnd_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                          WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP,
                          0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(kImageSize, kImageSize));
  return hwnd_;
}

int HostToolbar::Height() const {
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  return rect.bottom - rect.top;
}

HostToolButton* HostToolbar::NewButton(ASAtom name, HBITMAP icon, bool longOnly,
                                       bool separator) {
  auto button = std::make_unique<HostToolButton>();
  button->name = name;
  button->longOnly = longOnly;
  button->separator = separator;
  button->commandId = kFirstCommandId + static_cast<UINT>(buttons_.size());
  if (icon != nullptr && !separator) {
    button->image = static_cast<HBITMAP>(
        CopyImage(icon, IMAGE_BITMAP, kImageSize, kImageSize, LR_CREATEDIBSECTION));
  }
  buttons_.push_back(std::move(button));
  return buttons_.back().get();
}

void HostToolbar::AddButton(HostToolButton* button, bool before, HostToolButton* other) {
  order_.erase(std::remove(order_.begin(), order_.end(), button), order_.end());
  auto position = order_.end();
  if (other != nullptr && other != button) {
    auto found = std::find(order_.begin(), order_.end(), other);
    if (found != order_.end()) position = before ? found : found + 1;
  }
  order_.insert(position, button);
  button->placed = true;
  if (button->image != nullptr && button->imageIndex < 0) {
    TBADDBITMAP bitmap{nullptr, reinterpret_cast<UINT_PTR>(button->image)};
    button->imageIndex =
        static_cast<int>(SendMessageA(hwnd_, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&bitmap)));
  }
  Rebuild();
}

void HostToolbar::Rebuild() {
  while (SendMessageA(hwnd_, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageA(hwnd_, TB_DELETEBUTTON, 0, 0);
  std::vector<TBBUTTON> buttons;
  for (const HostToolButton* b : order_) {
    TBBUTTON tb{};
    tb.iBitmap = b->separator ? 6 : (b->imageIndex >= 0 ? b->imageIndex : I_IMAGENONE);
    tb.idCommand = static_cast<int>(b->commandId);
    tb.fsState = b->separator ? 0 : TBSTATE_ENABLED;
    tb.fsStyle = b->separator ? BTNS_SEP : BTNS_BUTTON;
    buttons.push_back(tb);
  }
  SendMessageA(hwnd_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
  UpdateEnabled();
}

HostToolButton* HostToolbar::FindPlaced(ASAtom name) const {
  for (HostToolButton* button : order_) {
    if (button->name == name) return button;
  }
  return nullptr;
}

HostToolButton* HostToolbar::Checked(AVToolButton handle) const {
  auto* button = reinterpret_cast<HostToolButton*>(handle);
  for (const auto& known : buttons_) {
    if (known.get() == button) return button;
  }
  throw core::HostError(kHostErrBadParameter, "unknown toolbar button");
}

HostToolButton* HostToolbar::OfCommand(UINT id) const {
  if (id < kFirstCommandId || id >= kFirstCommandId + buttons_.size()) return nullptr;
  return buttons_[id - kFirstCommandId].get();
}

void HostToolbar::UpdateEnabled() const {
  for (const HostToolButton* button : order_) {
    if (button->separator) continue;
    SendMessageA(hwnd_, TB_ENABLEBUTTON, button->commandId, MAKELONG(button->IsEnabled(), 0));
  }
}

bool HostToolbar::Execute(UINT id) const {
  const HostToolButton* button = OfCommand(id);
  if (button == nullptr || !button->placed || button->execute == nullptr || !button->IsEnabled()) {
    return false;
  }
  core::ExceptionFrameBarrier barrier("execute procedure");
  button->execute(button->executeData);
  return true;
}

HostToolbar& Toolbar() {
  static HostToolbar toolbar;
  return toolbar;
}

}  // namespace viewer
