// Error frames: a raise in the host resumes in the innermost frame's handler, and
// the normal path leaves no frame behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "host/error_frame.h"

namespace {

// What the host does with frames, as it publishes it: a stack of its own holding each
// pushed context with its restore procedure; a raise records the code and restores the
// innermost context, leaving the frame pushed for the plug-in's handler to pop.
struct PushedFrame {
  void* context;
  ASRestoreProc restore;
};
PushedFrame pushedFrames[16];
int pushedCount = 0;
ASErrorCode lastRaised = 0;

void HOSTCALL FakePushFrame(void* context, ASRestoreProc restore) {
  if (pushedCount == 16) std::abort();
  pushedFrames[pushedCount++] = {context, restore};
}
void HOSTCALL FakePopFrame() {
  if (pushedCount == 0) std::abort();  // a pop with nothing pushed is the plug-in's fault
  --pushedCount;
}
void HOSTCALL FakeRaise(ASErrorCode error) {
  if (pushedCount == 0) std::abort();
  lastRaised = error;
  const PushedFrame frame = pushedFrames[pushedCount - 1];
  frame.restore(frame.context);
  std::abort();  // a restore procedure never returns
}
ASErrorCode HOSTCALL FakeErrorCode() { return lastRaised; }

// Steps taken, kept outside the frames (nothing with a destructor may live inside).
int steps[16];
int stepCount = 0;
void Mark(int step) { steps[stepCount++] = step; }
std::vector<int> Steps() { return std::vector<int>(steps, steps + stepCount); }

ASErrorCode handledCode = 0;

// A raise from further down the plug-in's own calls.
__attribute__((noinline)) void ReadPageThatFails() {
  Mark(10);
  host::ASRaise(kHostErrBadPage);
  Mark(11);
}

class PluginErrorFrames : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = host::hostTables;
    host::hostTables = {};
    core_[ASRaise_SEL] = reinterpret_cast<void*>(&FakeRaise);
    core_[ASPushExceptionFrame_SEL] = reinterpret_cast<void*>(&FakePushFrame);
    core_[ASPopExceptionFrame_SEL] = reinterpret_cast<void*>(&FakePopFrame);
    core_[ASGetExceptionErrorCode_SEL] = reinterpret_cast<void*>(&FakeErrorCode);
    host::hostTables.core = core_;
    pushedCount = 0;
    lastRaised = 0;
    stepCount = 0;
    handledCode = 0;
  }
  void TearDown() override { host::hostTables = saved_; }

  void* core_[kMaxHostSelector + 1] = {};
  host::HostTables saved_;
};

TEST_F(PluginErrorFrames, NormalPathRunsTheBodyAndPopsTheFrame) {
  HOST_DURING
    Mark(1);
  HOST_HANDLER
    Mark(2);
  HOST_END_HANDLER
  EXPECT_EQ(Steps(), (std::vector<int>{1}));
  EXPECT_EQ(pushedCount, 0);
}

TEST_F(PluginErrorFrames, RaiseResumesInTheHandlerWithTheErrorCode) {
  HOST_DURING
    Mark(1);
    host::ASRaise(kHostErrPrint);
    Mark(2);
  HOST_HANDLER
    Mark(3);
    handledCode = HOST_ERRORCODE;
  HOST_END_HANDLER
  Mark(4);
  EXPECT_EQ(Steps(), (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(handledCode, kHostErrPrint);
  EXPECT_EQ(host::ASGetExceptionErrorCode(), kHostErrPrint);
  EXPECT_EQ(pushedCount, 0);
}

TEST_F(PluginErrorFrames, HandlerRunsWithItsOwnFrameAlreadyPopped) {
  HOST_DURING
    HOST_DURING
      host::ASRaise(kHostErrGeneral);
    HOST_HANDLER
      Mark(pushedCount);
    HOST_END_HANDLER
    Mark(pushedCount);
  HOST_HANDLER
  HOST_END_HANDLER
  EXPECT_EQ(Steps(), (std::vector<int>{1, 1}));
  EXPECT_EQ(pushedCount, 0);
}

TEST_F(PluginErrorFrames, RaiseFromADeeperCallReachesTheFrame) {
  HOST_DURING
    ReadPageThatFails();
    Mark(1);
  HOST_HANDLER
    handledCode = HOST_ERRORCODE;
  HOST_END_HANDLER
  EXPECT_EQ(Steps(), (std::vector<int>{10}));
  EXPECT_EQ(handledCode, kHostErrBadPage);
  EXPECT_EQ(pushedCount, 0);
}

TEST_F(PluginErrorFrames, InnerFrameConfinesTheErrorToItsStep) {
  HOST_DURING
    Mark(1);
    HOST_DURING
      Mark(2);
      host::ASRaise(kHostErrBadOutline);
      Mark(3);
    HOST_HANDLER
      Mark(4);
    HOST_END_HANDLER
    Mark(5);
  HOST_HANDLER
    Mark(6);
  HOST_END_HANDLER
  EXPECT_EQ(Steps(), (std::vector<int>{1, 2, 4, 5}));
  EXPECT_EQ(pushedCount, 0);
}

TEST_F(PluginErrorFrames, RaiseInAHandlerReachesTheEnclosingFrame) {
  HOST_DURING
    HOST_DURING
      host::ASRaise(kHostErrFileOpen);
    HOST_HANDLER
      Mark(1);
      host::ASRaise(kHostErrGeneral);
      Mark(2);
    HOST_END_HANDLER
    Mark(3);
  HOST_HANDLER
    Mark(4);
    handledCode = HOST_ERRORCODE;
  HOST_END_HANDLER
  EXPECT_EQ(Steps(), (std::vector<int>{1, 4}));
  EXPECT_EQ(handledCode, kHostErrGeneral);
  EXPECT_EQ(pushedCount, 0);
}

TEST_F(PluginErrorFrames, FramesAreUsableAgainAfterARaise) {
  for (int round = 0; round < 3; ++round) {
    HOST_DURING
      host::ASRaise(kHostErrGeneral + round);
    HOST_HANDLER
      Mark(HOST_ERRORCODE - kHostErrGeneral);
    HOST_END_HANDLER
  }
  EXPECT_EQ(Steps(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(pushedCount, 0);
}

}  // namespace
