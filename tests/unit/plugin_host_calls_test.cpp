// The typed host operations reach the right entry of the right table, and
// answer an empty result when the table or the entry is missing.
#include <gtest/gtest.h>

#include <cstring>

#include "host/callbacks.h"
#include "host/host_calls.h"

namespace {

struct FakeTables {
  void* core[kMaxHostSelector + 1] = {};
  void* acroView[kMaxHostSelector + 1] = {};
  void* pdModel[kMaxHostSelector + 1] = {};
};

const char* lastAtomText = nullptr;
ASExtension lastCallbackOwner = 0;
void* lastCallbackProc = nullptr;
PDBookmark lastBookmark{};

ASAtom HOSTCALL FakeAtomFromString(const char* text) {
  lastAtomText = text;
  return 42;
}
ASCallback HOSTCALL FakeCallbackCreate(ASExtension owner, void* proc) {
  lastCallbackOwner = owner;
  lastCallbackProc = proc;
  return reinterpret_cast<char*>(proc) + 1;  // the host's own wrapper, not the procedure
}
AVDoc HOSTCALL FakeActiveDoc() { return reinterpret_cast<AVDoc>(0x1234); }
PDBookmark HOSTCALL FakeNextBookmark(PDBookmark bookmark) {
  lastBookmark = bookmark;
  return PDBookmark{{bookmark.id + 1, 7}};
}
ASInt32 HOSTCALL FakeNumPages(PDDoc) { return 12; }
void HOSTCALL SomeExecuteProc(void*) {}

class PluginHostCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = host::hostTables;
    host::hostTables = {};
    lastAtomText = nullptr;
    lastCallbackOwner = 0;
    lastCallbackProc = nullptr;
    lastBookmark = {};
  }
  void TearDown() override { host::hostTables = saved_; }

  void Install() {
    host::hostTables.core = fake_.core;
    host::hostTables.named[static_cast<int>(HostTable::AcroView)] = {fake_.acroView,
                                                                    kTableVersion50};
    host::hostTables.named[static_cast<int>(HostTable::PDModel)] = {fake_.pdModel,
                                                                   kTableVersion50};
  }

  FakeTables fake_;
  host::HostTables saved_;
};

TEST_F(PluginHostCalls, MissingTablesGiveEmptyResults) {
  EXPECT_EQ(host::ASAtomFromString("ADBE:Tessaly"), 0);
  EXPECT_EQ(host::AVAppGetActiveDoc(), nullptr);
  EXPECT_EQ(host::PDDocGetNumPages(nullptr), 0);
  const PDBookmark next = host::PDBookmarkGetNext(PDBookmark{{5, 0}});
  EXPECT_EQ(next.id, 0u);
  EXPECT_EQ(next.gen, 0u);
  host::AVAlertNote("nothing to show it");  // a void operation simply does nothing
  EXPECT_EQ(lastAtomText, nullptr);
}

TEST_F(PluginHostCalls, MissingEntriesGiveEmptyResults) {
  Install();
  EXPECT_EQ(host::ASAtomFromString("ADBE:Tessaly"), 0);
  EXPECT_EQ(host::AVAppGetActiveDoc(), nullptr);
  EXPECT_EQ(host::PDDocGetNumPages(nullptr), 0);
}

TEST_F(PluginHostCalls, OperationsCallTheirEntryWithTheirArguments) {
  fake_.core[ASAtomFromString_SEL] = reinterpret_cast<void*>(&FakeAtomFromString);
  fake_.acroView[AVAppGetActiveDoc_SEL] = reinterpret_cast<void*>(&FakeActiveDoc);
  fake_.pdModel[PDBookmarkGetNext_SEL] = reinterpret_cast<void*>(&FakeNextBookmark);
  Install();

  EXPECT_EQ(host::ASAtomFromString("ADBE:Tessaly"), 42);
  EXPECT_STREQ(lastAtomText, "ADBE:Tessaly");
  EXPECT_EQ(host::AVAppGetActiveDoc(), reinterpret_cast<AVDoc>(0x1234));
  const PDBookmark next = host::PDBookmarkGetNext(PDBookmark{{5, 3}});
  EXPECT_EQ(lastBookmark.id, 5u);
  EXPECT_EQ(lastBookmark.gen, 3u);
  EXPECT_EQ(next.id, 6u);
  EXPECT_EQ(next.gen, 7u);
}

TEST_F(PluginHostCalls, EachOperationLooksOnlyInItsOwnTable) {
  // Selector 83 is a document's page count in PDModel; the same slot of AcroView
  // must not be taken for it.
  fake_.acroView[PDDocGetNumPages_SEL] = reinterpret_cast<void*>(&FakeNumPages);
  Install();
  EXPECT_EQ(host::PDDocGetNumPages(nullptr), 0);
  fake_.pdModel[PDDocGetNumPages_SEL] = reinterpret_cast<void*>(&FakeNumPages);
  EXPECT_EQ(host::PDDocGetNumPages(nullptr), 12);
}

TEST_F(PluginHostCalls, CallbacksAreCreatedForTheExtension) {
  fake_.core[ASCallbackCreate_SEL] = reinterpret_cast<void*>(&FakeCallbackCreate);
  Install();
  host::hostTables.extensionID = 77;

  const AVExecuteProc wrapped = host::CreateCallback(&SomeExecuteProc);
  EXPECT_EQ(lastCallbackOwner, 77u);
  EXPECT_EQ(lastCallbackProc, reinterpret_cast<void*>(&SomeExecuteProc));
  EXPECT_EQ(reinterpret_cast<void*>(wrapped),
            reinterpret_cast<char*>(reinterpret_cast<void*>(&SomeExecuteProc)) + 1);
}

}  // namespace
