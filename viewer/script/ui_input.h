// Real input, as a user gives it: the window in the foreground, the cursor moved,
// buttons and keys pressed through SendInput.
#pragma once

#include "script/win32.h"

#include "script/driver_context.h"

namespace viewer::script {

// Makes the top-level window the foreground window; false if it did not become so.
bool BringToForeground(HWND root, int timeoutMs);

// Presses and releases the left button at a screen point. Two clicks at one place in
// a row are spaced beyond the double-click time, so that they stay two clicks. With
// `leaveTo`, the window system's own pointer is left there while the events carry
// the point: the pointer as a window reads it back is then elsewhere.
void SendMouseClick(POINT screenPoint, const POINT* leaveTo = nullptr);

// Presses and releases a key; the foreground window's focused control gets it.
void SendKey(WORD virtualKey);

// Lets the thread that owns the window take its pending messages: answers once that
// thread next looks at its queue (a handler that opens a modal dialog does so too).
// The message goes to the main window when it belongs to that thread, since the
// window itself may be closing.
void SyncWithThread(const DriverContext& context, HWND window);

// Posts a message as a menu or control would, waits until the window's thread has
// taken it off its queue, then syncs with that thread (see SyncWithThread).
void PostAndSync(const DriverContext& context, HWND window, UINT message, WPARAM wParam,
                 LPARAM lParam);

// Sees, through a hook on the thread that owns a window, which window each button
// release and key release reaches when that thread takes it off its queue.
class InputWatch {
 public:
  // With `slowTakingMs`, the thread stays that long in the hook at each button release,
  // as a busy thread would take it late.
  explicit InputWatch(HWND window, DWORD slowTakingMs = 0);
  ~InputWatch();
  InputWatch(const InputWatch&) = delete;
  InputWatch& operator=(const InputWatch&) = delete;

  // False when the hooks could not be set: delivery then cannot be seen.
  bool watching() const { return mouseHook_ != nullptr; }

  // Waits for the next left-button release; answers the window it went to, or null.
  HWND WaitButtonRelease(int timeoutMs) const;
  // Waits for the release of a key; false if none arrived in time.
  bool WaitKeyRelease(int timeoutMs) const;

 private:
  HHOOK mouseHook_ = nullptr;
  HHOOK keyboardHook_ = nullptr;
  long buttonReleasesBefore_ = 0;
  long keyReleasesBefore_ = 0;
};

}  // namespace viewer::script
