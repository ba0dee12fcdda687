// Layouts of the host records that carry no pointers hold on every build; the others
// are pinned by static assertions for both Windows targets (host_records.h).
#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>

#include "host_operations.h"

TEST(HostRecords, PointerFreeRecordsKeepTheirSizes) {
  EXPECT_EQ(sizeof(ASPlatformPrinterSpecRec), 480u);
  EXPECT_EQ(sizeof(PDEDash), 52u);
  EXPECT_EQ(sizeof(oldAVRect), 8u);
  EXPECT_EQ(sizeof(PDEFontAttrs), 80u);
  EXPECT_EQ(offsetof(PDEFontAttrs, name), 0u);
  EXPECT_EQ(offsetof(PDEFontAttrs, type), 2u);
  EXPECT_EQ(sizeof(ASFixedRect), 16u);
  EXPECT_EQ(sizeof(ASFixedMatrix), 24u);
  EXPECT_EQ(sizeof(PDAction), 8u);
  EXPECT_EQ(sizeof(PDBookmark), 8u);
}

TEST(HostRecords, PrintParametersLeadWithTheirFixedFields) {
  // The leading 32-bit fields come before any pointer, so they sit alike everywhere.
  EXPECT_EQ(offsetof(AVDocPrintParamsRec, size), 0u);
  EXPECT_EQ(offsetof(AVDocPrintParamsRec, interactive), 4u);
  EXPECT_EQ(offsetof(AVDocPrintParamsRec, firstPage), 8u);
  EXPECT_EQ(offsetof(AVDocPrintParamsRec, lastPage), 12u);
}

TEST(HostRecords, HandshakeRecordPlacesTheNameAtomAfterTheHostsWord) {
  EXPECT_EQ(offsetof(PIHandshakeData, handshakeVersion), 0u);
  EXPECT_EQ(offsetof(PIHandshakeData, hostReserved), 4u);
  EXPECT_EQ(offsetof(PIHandshakeData, extensionName), 6u);
  EXPECT_EQ(offsetof(PIHandshakeData, exportHFTsCallback), 8u);
}

TEST(HostTables, NamesFollowTheTableOrder) {
  EXPECT_STREQ(kHostTableNames[static_cast<int>(HostTable::AcroSupport)], "AcroSupport");
  EXPECT_STREQ(kHostTableNames[static_cast<int>(HostTable::PDSysFont)], "PDSysFont");
  EXPECT_STREQ(kHostTableNames[static_cast<int>(HostTable::AcroView)], "AcroView");
  EXPECT_STREQ(kHostTableNames[static_cast<int>(HostTable::PDMetadata)], "PDMetadata");
  for (int i = 0; i < kNamedTableCount; ++i) {
    for (int j = i + 1; j < kNamedTableCount; ++j) {
      EXPECT_STRNE(kHostTableNames[i], kHostTableNames[j]);
    }
  }
}

TEST(HostOperations, SelectorsFitTheTables) {
#define HOST_OP(table, selector, name, ret, params) \
  EXPECT_GT(name##_SEL, 0) << #name;                \
  EXPECT_LT(name##_SEL, kMaxHostSelector) << #name;
#include "host_operations.def"
#undef HOST_OP
}

// Where a role's first guess named another operation of the host: these are the ones
// the host has at those selectors.
TEST(HostOperations, SelectorsAreTheHostsOwn) {
  EXPECT_EQ(PDXlateToPDFDocEnc_SEL, 116);
  EXPECT_EQ(PDXlateToHost_SEL, 117);
  EXPECT_EQ(PDEColorSpaceCreateFromName_SEL, 37);
  EXPECT_EQ(PDEColorSpaceCreate_SEL, 58);
  EXPECT_EQ(PDWordFinderEnumWords_SEL, 235);
  EXPECT_EQ(PDWordGetLength_SEL, 236);
  EXPECT_EQ(PDWordGetString_SEL, 237);
  EXPECT_EQ(PDWordGetAttr_SEL, 238);
  EXPECT_EQ(AVPageViewSetColor_SEL, 114);
  EXPECT_EQ(AVPageViewDrawRect_SEL, 131);
  EXPECT_EQ(AVPageViewPointToDevice_SEL, 152);
  EXPECT_EQ(kNotifyWillPrintPage, 28);
  static_assert(std::is_same_v<PDWordGetLength_Proc, ASUns8(HOSTCALL*)(PDWord)>);
  static_assert(std::is_same_v<PDWordGetAttr_Proc, ASUns16(HOSTCALL*)(PDWord)>);
  static_assert(std::is_same_v<PDEColorSpaceCreate_Proc, PDEColorSpace(HOSTCALL*)(ASAtom, void*)>);
  static_assert(std::is_same_v<ASAtomExistsForString_Proc, ASBool(HOSTCALL*)(const char*, ASAtom*)>);
}
