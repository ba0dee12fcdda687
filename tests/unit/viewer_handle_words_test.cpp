#include "core/handle_words.h"

#include <gtest/gtest.h>

namespace viewer::core {
namespace {

TEST(ViewerHandleWords, PackAndUnpackRoundTrip) {
  for (uint32_t slot : {1u, 7u, kMaxHandleSlot}) {
    for (uint32_t index : {0u, 1u, 16383u, kMaxHandleIndex}) {
      const PDObjectRef ref = PackHandle(slot, index, 42);
      HandleParts parts;
      ASSERT_TRUE(UnpackHandle(ref, &parts));
      EXPECT_EQ(parts.slot, slot);
      EXPECT_EQ(parts.index, index);
      EXPECT_TRUE(VerifyHandle(ref, parts, 42));
    }
  }
}

TEST(ViewerHandleWords, NullPairIsNoHandle) {
  HandleParts parts;
  EXPECT_TRUE(IsNullHandle(PDObjectRef{0, 0}));
  EXPECT_FALSE(UnpackHandle(PDObjectRef{0, 0}, &parts));
  EXPECT_FALSE(IsNullHandle(PackHandle(1, 0, 1)));
}

TEST(ViewerHandleWords, RejectsPairsThatCannotBeHandles) {
  HandleParts parts;
  EXPECT_FALSE(UnpackHandle(PDObjectRef{0x00000005, 77}, &parts));  // no slot
  EXPECT_FALSE(UnpackHandle(PDObjectRef{0x01000000, 77}, &parts));  // no index
  EXPECT_FALSE(UnpackHandle(PDObjectRef{0x01000001, 0}, &parts));   // no check word
}

TEST(ViewerHandleWords, CheckWordTiesTheHandleToItsDocument) {
  const PDObjectRef ref = PackHandle(3, 10, 5);
  HandleParts parts;
  ASSERT_TRUE(UnpackHandle(ref, &parts));
  EXPECT_TRUE(VerifyHandle(ref, parts, 5));
  // The same slot held by a later document (another serial) rejects it.
  EXPECT_FALSE(VerifyHandle(ref, parts, 6));
  // A neighbouring index with the same check word is rejected too.
  PDObjectRef moved = ref;
  moved.id += 1;
  ASSERT_TRUE(UnpackHandle(moved, &parts));
  EXPECT_FALSE(VerifyHandle(moved, parts, 5));
}

TEST(ViewerHandleWords, CheckWordIsNeverZero) {
  for (uint32_t serial = 1; serial < 200; ++serial) {
    for (uint32_t index = 0; index < 200; ++index) {
      ASSERT_NE(HandleCheckWord(serial, index), 0u);
    }
  }
}

}  // namespace
}  // namespace viewer::core
