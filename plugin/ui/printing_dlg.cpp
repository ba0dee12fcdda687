#include "printing_dlg.h"

#include "framework/message_pump.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CPrintingDlg)
  ON_COMMAND(IDC_STOP, OnStop)
END_MESSAGE_MAP()

CPrintingDlg::CPrintingDlg(HWND parent) : CDialog(IDD_PRINTING), parent_(parent) {
  Create(parent);
}

CPrintingDlg::~CPrintingDlg() { DestroyWindow(); }

BOOL CPrintingDlg::OnInitDialog() {
  stopped = false;
  drawn_ = false;
  return CDialog::OnInitDialog();
}

void CPrintingDlg::DoDataExchange(CDataExchange& dx) {
  ExchangeText(dx, IDC_PRINTING_STATUS, statusText);
}

void CPrintingDlg::ShowStatus(const std::string& text) {
  statusText = text;
  if (!GetSafeHwnd() && !stopped) Create(parent_);
  UpdateData(false);
  if (drawn_) {
    pump_.Step();
    return;
  }
  PumpMessages();
  drawn_ = true;
}

void CPrintingDlg::OnStop() {
  stopped = true;
  EndDialog(1);
}
