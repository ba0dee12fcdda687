// Data exchange between a dialog's controls and the values bound to them: one call per
// control in the dialog's DoDataExchange, run in one direction by UpdateData.
//
//   void CFooDlg::DoDataExchange(CDataExchange& dx) {
//     ExchangeCheck(dx, IDC_SOME_BOX, someFlag);
//     ExchangeInt(dx, IDC_SOME_EDIT, someNumber);
//   }
//
// Reading an integer that the edit does not hold prompts "Please enter an integer.",
// gives the focus back to that edit and fails the exchange: the calls after it do
// nothing, and UpdateData answers false.
#pragma once

#include <windows.h>

#include <string>

class CDataExchange {
 public:
  CDataExchange(HWND dialog, bool saveAndValidate)
      : dialog_(dialog), saveAndValidate_(saveAndValidate) {}

  // True: controls to values; false: values to controls.
  bool SaveAndValidate() const { return saveAndValidate_; }
  bool Failed() const { return failed_; }

  // The control with that id, or null when the exchange has failed or it is missing.
  HWND Control(int id) const;

  // Shows `prompt`, gives the focus back to `control` (selecting an edit's text) and
  // fails the exchange.
  void Fail(HWND control, const char* prompt);

 private:
  HWND dialog_;
  bool saveAndValidate_;
  bool failed_ = false;
};

// Check box <-> 0 (unticked) or 1 (ticked).
void ExchangeCheck(CDataExchange& dx, int id, int& value);
// Edit <-> integer, written in decimal; text that is no integer fails the exchange.
void ExchangeInt(CDataExchange& dx, int id, int& value);
// Edit or static <-> its text.
void ExchangeText(CDataExchange& dx, int id, std::string& value);
// Combo box <-> the text of its edit part. Writing selects the item that is the value
// (case aside), or, when none is, puts the value into the edit part as it stands.
void ExchangeComboText(CDataExchange& dx, int id, std::string& value);
