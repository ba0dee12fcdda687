// Telling the system's dialogs apart: message boxes, the common file dialogs, the
// colour dialog; and the buttons in them.
#pragma once

#include "script/win32.h"

#include <string>

namespace viewer::script {

// A message box: a dialog whose children are its message text (id 0xFFFF), an icon
// and push buttons only.
bool IsMessageBox(HWND window);
std::string MessageBoxText(HWND box, int timeoutMs);

// The common open or save dialog: it has a file name box and an OK button.
bool IsFileDialog(HWND window);
HWND FileNameBox(HWND dialog);

// The system's folder chooser: a dialog with a tree of folders and an OK button, and
// no file name box.
bool IsFolderDialog(HWND window);
HWND FolderTree(HWND dialog);

// The colour dialog: it has the red, green and blue edit boxes.
bool IsColourDialog(HWND window);
HWND ColourEdit(HWND dialog, int channel);   // 0 red, 1 green, 2 blue

// The button whose label matches (mnemonics and case aside), or null. The labels of
// all buttons, for messages, when wanted.
HWND FindButtonByLabel(HWND dialog, const std::string& label, int timeoutMs,
                       std::string* allLabels = nullptr);

}  // namespace viewer::script
