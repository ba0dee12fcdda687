// The host's message boxes, with the viewer's caption.
#pragma once

#include <string>

namespace viewer {

// Caption of every alert the host shows.
extern const char kHostCaption[];

enum class AlertIcon { None, Stop, Caution, Note, Question };

// A modal message box with one "OK" button, owned by the active window.
void ShowHostAlert(AlertIcon icon, const std::string& message);

// A modal message box with up to three buttons; answers 1, 2 or 3 for the button
// chosen. The buttons are the system's (OK; Yes/No; Yes/No/Cancel), in that order.
int ShowHostAlertWithButtons(AlertIcon icon, const std::string& message, int buttonCount);

}  // namespace viewer
