#include "plugin_objects.h"

// Constructed in this order when the module is loaded, destroyed when it is unloaded.
CPlugInApp theApp;
CMainDlg theMainDlg;
