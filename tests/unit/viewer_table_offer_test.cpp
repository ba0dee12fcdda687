#include "core/table_offer.h"

#include "core/failing_call.h"

#include <gtest/gtest.h>

namespace viewer::core {
namespace {

TEST(ViewerTableVersion, ReadsMajorDotMinor) {
  EXPECT_EQ(ParseTableVersion("4.0"), 0x00040000u);
  EXPECT_EQ(ParseTableVersion("4.5"), 0x00040005u);
  EXPECT_EQ(ParseTableVersion("5.0"), 0x00050000u);
  EXPECT_EQ(ParseTableVersion("2.1"), 0x00020001u);
}

TEST(ViewerTableVersion, ReadsHexadecimal) {
  EXPECT_EQ(ParseTableVersion("0x00040005"), 0x00040005u);
  EXPECT_EQ(ParseTableVersion("0X50000"), 0x00050000u);
}

TEST(ViewerTableVersion, NoneIsNotOffered) { EXPECT_EQ(ParseTableVersion("none"), kNotOffered); }

TEST(ViewerTableVersion, RefusesOtherText) {
  EXPECT_FALSE(ParseTableVersion(""));
  EXPECT_FALSE(ParseTableVersion("4"));
  EXPECT_FALSE(ParseTableVersion("4."));
  EXPECT_FALSE(ParseTableVersion(".5"));
  EXPECT_FALSE(ParseTableVersion("4.x"));
  EXPECT_FALSE(ParseTableVersion("0x"));
  EXPECT_FALSE(ParseTableVersion("0xG0"));
  EXPECT_FALSE(ParseTableVersion("None"));
  EXPECT_FALSE(ParseTableVersion("70000.0"));
}

TEST(ViewerHexVersion, ReadsWithAndWithoutPrefix) {
  EXPECT_EQ(ParseHexVersion("0x00020000"), 0x00020000u);
  EXPECT_EQ(ParseHexVersion("20000"), 0x00020000u);
  EXPECT_EQ(ParseHexVersion("0x00010000"), 0x00010000u);
  EXPECT_FALSE(ParseHexVersion("2.0"));
  EXPECT_FALSE(ParseHexVersion(""));
}

TEST(ViewerTableOffers, EveryTableIsOfferedAtFiveByDefault) {
  TableOffers offers;
  for (int i = 0; i < kNamedTableCount; ++i) {
    EXPECT_EQ(offers.Offered(static_cast<HostTable>(i)), kTableVersion50) << kHostTableNames[i];
  }
}

TEST(ViewerTableOffers, TableAnswersEveryVersionUpToItsOffer) {
  TableOffers offers;
  std::string error;
  ASSERT_TRUE(offers.Apply("PDSysFont=4.0", &error)) << error;
  EXPECT_TRUE(offers.Answers(HostTable::PDSysFont, kTableVersion40));
  EXPECT_TRUE(offers.Answers(HostTable::PDSysFont, kTableVersion23));
  EXPECT_TRUE(offers.Answers(HostTable::PDSysFont, kTableVersion21));
  EXPECT_FALSE(offers.Answers(HostTable::PDSysFont, kTableVersion45));
  EXPECT_FALSE(offers.Answers(HostTable::PDSysFont, kTableVersion50));
  // Others keep 5.0.
  EXPECT_TRUE(offers.Answers(HostTable::AcroView, kTableVersion50));
  EXPECT_FALSE(offers.Answers(HostTable::AcroView, 0x00050001));
}

TEST(ViewerTableOffers, NoneAnswersNothing) {
  TableOffers offers;
  std::string error;
  ASSERT_TRUE(offers.Apply("ASExtra=none", &error)) << error;
  EXPECT_FALSE(offers.Answers(HostTable::ASExtra, kTableVersion50));
  EXPECT_FALSE(offers.Answers(HostTable::ASExtra, kTableVersion21));
  EXPECT_FALSE(offers.Answers(HostTable::ASExtra, 0));
}

TEST(ViewerTableOffers, LaterOptionForATableWins) {
  TableOffers offers;
  std::string error;
  ASSERT_TRUE(offers.Apply("AcroView=4.5", &error));
  ASSERT_TRUE(offers.Apply("AcroView=0x00050000", &error));
  EXPECT_EQ(offers.Offered(HostTable::AcroView), kTableVersion50);
}

TEST(ViewerTableOffers, RefusesUnknownTablesAndBadVersions) {
  TableOffers offers;
  std::string error;
  EXPECT_FALSE(offers.Apply("Bogus=5.0", &error));
  EXPECT_NE(error.find("Bogus"), std::string::npos);
  EXPECT_FALSE(offers.Apply("acroview=5.0", &error));
  EXPECT_FALSE(offers.Apply("AcroView", &error));
  EXPECT_FALSE(offers.Apply("AcroView=five", &error));
  EXPECT_EQ(offers.Offered(HostTable::AcroView), kTableVersion50);
}

TEST(ViewerTableOffers, OfferDecisionIsPlainComparison) {
  EXPECT_TRUE(OfferAnswers(kTableVersion45, kTableVersion40));
  EXPECT_TRUE(OfferAnswers(kTableVersion45, kTableVersion45));
  EXPECT_FALSE(OfferAnswers(kTableVersion45, kTableVersion50));
  EXPECT_FALSE(OfferAnswers(kNotOffered, kTableVersion21));
}

TEST(ViewerTableOffers, FindsTablesByExactName) {
  EXPECT_EQ(FindNamedTable("PagePDEContent"), HostTable::PagePDEContent);
  EXPECT_EQ(FindNamedTable("PDMetadata"), HostTable::PDMetadata);
  EXPECT_FALSE(FindNamedTable("Core"));
  EXPECT_FALSE(FindNamedTable("pdmodel"));
}

TEST(ViewerFailingCall, ANameAloneFailsEveryCall) {
  const auto failing = ParseFailingCall("PDETextAdd");
  ASSERT_TRUE(failing);
  EXPECT_EQ(failing->name, "PDETextAdd");
  EXPECT_TRUE(failing->FailsCall(1, false));
  EXPECT_TRUE(failing->FailsCall(1000, false));
}

TEST(ViewerFailingCall, ACallListFailsOnlyThoseCalls) {
  const auto failing = ParseFailingCall("PDDocCreatePage:2,5");
  ASSERT_TRUE(failing);
  EXPECT_EQ(failing->name, "PDDocCreatePage");
  EXPECT_FALSE(failing->FailsCall(1, false));
  EXPECT_TRUE(failing->FailsCall(2, false));
  EXPECT_FALSE(failing->FailsCall(3, false));
  EXPECT_TRUE(failing->FailsCall(5, false));
  EXPECT_FALSE(failing->FailsCall(6, false));
}

TEST(ViewerFailingCall, WhenAskedFailsOnlyTheCallsMadeWhileAsked) {
  const auto failing = ParseFailingCall("AVAppGetActiveDoc:when-asked");
  ASSERT_TRUE(failing);
  EXPECT_EQ(failing->name, "AVAppGetActiveDoc");
  EXPECT_FALSE(failing->FailsCall(1, false));
  EXPECT_TRUE(failing->FailsCall(2, true));
  EXPECT_FALSE(failing->FailsCall(3, false));
  EXPECT_FALSE(ParseFailingCall("AVAppGetActiveDoc:when"));
}

TEST(ViewerFailingCall, MalformedValuesAreRefused) {
  for (const char* text : {"", ":3", "PDETextAdd:", "PDETextAdd:0", "PDETextAdd:-2",
                           "PDETextAdd:2,", "PDETextAdd:x", "PDETextAdd:3x", "PDETextAdd:,3"}) {
    EXPECT_FALSE(ParseFailingCall(text)) << text;
  }
}

}  // namespace
}  // namespace viewer::core
