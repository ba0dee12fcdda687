#include "core/exception_frames.h"

#include <gtest/gtest.h>

#include <cstring>

namespace viewer::core {
namespace {

// A plug-in's saved context as the x86_64 build keeps it.
using Context = void* [5];

void HOSTCALL JumpBack(void* context) { __builtin_longjmp(*static_cast<Context*>(context), 1); }

int restoreCalls = 0;
void* restoredWith = nullptr;
void HOSTCALL CountAndReturn(void* context) {
  ++restoreCalls;
  restoredWith = context;
}

// Pushes a frame, raises code inside it, and answers the code read back from the host
// (0 when nothing was raised), popping first in the handler as a plug-in does.
__attribute__((noinline)) ASErrorCode RaiseInsideFrame(ASErrorCode code) {
  Context context;
  PushExceptionFrame(&context, JumpBack);
  if (__builtin_setjmp(context) == 0) {
    RaiseToInnermostFrame(code);
    PopExceptionFrame();
    return 0;
  }
  PopExceptionFrame();
  return LastRaisedErrorCode();
}

__attribute__((noinline)) int NestedFrames() {
  Context outer;
  PushExceptionFrame(&outer, JumpBack);
  if (__builtin_setjmp(outer) == 0) {
    const ASErrorCode inner = RaiseInsideFrame(kHostErrBadPage);
    // The inner raise reached only the inner frame, which its handler popped.
    const bool outerIsLeft = PushedExceptionFrames() == 1;
    PopExceptionFrame();
    return inner == kHostErrBadPage && outerIsLeft ? 1 : 2;
  }
  PopExceptionFrame();
  return 3;
}

class ViewerExceptionFrames : public ::testing::Test {
 protected:
  void SetUp() override {
    restoreCalls = 0;
    restoredWith = nullptr;
    faultsBefore_ = PluginFaultCount();
  }
  int NewFaults() const { return PluginFaultCount() - faultsBefore_; }

 private:
  int faultsBefore_ = 0;
};

TEST_F(ViewerExceptionFrames, RaiseReachesTheFrameAndTheCodeComesFromTheHost) {
  EXPECT_EQ(RaiseInsideFrame(kHostErrBadParameter), kHostErrBadParameter);
  EXPECT_EQ(PushedExceptionFrames(), 0);
  EXPECT_EQ(NestedFrames(), 1);
  EXPECT_EQ(PushedExceptionFrames(), 0);
  EXPECT_EQ(NewFaults(), 0);
}

TEST_F(ViewerExceptionFrames, RaiseLeavesTheFramePushedAndNeverWritesIntoIt) {
  unsigned char outer[64], inner[64];
  std::memset(outer, 0xA5, sizeof outer);
  std::memset(inner, 0x5A, sizeof inner);
  PushExceptionFrame(outer, CountAndReturn);
  PushExceptionFrame(inner, CountAndReturn);
  EXPECT_TRUE(RaiseToInnermostFrame(kHostErrPrint));
  EXPECT_EQ(restoreCalls, 1);
  EXPECT_EQ(restoredWith, inner);
  EXPECT_EQ(LastRaisedErrorCode(), kHostErrPrint);
  // Both frames are still there: the plug-in's handler pops its own.
  EXPECT_EQ(PushedExceptionFrames(), 2);
  for (unsigned char byte : outer) ASSERT_EQ(byte, 0xA5);
  for (unsigned char byte : inner) ASSERT_EQ(byte, 0x5A);
  PopExceptionFrame();
  PopExceptionFrame();
  EXPECT_EQ(PushedExceptionFrames(), 0);
  EXPECT_EQ(NewFaults(), 0);
}

TEST_F(ViewerExceptionFrames, RaiseWithoutFrameIsReportedAndRemembered) {
  EXPECT_FALSE(RaiseToInnermostFrame(kHostErrNotImplemented));
  EXPECT_EQ(LastRaisedErrorCode(), kHostErrNotImplemented);
}

TEST_F(ViewerExceptionFrames, PoppingAFrameNeverPushedIsAPluginFault) {
  PopExceptionFrame();
  EXPECT_EQ(NewFaults(), 1);
  EXPECT_EQ(PushedExceptionFrames(), 0);
}

TEST_F(ViewerExceptionFrames, BarrierHidesOuterFramesUntilItEnds) {
  unsigned char outer[8];
  PushExceptionFrame(outer, CountAndReturn);
  {
    ExceptionFrameBarrier barrier("execute procedure");
    EXPECT_EQ(PushedExceptionFrames(), 0);
    EXPECT_FALSE(RaiseToInnermostFrame(kHostErrGeneral));
    // A frame pushed inside the barrier still catches.
    EXPECT_EQ(RaiseInsideFrame(kHostErrNoFont), kHostErrNoFont);
    // The callback may not pop what its caller pushed.
    PopExceptionFrame();
    EXPECT_EQ(NewFaults(), 1);
  }
  EXPECT_EQ(restoreCalls, 0);
  EXPECT_EQ(PushedExceptionFrames(), 1);
  PopExceptionFrame();
  EXPECT_EQ(NewFaults(), 1);
}

// A handler that does not pop (the host leaves the frame pushed at a raise) is caught
// when the callback returns to the host, and the dead frame is dropped.
TEST_F(ViewerExceptionFrames, CallbackReturningWithFramesPushedIsAPluginFault) {
  unsigned char outer[8], left[8];
  PushExceptionFrame(outer, CountAndReturn);
  {
    ExceptionFrameBarrier barrier("notification procedure");
    PushExceptionFrame(left, CountAndReturn);
    EXPECT_TRUE(RaiseToInnermostFrame(kHostErrGeneral));
  }
  EXPECT_EQ(NewFaults(), 1);
  EXPECT_EQ(PushedExceptionFrames(), 1);
  restoreCalls = 0;
  EXPECT_TRUE(RaiseToInnermostFrame(kHostErrGeneral));
  EXPECT_EQ(restoredWith, outer);
  PopExceptionFrame();
  EXPECT_EQ(PushedExceptionFrames(), 0);
}

TEST_F(ViewerExceptionFrames, NestedBarriersEachCheckTheirOwnFrames) {
  unsigned char a[8], b[8];
  {
    ExceptionFrameBarrier outer("execute procedure");
    PushExceptionFrame(a, CountAndReturn);
    {
      ExceptionFrameBarrier inner("word procedure");
      PushExceptionFrame(b, CountAndReturn);
      PopExceptionFrame();
    }
    EXPECT_EQ(NewFaults(), 0);
    EXPECT_EQ(PushedExceptionFrames(), 1);
    PopExceptionFrame();
  }
  EXPECT_EQ(NewFaults(), 0);
}

}  // namespace
}  // namespace viewer::core
