#include "core/error_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace viewer::core {
namespace {

TEST(ViewerErrorText, EveryHostCodeHasItsOwnText) {
  const ASErrorCode codes[] = {kHostErrGeneral,  kHostErrBadParameter, kHostErrNotImplemented,
                               kHostErrFileOpen, kHostErrBadOutline,   kHostErrBadPage,
                               kHostErrPrint,    kHostErrNoFont,       kHostErrPermission};
  std::set<std::string> texts;
  for (ASErrorCode code : codes) {
    const std::string text = HostErrorText(code);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find("Unknown"), std::string::npos) << text;
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), std::size(codes));
}

TEST(ViewerErrorText, UnknownCodeNamesItsNumber) {
  EXPECT_NE(HostErrorText(0x40000042).find("0x40000042"), std::string::npos);
}

TEST(ViewerErrorText, CopyIsTruncatedAndTerminated) {
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  CopyErrorText(kHostErrBadPage, buffer, sizeof buffer);
  EXPECT_EQ(std::strlen(buffer), 7u);
  EXPECT_EQ(std::string(buffer), HostErrorText(kHostErrBadPage).substr(0, 7));
}

TEST(ViewerErrorText, CopyFitsAWholeText) {
  char buffer[256];
  CopyErrorText(kHostErrPermission, buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer), HostErrorText(kHostErrPermission));
}

TEST(ViewerErrorText, CopyIgnoresMissingBuffers) {
  CopyErrorText(kHostErrGeneral, nullptr, 10);
  char one = 'x';
  CopyErrorText(kHostErrGeneral, &one, 0);
  EXPECT_EQ(one, 'x');
  CopyErrorText(kHostErrGeneral, &one, 1);
  EXPECT_EQ(one, '\0');
}

}  // namespace
}  // namespace viewer::core
