// The host's word finder and word handles: a finder lasts until its document closes,
// its fonts with it, and a handle used after that raises, as one never handed out does.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include <qpdf/QPDFObjectHandle.hh>

#include "core/host_error.h"
#include "host/word_handles.h"

namespace viewer::host {
namespace {

// Documents of these tests only: serial numbers no document of a run has.
constexpr uint32_t kFirstDocument = 0xFFFF0001, kSecondDocument = 0xFFFF0002;

PDDoc DocumentOf(uintptr_t n) { return reinterpret_cast<PDDoc>(n); }

ASErrorCode ErrorOf(PDWordFinder finder) {
  try {
    CheckedWordFinder(finder);
  } catch (const core::HostError& e) {
    return e.code();
  }
  return 0;
}

TEST(ViewerWordHandles, AFinderLastsUntilItsDocumentClosesAndThenRaises) {
  const size_t before = WordFinderCount();
  PDWordFinder first = NewWordFinder(DocumentOf(0x10), kFirstDocument);
  PDWordFinder again = NewWordFinder(DocumentOf(0x10), kFirstDocument);
  PDWordFinder other = NewWordFinder(DocumentOf(0x20), kSecondDocument);
  EXPECT_EQ(WordFinderCount(), before + 3);
  EXPECT_EQ(CheckedWordFinder(first).doc, DocumentOf(0x10));
  EXPECT_EQ(CheckedWordFinder(first).serial, kFirstDocument);
  EXPECT_NE(&CheckedWordFinder(first), &CheckedWordFinder(again));

  DropWordFinders(kFirstDocument);
  EXPECT_EQ(ErrorOf(first), kHostErrBadParameter);
  EXPECT_EQ(ErrorOf(again), kHostErrBadParameter);
  EXPECT_EQ(CheckedWordFinder(other).serial, kSecondDocument);
  EXPECT_EQ(WordFinderCount(), before + 1);
  // Closing it again, or a document without finders, changes nothing.
  DropWordFinders(kFirstDocument);
  EXPECT_EQ(WordFinderCount(), before + 1);
  DropWordFinders(kSecondDocument);
  EXPECT_EQ(ErrorOf(other), kHostErrBadParameter);
  EXPECT_EQ(WordFinderCount(), before);
}

TEST(ViewerWordHandles, TheFontsAFinderReadGoWithIt) {
  PDWordFinder finder = NewWordFinder(DocumentOf(0x10), kFirstDocument);
  auto font = std::make_shared<const pdf::FontDecoder>(QPDFObjectHandle::newNull());
  const std::weak_ptr<const pdf::FontDecoder> kept = font;
  CheckedWordFinder(finder).fonts[QPDFObjGen(7, 0)] = std::move(font);
  EXPECT_FALSE(kept.expired());
  DropWordFinders(kFirstDocument);
  EXPECT_TRUE(kept.expired());
}

TEST(ViewerWordHandles, AHandleOfADroppedFinderNeverNamesALaterOne) {
  std::set<PDWordFinder> dropped;
  for (int round = 0; round < 100; ++round) {
    PDWordFinder finder = NewWordFinder(DocumentOf(0x10), kFirstDocument);
    EXPECT_EQ(dropped.count(finder), 0u);
    dropped.insert(finder);
    DropWordFinders(kFirstDocument);
  }
  for (PDWordFinder finder : dropped) EXPECT_EQ(ErrorOf(finder), kHostErrBadParameter);
}

TEST(ViewerWordHandles, NullAndHandlesNeverHandedOutRaise) {
  EXPECT_EQ(ErrorOf(nullptr), kHostErrBadParameter);
  int notAFinder = 0;
  EXPECT_EQ(ErrorOf(reinterpret_cast<PDWordFinder>(&notAFinder)), kHostErrBadParameter);
}

TEST(ViewerWordHandles, AWordIsLiveOnlyWhileItIsBeingTold) {
  PDWord told = nullptr;
  {
    LiveWord word("BANNERPAGE]");
    told = word.handle();
    EXPECT_EQ(CheckedWord(told).text, "BANNERPAGE]");
  }
  try {
    CheckedWord(told);
    ADD_FAILURE() << "a word past its procedure was taken";
  } catch (const core::HostError& e) {
    EXPECT_EQ(e.code(), kHostErrBadParameter);
  }
}

}  // namespace
}  // namespace viewer::host
