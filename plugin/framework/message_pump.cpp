#include "message_pump.h"

#include "stopwatch.h"

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
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
