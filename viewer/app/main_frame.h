// The viewer's main (MDI frame) window: menu bar, toolbar and the MDI client that
// holds the document windows.
#pragma once

#include <windows.h>

namespace viewer {

// Creates and shows the frame with the host's menus and toolbar.
bool CreateMainFrame(HINSTANCE instance);
HWND MainFrameWindow();
HWND MdiClientWindow();
DWORD UiThreadId();
// The message that runs a function on the UI thread (see RunOnUiThread).
UINT RunOnUiMessage();

// Runs the message loop until QuitApplication; answers its exit code.
int RunMessageLoop();
// Ends the message loop with exitCode. Should a modal loop keep the UI thread from
// ever getting there, the process exits with that code a few seconds later.
void QuitApplication(int exitCode);

}  // namespace viewer
