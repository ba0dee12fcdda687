#include "commands.h"

#include "host_calls.h"
#include "plugin_objects.h"
#include "ui/about_dlg.h"

void HOSTCALL OpenMainDialog(void*) {
  theMainDlg.reloadDefaults = 1;
  theMainDlg.DoModal();
}

void HOSTCALL OpenAboutBox(void*) {
  CAboutDlg about;
  about.DoModal();
}

ASBool HOSTCALL IsDocumentActive(void*) { return host::AVAppGetActiveDoc() != nullptr; }
