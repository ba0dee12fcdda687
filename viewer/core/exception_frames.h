// The per-thread stack of the plug-ins' error frames, kept as the host publishes it:
// each entry is the context address and restore procedure given at the push; the
// context's memory is the plug-in's and is never read or written here. A raise
// records the error code and calls the innermost restore procedure, leaving the frame
// pushed: the plug-in's handler pops it.
#pragma once

#include <string>

#include "host_errors.h"

namespace viewer::core {

void PushExceptionFrame(void* savedContext, ASRestoreProc restore);
// A pop with none of the current callback's frames pushed is a plug-in fault: it is
// reported (ReportPluginFault) and nothing is popped.
void PopExceptionFrame();
// The frames the current callback has pushed and not popped (outer ones are hidden).
int PushedExceptionFrames();

// The code of the latest raise on this thread (0 before any).
ASErrorCode LastRaisedErrorCode();

// Records code for LastRaisedErrorCode, then calls the innermost frame's restore
// procedure. Returns false at once when no frame is pushed; with a frame it returns
// (true) only if the restore procedure returns, which a well-behaved plug-in never
// lets happen. The caller must hold no objects with destructors: the restore jumps
// past it.
bool RaiseToInnermostFrame(ASErrorCode code);

// A plug-in broke the host's rules: told on stderr and counted, so that the viewer
// exits with a failure and a running script fails its step.
void ReportPluginFault(const std::string& what);
int PluginFaultCount();

// While the host calls into a plug-in (setup, execute, enable, notification, drawing
// and enumeration procedures), the plug-in's outer frames are hidden: a raise inside
// the call can only reach frames the call pushed itself, never jump out across the
// host's own code. When the call returns, every frame it pushed must have been popped:
// frames left behind are a plug-in fault, reported and dropped (their contexts lie in
// a stack that is gone). The outer frames reappear when the barrier ends.
class ExceptionFrameBarrier {
 public:
  // procedure: what the host called, for the report ("execute procedure", ...).
  explicit ExceptionFrameBarrier(const char* procedure);
  ~ExceptionFrameBarrier();
  ExceptionFrameBarrier(const ExceptionFrameBarrier&) = delete;
  ExceptionFrameBarrier& operator=(const ExceptionFrameBarrier&) = delete;

 private:
  const char* procedure_;
  size_t outerFloor_;
  size_t depthAtEntry_;
};

}  // namespace viewer::core
