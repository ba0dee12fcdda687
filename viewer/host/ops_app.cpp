// AcroView, the application: alerts, the active document, menu bar, toolbar,
// registrations and the cursor.
#include <windows.h>

#include "app/alerts.h"
#include "app/doc_window.h"
#include "app/host_menus.h"
#include "app/host_toolbar.h"
#include "app/registrations.h"
#include "host/host_impl.h"

namespace viewer::ops {

ASInt32 AVAlert_Impl(ASInt32 iconType, const char* message, const char* button1,
                     const char* button2, const char* button3, ASBool beep) {
  // Icon types: 0 none, 1 stop, 2 caution, 3 note, 4 question.
  static constexpr AlertIcon kIcons[] = {AlertIcon::None, AlertIcon::Stop, AlertIcon::Caution,
                                         AlertIcon::Note, AlertIcon::Question};
  const AlertIcon icon = iconType >= 0 && iconType < 5 ? kIcons[iconType] : AlertIcon::None;
  const int buttons = button3 != nullptr ? 3 : button2 != nullptr ? 2 : 1;
  (void)button1;  // the first button is always the system's OK (or Yes)
  if (beep) MessageBeep(MB_OK);
  return ShowHostAlertWithButtons(icon, message != nullptr ? message : "", buttons);
}

void AVAlertNote_Impl(const char* message) {
  ShowHostAlert(AlertIcon::Note, message != nullptr ? message : "");
}

AVDoc AVAppGetActiveDoc_Impl() {
  DocWindow* doc = ActiveDocWindow();
  return doc != nullptr ? HandleOf(doc) : nullptr;
}

AVMenubar AVAppGetMenubar_Impl() { return reinterpret_cast<AVMenubar>(&Menus()); }

AVToolBar AVAppGetToolBar_Impl() { return reinterpret_cast<AVToolBar>(&Toolbar()); }

void AVAppRegisterTool_Impl(AVTool tool) { RegisterTool(tool); }

void AVAppRegisterNotification_Impl(ASInt32 notification, ASExtension owner, void* proc,
                                    void* clientData) {
  RegisterNotification(notification, owner, proc, clientData);
}

void AVAppRegisterForPageViewDrawing_Impl(AVPageViewDrawProc proc, void* data) {
  RegisterPageViewDrawing(proc, data);
}

void AVSysSetCursor_Impl(AVCursor cursor) {
  SetCursor(cursor != nullptr ? static_cast<HCURSOR>(cursor) : LoadCursor(nullptr, IDC_ARROW));
}

}  // namespace viewer::ops
