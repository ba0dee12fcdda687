// Layouts of the host records that carry no pointers hold on every build; the ones
// with pointers are pinned by static assertions in the 32-bit Windows build.
#include <gtest/gtest.h>

#include <cstring>

#include "host_operations.h"

TEST(HostRecords, PointerFreeRecordsKeepTheirSizes) {
  EXPECT_EQ(sizeof(AVDocPrintEmitParams), 480u);
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
