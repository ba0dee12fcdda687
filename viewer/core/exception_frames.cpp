#include "core/exception_frames.h"

#include <atomic>
#include <cstdio>
#include <vector>

namespace viewer::core {
namespace {

struct PushedFrame {
  void* context;
  ASRestoreProc restore;
};

thread_local std::vector<PushedFrame> frames;
// Frames below this index belong to callers outside the current callback.
thread_local size_t floorOfCallback = 0;
thread_local ASErrorCode lastCode = 0;
std::atomic<int> faults{0};

}  // namespace

void PushExceptionFrame(void* savedContext, ASRestoreProc restore) {
  frames.push_back({savedContext, restore});
}

void PopExceptionFrame() {
  if (frames.size() <= floorOfCallback) {
    ReportPluginFault("the plug-in popped an error frame it had not pushed");
    return;
  }
  frames.pop_back();
}

int PushedExceptionFrames() { return static_cast<int>(frames.size() - floorOfCallback); }

ASErrorCode LastRaisedErrorCode() { return lastCode; }

bool RaiseToInnermostFrame(ASErrorCode code) {
  lastCode = code;
  if (frames.size() <= floorOfCallback) return false;
  const PushedFrame frame = frames.back();
  if (frame.restore != nullptr) frame.restore(frame.context);
  return true;
}

void ReportPluginFault(const std::string& what) {
  ++faults;
  std::fprintf(stderr, "viewer: plug-in fault: %s\n", what.c_str());
  std::fflush(stderr);
}

int PluginFaultCount() { return faults.load(); }

ExceptionFrameBarrier::ExceptionFrameBarrier(const char* procedure)
    : procedure_(procedure), outerFloor_(floorOfCallback), depthAtEntry_(frames.size()) {
  floorOfCallback = depthAtEntry_;
}

ExceptionFrameBarrier::~ExceptionFrameBarrier() {
  if (frames.size() > depthAtEntry_) {
    const size_t left = frames.size() - depthAtEntry_;
    ReportPluginFault("the plug-in returned from its " + std::string(procedure_) + " with " +
                      std::to_string(left) + (left == 1 ? " error frame" : " error frames") +
                      " still pushed");
    frames.resize(depthAtEntry_);
  }
  floorOfCallback = outerFloor_;
}

}  // namespace viewer::core
