// Base of every dialog class: one object per dialog resource, run modally by an
// own message loop so that a dialog can look at each message before the system's
// dialog handling does (PreTranslateMessage), or modelessly beside other windows.
#pragma once

#include <windows.h>

#include "data_exchange.h"
#include "message_map.h"

class CDialog {
 public:
  explicit CDialog(UINT templateId) : templateId_(templateId) {}
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Shows the dialog over `owner` (the host's main window when null), which is
  // disabled meanwhile, and returns the result given to EndDialog (-1 if it could not
  // be created).
  INT_PTR DoModal(HWND owner = nullptr);
  // Ends the modal loop once the current message has been handled; a modeless
  // dialog's window is destroyed.
  void EndDialog(INT_PTR result);

  // Creates the dialog modelessly, owned by `owner` (the host's main window when
  // null), and shows it. A modal dialog's loop gives it its keyboard handling;
  // otherwise the caller's own loop or pump serves it.
  bool Create(HWND owner = nullptr);
  // Destroys the modeless dialog's window.
  void DestroyWindow();

  // Runs the dialog's data exchange: controls to bound values when saveAndValidate,
  // else bound values to controls. False when a control held no valid value.
  bool UpdateData(bool saveAndValidate = true);

  HWND GetSafeHwnd() const { return hwnd_; }

  // Gives a message taken off the queue to the dialog handling it would get in the
  // modal loop (an open modeless dialog's, else the innermost modal dialog's: its
  // PreTranslateMessage, Tab, Enter and Escape); true when it was handled there. A pump
  // inside a handler calls it, so that a key pressed meanwhile is not lost.
  static bool RouteDialogMessage(MSG* message);
  HWND GetDlgItem(int id) const { return ::GetDlgItem(hwnd_, id); }

 protected:
  // WM_INITDIALOG: writes the bound values into the controls; true lets the system
  // give the focus to the first control.
  virtual BOOL OnInitDialog();
  // IDOK (Enter without a default button): reads the bound values, ends the dialog.
  virtual void OnOK();
  // IDCANCEL (Escape, close box): ends the dialog.
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // Binds controls to values; see data_exchange.h.
  virtual void DoDataExchange(CDataExchange&) {}
  // Sees every message the modal loop takes off the queue; true consumes it.
  virtual BOOL PreTranslateMessage(MSG* message);
  // While true, commands (menu items, buttons, Enter and Escape) are taken off the
  // queue and dropped, also those posted to the dialog.
  virtual bool RefusesCommands() const { return false; }
  // The window is being destroyed (WM_NCDESTROY), by whatever means.
  virtual void OnWindowDestroyed() {}
  // The class's message map; DECLARE_MESSAGE_MAP overrides it.
  virtual bool DispatchMapped(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR ReturnHandled(HWND window, UINT message, LRESULT result);
  void RunModalLoop();
  // Lets an open modeless dialog that holds the message's window handle it.
  static bool RouteToModeless(MSG* message);
  void ForgetModeless();

  UINT templateId_;
  HWND hwnd_ = nullptr;
  bool modeless_ = false;
  // The open modeless dialogs, most recent first.
  static CDialog* firstModeless_;
  CDialog* nextModeless_ = nullptr;
  // The dialogs in their modal loops, innermost first.
  static CDialog* innermostModal_;
  CDialog* outerModal_ = nullptr;
  bool endRequested_ = false;
  INT_PTR result_ = -1;
};
