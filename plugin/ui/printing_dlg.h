// "Printing...": the small progress window each print step shows while the host
// prints, with the range being printed and a Stop button that ends the job after it.
#pragma once

#include <string>

#include "framework/dialog.h"

class CPrintingDlg : public CDialog {
 public:
  // Creates the window, owned by `parent`, and shows it.
  explicit CPrintingDlg(HWND parent);
  // Closes the window.
  ~CPrintingDlg() override;

  // Shows `text` in the status box and lets the windows repaint.
  void ShowStatus(const std::string& text);

  std::string statusText;
  // Set by "&Stop"; read after the host's print call has returned.
  bool stopped = false;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;

 private:
  void OnStop();

  DECLARE_MESSAGE_MAP(CPrintingDlg, CDialog)
};
