// What the steps of a running script share: the window they act on, the timeout,
// and how a step fails.
#pragma once

#include "script/win32.h"

#include <functional>
#include <string>
#include <vector>

namespace viewer::script {

// Thrown by a step that cannot do what its line says; the runner reports it.
struct StepFailure {
  std::string why;
};

[[noreturn]] void Fail(const std::string& why);

class DriverContext {
 public:
  explicit DriverContext(HWND mainWindow, int timeoutMs);

  int timeoutMs() const { return timeoutMs_; }
  void setTimeoutMs(int ms) { timeoutMs_ = ms; }

  HWND mainWindow() const { return mainWindow_; }

  // The window that control commands act on; fails when it no longer exists.
  HWND target() const;
  // The target as it was last set, even if it has gone since; null when none.
  HWND lastTarget() const { return targets_.empty() ? nullptr : targets_.back(); }
  // The window just found by wait-window becomes the target.
  void pushTarget(HWND window);
  // The target has gone: the one before it, if it still exists, takes its place.
  void popTarget();

  // Prints "mark LABEL: N ms" on standard output: the time since the script began,
  // to a tenth of a millisecond, for timing a stretch of steps between two marks.
  void mark(const std::string& label) const;
  // Milliseconds since the script began.
  double elapsedMs() const;

  // Notes how a step went when TESSALY_SCRIPT_TRACE is set.
  void trace(const std::string& note) const;
  bool tracing() const { return tracing_; }

 private:
  HWND mainWindow_;
  int timeoutMs_;
  bool tracing_;
  std::vector<HWND> targets_;   // the last is the current target
  LARGE_INTEGER started_;
  LARGE_INTEGER frequency_;
};

// Polls until `unmet` answers an empty text, at most the step timeout; then fails
// with "timed out after N s: " and the last answer.
void WaitFor(const DriverContext& context, const std::function<std::string()>& unmet);

// Same, with a timeout of its own; answers false instead of failing.
bool WaitQuietly(int timeoutMs, const std::function<bool()>& met);

// Quotes a text for failure messages.
std::string Quoted(const std::string& text);

}  // namespace viewer::script
