// Objects that live as long as the plug-in module is loaded.
#pragma once

#include "plugin_app.h"
#include "ui/main_dlg.h"

extern CPlugInApp theApp;
// The one main dialog; it keeps its model and settings between openings.
extern CMainDlg theMainDlg;
