// The main dialog: the bookmark tree of the active document and every command.
#pragma once

#include "framework/dialog.h"

class CMainDlg : public CDialog {
 public:
  CMainDlg();

  // Set before every opening: the default settings are found and loaded afresh.
  int reloadDefaults = 0;

 private:
  void OnClose();
  bool OnQueryDragIcon(WPARAM, LPARAM, LRESULT* result);

  DECLARE_MESSAGE_MAP(CMainDlg, CDialog)
};
