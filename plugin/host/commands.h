// What the plug-in's menu items and toolbar button do.
#pragma once

#include "host_types.h"

// "&Tessaly" and the toolbar button: the main dialog, modally.
void HOSTCALL OpenMainDialog(void* clientData);
// "About Tessaly...": the About box, modally.
void HOSTCALL OpenAboutBox(void* clientData);
// Enables "&Tessaly" and the button: there is a document to work on.
ASBool HOSTCALL IsDocumentActive(void* clientData);
