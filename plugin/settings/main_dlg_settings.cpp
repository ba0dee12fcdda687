// The main dialog's settings file: loading it into the values and controls, saving
// them, and the File menu's settings commands, "Setup" among them.
#include <windows.h>

#include <cstdio>
#include <string>

#include "framework/whole_files.h"
#include "ppf_file_dialogs.h"
#include "settings_file.h"
#include "ui/main_dlg.h"
#include "ui/resource.h"

namespace {

}  // namespace

PrintSettings CMainDlg::GatherSettings() const {
  PrintSettings s;
  s.autoExpandTree = autoExpand;
  s.silentPrint = silentPrint;
  s.printIndex = printIndex;
  s.selectText = selectText;
  s.pageSize = pageSizeName;
  s.selectAll = selectAll;
  static_cast<SetupSettings&>(s) = setup;
  return s;
}

void CMainDlg::TakeSettings(const PrintSettings& s) {
  autoExpand = s.autoExpandTree;
  silentPrint = s.silentPrint;
  printIndex = s.printIndex;
  selectText = s.selectText;
  pageSizeName = s.pageSize;
  selectAll = s.selectAll;
  static_cast<SetupSettings&>(setup) = s;
}

void CMainDlg::LoadSettings(const std::string& path) {
  settingsFilePath = path;
  PrintSettings settings = GatherSettings();
  ClearBeforeLoad(settings);
  TakeSettings(settings);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return;
  ApplySettingsFile(settings, file);
  std::fclose(file);
  TakeSettings(settings);
  UpdateData(false);
  if (autoExpand) OnAutoExpand();
  SelectPageSizeEntry();
}

// The first entry that begins with the page size text, ignoring case, else the first.
// A list without entries keeps the text: selecting the first of none would clear it,
// and the next save would lose the loaded value.
void CMainDlg::SelectPageSizeEntry() {
  HWND list = GetDlgItem(IDC_PAGE_SIZE_LIST);
  if (SendMessageA(list, CB_GETCOUNT, 0, 0) <= 0) return;
  LRESULT index = SendMessageA(list, CB_FINDSTRING, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(pageSizeName.c_str()));
  if (index == CB_ERR) index = 0;
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool CMainDlg::SaveSettings() {
  UpdateData(true);
  UpdateData(false);
  if (!WriteWholeFile(settingsFilePath, SettingsFileText(GatherSettings()))) {
    MessageBoxA(GetSafeHwnd(), ("Can't save to :" + settingsFilePath).c_str(), kMessageCaption,
                MB_OK);
    return false;
  }
  return true;
}

void CMainDlg::OnLoadSettings() {
  UpdateData(true);
  if (const auto path = ChooseSettingsFileToLoad()) LoadSettings(*path);
}

void CMainDlg::OnSaveSettings() { SaveSettings(); }

void CMainDlg::OnSaveSettingsAs() {
  UpdateData(true);
  UpdateData(false);
  const auto path = ChooseSettingsFileToSave();
  if (!path) return;
  settingsFilePath = *path;
  if (SaveSettings())
    MessageBoxA(GetSafeHwnd(), ("Saved to file: " + settingsFilePath).c_str(), kMessageCaption,
                MB_OK);
}

// Whatever the dialog's result, the page-sizes file is read again: its path may have
// changed, or the file itself through "Edit".
void CMainDlg::OnSetup() {
  setup.DoModal(GetSafeHwnd());
  // Refilling the list empties the combo box's edit part: a page size typed there
  // before opening Setup is taken first, so it is chosen again and not lost.
  CDataExchange pageSize(GetSafeHwnd(), true);
  ExchangeComboText(pageSize, IDC_PAGE_SIZE_LIST, pageSizeName);
  ReadPageSizes(setup.pageSizesFile);
}
