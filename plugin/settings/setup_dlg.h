// "Setup": the settings that have no control in the main dialog. The main dialog
// holds one object for its whole life; its members are those settings themselves,
// which the dialog edits in place and the settings file reads and writes.
#pragma once

#include "framework/dialog.h"
#include "print_settings.h"

class CSetupDlg : public CDialog, public SetupSettings {
 public:
  CSetupDlg();

 protected:
  void DoDataExchange(CDataExchange& dx) override;

 private:
  void OnThumbsOne();
  void OnThumbsPrior();
  void OnSaveExit();
  void OnBrowse();
  void OnEdit();
  void OnLayered();
  // Reads every control into the members, then unticks `other` (the exclusive box
  // that was not clicked).
  void UntickOther(int& other, int otherId);

  DECLARE_MESSAGE_MAP(CSetupDlg, CDialog)
};
