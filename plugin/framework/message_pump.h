// Draining the thread's message queue from inside long loops, so that the windows
// stay alive and handlers can run (and be re-entered) while a loop works.
#pragma once

#include <windows.h>

#include "pump_schedule.h"

// Takes every pending message off the thread's queue without waiting (any window,
// any message), giving each to the open dialog's handling (as its own loop does) or
// translating and dispatching it; returns when the queue is empty.
void PumpMessages();

// A loop's pump: Step() after each unit of work drains the queue when the schedule's
// period has passed since the last drain, so a loop of many cheap steps pays for a
// drain only every few milliseconds and the window still answers input promptly.
class CPeriodicPump {
 public:
  // `timed`: keep the time spent draining, for the timing log.
  explicit CPeriodicPump(bool timed);

  void Step() {
    if (schedule_.Due(GetTickCount())) Drain();
  }

  double PumpedMs() const { return pumpedMs_; }
  int Pumps() const { return pumps_; }

 private:
  void Drain();

  PumpSchedule schedule_;
  bool timed_;
  double pumpedMs_ = 0;
  int pumps_ = 0;
};
