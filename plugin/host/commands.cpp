#include "commands.h"

#include "guarded_calls.h"
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

// In an error frame as every host call: a host that raises here has no document to
// offer, and the command is off.
ASBool HOSTCALL IsDocumentActive(void*) { return ActiveDocument() != nullptr; }
