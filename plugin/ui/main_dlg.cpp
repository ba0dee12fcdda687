#include "main_dlg.h"

#include "resource.h"

CMainDlg::CMainDlg() : CDialog(IDD_MAIN) {}

BEGIN_MESSAGE_MAP(CMainDlg)
  ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
  ON_COMMAND(IDC_CLOSE, OnClose)
END_MESSAGE_MAP()

void CMainDlg::OnClose() { EndDialog(IDOK); }

// The dialog has no icon of its own to drag when minimised.
bool CMainDlg::OnQueryDragIcon(WPARAM, LPARAM, LRESULT* result) {
  *result = 0;
  return true;
}
