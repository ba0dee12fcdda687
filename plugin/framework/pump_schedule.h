// When a long loop next drains the message queue: often enough that the window
// answers input promptly, seldom enough that draining (a round trip to the window
// server even when the queue is empty) costs next to nothing.
#pragma once

#include <cstdint>

class PumpSchedule {
 public:
  // Input waits at most about this long, plus one step of the loop.
  static constexpr uint32_t kDefaultPeriodMs = 25;

  explicit PumpSchedule(uint32_t startMs, uint32_t periodMs = kDefaultPeriodMs)
      : lastMs_(startMs), periodMs_(periodMs) {}

  // Whether the queue is due to be drained at `nowMs` (a millisecond tick count that
  // may wrap); when it is, the period starts again from `nowMs`.
  bool Due(uint32_t nowMs) {
    if (static_cast<uint32_t>(nowMs - lastMs_) < periodMs_) return false;
    lastMs_ = nowMs;
    return true;
  }

 private:
  uint32_t lastMs_;
  uint32_t periodMs_;
};
