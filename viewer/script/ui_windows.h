// Finding and reading the windows of this process from the driver thread. Reads go
// through bounded sends so that a busy user-interface thread cannot hang the driver.
#pragma once

#include "script/win32.h"

#include <string>
#include <vector>

namespace viewer::script {

// Visible top-level windows of this process (hidden ones too when asked), topmost first.
std::vector<HWND> ProcessTopWindows(bool hiddenToo = false);
// The first of them with exactly this caption, or null.
HWND FindTopWindowByCaption(const std::string& caption);

// The caption as the window manager keeps it (no message is sent).
std::string CaptionOf(HWND window);
std::string ClassOf(HWND window);
bool IsDialogClass(HWND window);

// Sends a message, giving up after timeoutMs; *answered tells whether it was handled.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int timeoutMs,
                    bool* answered);
// Sends a read-only message; fails the step if the window does not answer in time.
LRESULT SendForAnswer(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                      int timeoutMs);

// The window text of a control (WM_GETTEXT).
std::string TextOf(HWND window, int timeoutMs);

// Direct children in z-order, and the first descendant with this id (direct
// children first).
std::vector<HWND> ChildrenOf(HWND parent);
HWND FindControl(HWND parent, int id);

// The window that has the keyboard focus on the thread that owns this window (each
// thread keeps its own), or null.
HWND FocusOnThreadOf(HWND window);

bool IsShown(HWND window);
// The top-level window and all its ancestors up to it are enabled and shown.
bool CanTakeInput(HWND window);

}  // namespace viewer::script
