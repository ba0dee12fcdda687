#include "app/alerts.h"

#include <windows.h>

#include "app/main_frame.h"

namespace viewer {

const char kHostCaption[] = "PDF Viewer";

namespace {

UINT IconStyle(AlertIcon icon) {
  switch (icon) {
    case AlertIcon::Stop: return MB_ICONERROR;
    case AlertIcon::Caution: return MB_ICONWARNING;
    case AlertIcon::Note: return MB_ICONINFORMATION;
    case AlertIcon::Question: return MB_ICONQUESTION;
    case AlertIcon::None: break;
  }
  return 0;
}

// The plug-in's modal dialog when one is open, so the box stays in front of it.
HWND AlertOwner() {
  HWND active = GetActiveWindow();
  return active != nullptr ? active : MainFrameWindow();
}

}  // namespace

void ShowHostAlert(AlertIcon icon, const std::string& message) {
  MessageBoxA(AlertOwner(), message.c_str(), kHostCaption, MB_OK | IconStyle(icon));
}

int ShowHostAlertWithButtons(AlertIcon icon, const std::string& message, int buttonCount) {
  const UINT buttons = buttonCount >= 3 ? MB_YESNOCANCEL : buttonCount == 2 ? MB_YESNO : MB_OK;
  const int answer = MessageBoxA(AlertOwner(), message.c_str(), kHostCaption,
                                 buttons | IconStyle(icon));
  switch (answer) {
    case IDNO: return 2;
    case IDCANCEL: return 3;
    default: return 1;
  }
}

}  // namespace viewer
