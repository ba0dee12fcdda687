// Opening a file as text for the user to edit, whatever its name says it is.
#pragma once

#include <windows.h>

#include <string>

// Starts the system's Notepad on `path`. The file is only ever read as text: a path
// naming a program or a document of another kind is shown, never run or opened by its
// type's handler. False (after telling the user) when Notepad could not be started.
bool OpenInTextEditor(HWND owner, const std::string& path);
