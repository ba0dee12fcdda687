#include "script/driver_context.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace viewer::script {
namespace {

constexpr DWORD kPollMs = 25;

std::string SecondsText(int ms) {
  char text[32];
  if (ms % 1000 == 0) {
    std::snprintf(text, sizeof text, "%d s", ms / 1000);
  } else {
    std::snprintf(text, sizeof text, "%.3g s", ms / 1000.0);
  }
  return text;
}

}  // namespace

void Fail(const std::string& why) { throw StepFailure{why}; }

DriverContext::DriverContext(HWND mainWindow, int timeoutMs)
    : mainWindow_(mainWindow), timeoutMs_(timeoutMs) {
  const char* trace = std::getenv("TESSALY_SCRIPT_TRACE");
  tracing_ = trace && *trace && std::string(trace) != "0";
  if (mainWindow) targets_.push_back(mainWindow);
  QueryPerformanceFrequency(&frequency_);
  QueryPerformanceCounter(&started_);
}

double DriverContext::elapsedMs() const {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart - started_.QuadPart) * 1000.0 /
         static_cast<double>(frequency_.QuadPart);
}

void DriverContext::mark(const std::string& label) const {
  std::printf("mark %s: %.1f ms\n", label.c_str(), elapsedMs());
  std::fflush(stdout);
}

HWND DriverContext::target() const {
  if (targets_.empty()) Fail("there is no target window (use wait-window)");
  HWND window = targets_.back();
  if (!IsWindow(window)) Fail("the target window no longer exists");
  return window;
}

void DriverContext::pushTarget(HWND window) {
  targets_.erase(std::remove(targets_.begin(), targets_.end(), window), targets_.end());
  targets_.push_back(window);
}

void DriverContext::popTarget() {
  if (!targets_.empty()) targets_.pop_back();
  while (!targets_.empty() && !IsWindow(targets_.back())) targets_.pop_back();
}

void DriverContext::trace(const std::string& note) const {
  if (tracing_) std::fprintf(stderr, "script: %s\n", note.c_str());
}

void WaitFor(const DriverContext& context, const std::function<std::string()>& unmet) {
  const DWORD start = GetTickCount();
  const DWORD limit = static_cast<DWORD>(context.timeoutMs());
  while (true) {
    std::string reason = unmet();
    if (reason.empty()) return;
    if (GetTickCount() - start >= limit) {
      Fail("timed out after " + SecondsText(context.timeoutMs()) + ": " + reason);
    }
    Sleep(kPollMs);
  }
}

bool WaitQuietly(int timeoutMs, const std::function<bool()>& met) {
  const DWORD start = GetTickCount();
  while (!met()) {
    if (GetTickCount() - start >= static_cast<DWORD>(timeoutMs)) return false;
    Sleep(kPollMs);
  }
  return true;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace viewer::script
