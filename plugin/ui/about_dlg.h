// The About box: name, version, picture and a link to the web site.
#pragma once

#include "framework/dialog.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();

 private:
  void OnClose();
  void OnViewWebSite();

  DECLARE_MESSAGE_MAP(CAboutDlg, CDialog)
};
