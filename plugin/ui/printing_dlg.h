// "Printing...": the small progress window shown while the host prints, with the range
// being printed and a Stop button that ends the job after it. One window serves all the
// ranges of a job: creating a window for each would cost a range more than its printing.
#pragma once

#include <string>

#include "framework/dialog.h"
#include "framework/message_pump.h"

class CPrintingDlg : public CDialog {
 public:
  // Creates the window, owned by `parent`, and shows it.
  explicit CPrintingDlg(HWND parent);
  // Closes the window.
  ~CPrintingDlg() override;

  // Shows `text` in the status box and lets the windows repaint: at once in a window
  // just opened, afterwards when the pump's period has passed (a job of many short
  // ranges would otherwise spend more on repainting than on printing). A window the
  // user has closed, without "&Stop", opens again for the next step.
  void ShowStatus(const std::string& text);

  std::string statusText;
  // Set by "&Stop"; read after the host's print call has returned.
  bool stopped = false;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;

 private:
  void OnStop();

  HWND parent_;
  CPeriodicPump pump_{false};
  bool drawn_ = false;  // pumped since the window opened

  DECLARE_MESSAGE_MAP(CPrintingDlg, CDialog)
};
