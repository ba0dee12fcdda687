// "HTML Help": the help file in the installation folder, opened by the shell.
#include <windows.h>
#include <shellapi.h>

#include "install_folder.h"
#include "main_dlg.h"

void CMainDlg::OnHelp() {
  const InstallFolder install = LocateInstallFolder();
  if (install.HasNoValue()) {
    MessageBoxA(GetSafeHwnd(),
                "Can't find Tessaly.chm,\nplease look in install dir and run from there.",
                kInstallKeyMissingCaption, MB_OK);
    return;
  }
  ShellExecuteA(GetSafeHwnd(), "open", install.FileNamed("Tessaly.chm").c_str(), nullptr,
                nullptr, SW_SHOWNORMAL);
}
