// A tooltip control for a dialog's controls. The tooltip learns where the mouse is
// only from the messages the dialog relays to it (RelayEvent), so the dialog relays
// every message it pre-translates.
#pragma once

#include <windows.h>

class CToolTipCtrl {
 public:
  CToolTipCtrl() = default;
  CToolTipCtrl(const CToolTipCtrl&) = delete;
  CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

  // Creates the tooltip window, owned by `owner` (and destroyed with it).
  bool Create(HWND owner);
  // Forgets the window once its owner has been destroyed.
  void Detach() { window_ = nullptr; }
  HWND GetSafeHwnd() const { return window_; }

  // Shows `text` while the mouse rests on `control`.
  void AddTool(HWND control, const char* text);
  void SetMaxTipWidth(int width);
  void SetAutoPopDelay(int milliseconds);
  void Activate(bool active);
  void RelayEvent(MSG* message);

 private:
  HWND owner_ = nullptr;
  HWND window_ = nullptr;
};
