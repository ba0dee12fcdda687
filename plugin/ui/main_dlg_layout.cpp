// The main dialog's layout on every size message.
#include "main_dlg.h"
#include "main_layout.h"
#include "resource.h"

bool CMainDlg::OnSize(WPARAM, LPARAM, LRESULT*) {
  HWND dialog = GetSafeHwnd();
  if (!Tree()) return false;
  RECT outer{};
  GetWindowRect(dialog, &outer);
  for (const ControlPlacement& place :
       MainDialogLayout(outer.right - outer.left, outer.bottom - outer.top)) {
    if (HWND control = GetDlgItem(place.id))
      MoveWindow(control, place.x, place.y, place.width, place.height, TRUE);
  }
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  return false;
}
