#include "message_pump.h"

#include "dialog.h"
#include "stopwatch.h"

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    // Escape, Enter and Tab mean to the open dialog what they mean in its own loop.
    if (CDialog::RouteDialogMessage(&message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

CPeriodicPump::CPeriodicPump(bool timed) : schedule_(GetTickCount()), timed_(timed) {}

void CPeriodicPump::Drain() {
  ++pumps_;
  if (!timed_) {
    PumpMessages();
    return;
  }
  const CStopwatch watch;
  PumpMessages();
  pumpedMs_ += watch.ElapsedMs();
}
