// The Setup dialog's values: the settings that have no control in the main dialog.
// The main dialog holds one object for its whole life; the settings file reads and
// writes these members directly.
#pragma once

#include "settings/print_settings.h"

class CSetupDlg : public SetupSettings {};
