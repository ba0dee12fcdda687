#include "dialog.h"

#include <commctrl.h>

#include "application.h"

namespace {

// The templates use common controls (tree view, tooltips); their window classes
// must be registered in this process before the first dialog is created.
void RegisterCommonControls() {
  static bool registered = false;
  if (registered) return;
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  registered = InitCommonControlsEx(&controls) != FALSE;
}

}  // namespace

CDialog* CDialog::firstModeless_ = nullptr;
CDialog* CDialog::innermostModal_ = nullptr;

INT_PTR CDialog::DoModal(HWND owner) {
  if (hwnd_) return -1;  // already running
  RegisterCommonControls();
  CApplication* app = CApplication::Current();
  HINSTANCE module = app ? app->Module() : GetModuleHandleA(nullptr);
  if (!owner) owner = app ? app->DialogOwner() : GetActiveWindow();

  modeless_ = false;
  endRequested_ = false;
  result_ = -1;
  HWND dialog = CreateDialogParamA(module, MAKEINTRESOURCEA(templateId_), owner, &DialogProc,
                                   reinterpret_cast<LPARAM>(this));
  if (!dialog) return -1;

  // EnableWindow answers whether the window was disabled already.
  const bool ownerWasEnabled = owner && !EnableWindow(owner, FALSE);
  if (!endRequested_ && !IsWindowVisible(dialog)) ShowWindow(dialog, SW_SHOWNORMAL);
  outerModal_ = innermostModal_;
  innermostModal_ = this;
  RunModalLoop();
  innermostModal_ = outerModal_;
  outerModal_ = nullptr;

  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (owner && GetActiveWindow() == dialog) SetActiveWindow(owner);
  if (IsWindow(dialog)) ::DestroyWindow(dialog);
  hwnd_ = nullptr;
  return result_;
}

void CDialog::EndDialog(INT_PTR result) {
  result_ = result;
  endRequested_ = true;
  if (modeless_) DestroyWindow();
}

bool CDialog::Create(HWND owner) {
  if (hwnd_) return false;  // already open
  RegisterCommonControls();
  CApplication* app = CApplication::Current();
  HINSTANCE module = app ? app->Module() : GetModuleHandleA(nullptr);
  if (!owner) owner = app ? app->DialogOwner() : GetActiveWindow();
  modeless_ = true;
  endRequested_ = false;
  result_ = -1;
  HWND dialog = CreateDialogParamA(module, MAKEINTRESOURCEA(templateId_), owner, &DialogProc,
                                   reinterpret_cast<LPARAM>(this));
  if (!dialog) {
    modeless_ = false;
    return false;
  }
  nextModeless_ = firstModeless_;
  firstModeless_ = this;
  if (!IsWindowVisible(dialog)) ShowWindow(dialog, SW_SHOW);
  return true;
}

void CDialog::ForgetModeless() {
  for (CDialog** link = &firstModeless_; *link; link = &(*link)->nextModeless_) {
    if (*link == this) {
      *link = nextModeless_;
      break;
    }
  }
  nextModeless_ = nullptr;
}

bool CDialog::RouteDialogMessage(MSG* message) {
  if (RouteToModeless(message)) return true;
  return innermostModal_ && innermostModal_->hwnd_ &&
         (innermostModal_->PreTranslateMessage(message) ||
          IsDialogMessageA(innermostModal_->hwnd_, message));
}

bool CDialog::RouteToModeless(MSG* message) {
  for (CDialog* dialog = firstModeless_; dialog; dialog = dialog->nextModeless_) {
    HWND window = dialog->hwnd_;
    if (!window || (message->hwnd != window && !IsChild(window, message->hwnd))) continue;
    return dialog->PreTranslateMessage(message) || IsDialogMessageA(window, message);
  }
  return false;
}

void CDialog::DestroyWindow() {
  if (hwnd_ && IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
}

bool CDialog::UpdateData(bool saveAndValidate) {
  if (!hwnd_) return false;
  CDataExchange exchange(hwnd_, saveAndValidate);
  DoDataExchange(exchange);
  return !exchange.Failed();
}

BOOL CDialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(true)) return;
  EndDialog(IDOK);
}

void CDialog::RunModalLoop() {
  MSG message;
  bool idleSaid = false;
  while (!endRequested_ && hwnd_) {
    // As a system dialog box does, the loop tells the owner once when it comes to wait
    // for input: a host does its idle work then.
    if (!idleSaid && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      idleSaid = true;
      if (HWND owner = GetWindow(hwnd_, GW_OWNER)) {
        SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(hwnd_));
      }
      continue;  // the owner's handler may have ended the dialog
    }
    idleSaid = false;
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // WM_QUIT belongs to the host's own loop: leave it there.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (RouteDialogMessage(&message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

BOOL CDialog::PreTranslateMessage(MSG*) { return FALSE; }

bool CDialog::DispatchMapped(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* dialog = nullptr;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->hwnd_ = window;
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
  } else {
    dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
  }
  if (!dialog) return FALSE;  // messages before WM_INITDIALOG
  const INT_PTR answer = dialog->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, DWLP_USER, 0);
    dialog->hwnd_ = nullptr;
    if (dialog->modeless_) dialog->ForgetModeless();
    dialog->modeless_ = false;
    dialog->OnWindowDestroyed();
  }
  return answer;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // A handler may destroy the window (a modeless dialog ending): keep its handle.
  HWND window = hwnd_;
  LRESULT result = 0;
  if (message == WM_COMMAND && RefusesCommands()) return TRUE;
  if (DispatchMapped(message, wParam, lParam, &result))
    return ReturnHandled(window, message, result);
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND:
      if (!IsCommandMessage(wParam, lParam)) break;
      if (LOWORD(wParam) == IDOK) {
        OnOK();
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        OnCancel();
        return TRUE;
      }
      break;
  }
  return FALSE;
}

// A dialog procedure answers most messages through DWLP_MSGRESULT; these few
// it answers directly.
INT_PTR CDialog::ReturnHandled(HWND window, UINT message, LRESULT result) {
  switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
      return result;
  }
  if (IsWindow(window)) SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
  return TRUE;
}
