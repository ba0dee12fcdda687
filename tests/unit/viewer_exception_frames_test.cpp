#include "core/exception_frames.h"

#include <gtest/gtest.h>

namespace viewer::core {
namespace {

void HOSTCALL JumpBack(ASExceptionFrame* frame) { __builtin_longjmp(frame->jumpBuffer, 1); }

int restoreCalls = 0;
void HOSTCALL CountAndReturn(ASExceptionFrame*) { ++restoreCalls; }

// Pushes a frame, raises code inside it, and answers the code the frame received
// (0 when nothing was raised), as a plug-in's handler would.
__attribute__((noinline)) ASErrorCode RaiseInsideFrame(ASErrorCode code) {
  ASExceptionFrame frame{};
  if (__builtin_setjmp(frame.jumpBuffer) == 0) {
    PushExceptionFrame(&frame, JumpBack);
    RaiseToInnermostFrame(code);
    PopExceptionFrame();
    return 0;
  }
  return frame.errorCode;
}

__attribute__((noinline)) int NestedFrames() {
  ASExceptionFrame outer{};
  if (__builtin_setjmp(outer.jumpBuffer) == 0) {
    PushExceptionFrame(&outer, JumpBack);
    const ASErrorCode inner = RaiseInsideFrame(kHostErrBadPage);
    // The inner raise popped only the inner frame.
    const bool outerIsInnermost = InnermostExceptionFrame() == &outer;
    PopExceptionFrame();
    return inner == kHostErrBadPage && outerIsInnermost ? 1 : 2;
  }
  return 3;
}

TEST(ViewerExceptionFrames, RaiseReachesTheFrameWithItsCode) {
  EXPECT_EQ(RaiseInsideFrame(kHostErrBadParameter), kHostErrBadParameter);
  EXPECT_EQ(LastRaisedErrorCode(), kHostErrBadParameter);
  EXPECT_EQ(InnermostExceptionFrame(), nullptr);
}

TEST(ViewerExceptionFrames, InnerFrameCatchesAndOuterStays) { EXPECT_EQ(NestedFrames(), 1); }

TEST(ViewerExceptionFrames, PushLinksAndPopUnlinks) {
  ASExceptionFrame a{}, b{};
  PushExceptionFrame(&a, JumpBack);
  PushExceptionFrame(&b, JumpBack);
  EXPECT_EQ(b.previous, &a);
  EXPECT_EQ(b.restore, &JumpBack);
  EXPECT_EQ(InnermostExceptionFrame(), &b);
  PopExceptionFrame();
  EXPECT_EQ(InnermostExceptionFrame(), &a);
  PopExceptionFrame();
  EXPECT_EQ(InnermostExceptionFrame(), nullptr);
  PopExceptionFrame();  // popping an empty stack is harmless
  EXPECT_EQ(InnermostExceptionFrame(), nullptr);
}

TEST(ViewerExceptionFrames, RaiseWithoutFrameIsReportedAndRemembered) {
  EXPECT_FALSE(RaiseToInnermostFrame(kHostErrNotImplemented));
  EXPECT_EQ(LastRaisedErrorCode(), kHostErrNotImplemented);
}

TEST(ViewerExceptionFrames, RaisePopsBeforeRestoring) {
  ASExceptionFrame outer{}, inner{};
  PushExceptionFrame(&outer, CountAndReturn);
  PushExceptionFrame(&inner, CountAndReturn);
  restoreCalls = 0;
  EXPECT_TRUE(RaiseToInnermostFrame(kHostErrPrint));
  EXPECT_EQ(restoreCalls, 1);
  EXPECT_EQ(inner.errorCode, kHostErrPrint);
  EXPECT_EQ(outer.errorCode, 0);
  EXPECT_EQ(InnermostExceptionFrame(), &outer);
  PopExceptionFrame();
}

}  // namespace
}  // namespace viewer::core

namespace viewer::core {
namespace {

TEST(ViewerExceptionFrames, BarrierHidesOuterFramesUntilItEnds) {
  ASExceptionFrame outer{};
  PushExceptionFrame(&outer, CountAndReturn);
  restoreCalls = 0;
  {
    ExceptionFrameBarrier barrier;
    EXPECT_EQ(InnermostExceptionFrame(), nullptr);
    EXPECT_FALSE(RaiseToInnermostFrame(kHostErrGeneral));
    // A frame pushed inside the barrier still catches.
    EXPECT_EQ(RaiseInsideFrame(kHostErrNoFont), kHostErrNoFont);
  }
  EXPECT_EQ(restoreCalls, 0);
  EXPECT_EQ(InnermostExceptionFrame(), &outer);
  PopExceptionFrame();
}

}  // namespace
}  // namespace viewer::core
