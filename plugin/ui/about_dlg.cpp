#include "about_dlg.h"

#include <shellapi.h>

#include "resource.h"

namespace {
constexpr const char* kWebSite = "https://www.tessaly.example/";
}

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT) {}

BEGIN_MESSAGE_MAP(CAboutDlg)
  ON_COMMAND(IDC_CLOSE, OnClose)
  ON_COMMAND(IDC_VIEW_WEBSITE, OnViewWebSite)
END_MESSAGE_MAP()

void CAboutDlg::OnClose() { EndDialog(IDOK); }

void CAboutDlg::OnViewWebSite() {
  ShellExecuteA(GetSafeHwnd(), "open", kWebSite, nullptr, nullptr, SW_SHOWNORMAL);
}
