#include "tooltip.h"

#include <commctrl.h>

#include "application.h"

bool CToolTipCtrl::Create(HWND owner) {
  owner_ = owner;
  CApplication* app = CApplication::Current();
  window_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                            nullptr, app ? app->Module() : GetModuleHandleA(nullptr), nullptr);
  return window_ != nullptr;
}

void CToolTipCtrl::AddTool(HWND control, const char* text) {
  if (!window_ || !control) return;
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text);
  SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CToolTipCtrl::SetMaxTipWidth(int width) {
  if (window_) SendMessageA(window_, TTM_SETMAXTIPWIDTH, 0, width);
}

void CToolTipCtrl::SetAutoPopDelay(int milliseconds) {
  if (window_) SendMessageA(window_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(milliseconds, 0));
}

void CToolTipCtrl::Activate(bool active) {
  if (window_) SendMessageA(window_, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void CToolTipCtrl::RelayEvent(MSG* message) {
  if (window_) SendMessageA(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message));
}
