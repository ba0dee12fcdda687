#include "printing_dlg.h"

#include "framework/message_pump.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CPrintingDlg)
  ON_COMMAND(IDC_STOP, OnStop)
END_MESSAGE_MAP()

CPrintingDlg::CPrintingDlg(HWND parent) : CDialog(IDD_PRINTING) { Create(parent); }

CPrintingDlg::~CPrintingDlg() { DestroyWindow(); }

BOOL CPrintingDlg::OnInitDialog() {
  stopped = false;
  return CDialog::OnInitDialog();
}

void CPrintingDlg::DoDataExchange(CDataExchange& dx) {
  ExchangeText(dx, IDC_PRINTING_STATUS, statusText);
}

void CPrintingDlg::ShowStatus(const std::string& text) {
  statusText = text;
  UpdateData(false);
  PumpMessages();
}

void CPrintingDlg::OnStop() {
  stopped = true;
  EndDialog(1);
}
