// Base of every dialog class: one object per dialog resource, run modally by an
// own message loop so that a dialog can look at each message before the system's
// dialog handling does (PreTranslateMessage).
#pragma once

#include <windows.h>

#include "message_map.h"

class CDialog {
 public:
  explicit CDialog(UINT templateId) : templateId_(templateId) {}
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Shows the dialog over the host's main window, which is disabled meanwhile,
  // and returns the result given to EndDialog (-1 if it could not be created).
  INT_PTR DoModal();
  // Ends the modal loop once the current message has been handled.
  void EndDialog(INT_PTR result);

  HWND GetSafeHwnd() const { return hwnd_; }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(hwnd_, id); }

 protected:
  // WM_INITDIALOG; true lets the system give the focus to the first control.
  virtual BOOL OnInitDialog() { return TRUE; }
  // IDOK (Enter without a default button) and IDCANCEL (Escape, close box).
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // Sees every message the modal loop takes off the queue; true consumes it.
  virtual BOOL PreTranslateMessage(MSG* message);
  // The class's message map; DECLARE_MESSAGE_MAP overrides it.
  virtual bool DispatchMapped(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR ReturnHandled(UINT message, LRESULT result);
  void RunModalLoop();

  UINT templateId_;
  HWND hwnd_ = nullptr;
  bool endRequested_ = false;
  INT_PTR result_ = -1;
};
