// Elapsed time with the performance counter, for the timing log.
#pragma once

#include <windows.h>

class CStopwatch {
 public:
  CStopwatch() { QueryPerformanceCounter(&start_); }

  double ElapsedMs() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 / Frequency();
  }

 private:
  static double Frequency() {
    static const double frequency = [] {
      LARGE_INTEGER f;
      QueryPerformanceFrequency(&f);
      return static_cast<double>(f.QuadPart);
    }();
    return frequency;
  }

  LARGE_INTEGER start_;
};
