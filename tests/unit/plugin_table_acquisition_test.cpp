// Which host tables the plug-in asks for, at which versions and in what order.
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/table_acquisition.h"

namespace {

using Request = std::pair<std::string, ASVersion>;

// A host that offers each table at a set of versions and records every request.
class FakeTableHost {
 public:
  FakeTableHost() {
    for (const char* name : kHostTableNames) offers_[name] = {kTableVersion50};
  }
  void Offer(const std::string& name, std::vector<ASVersion> versions) {
    offers_[name] = std::move(versions);
  }
  // The table handed out for a name: a distinct address per table.
  HFT TableFor(const std::string& name) const {
    for (int i = 0; i < kNamedTableCount; ++i)
      if (name == kHostTableNames[i]) return &entries_[i];
    return nullptr;
  }
  host::TableLookup Lookup() {
    return [this](const char* name, ASVersion version) -> HFT {
      requests_.emplace_back(name, version);
      for (ASVersion offered : offers_[name])
        if (offered == version) return TableFor(name);
      return nullptr;
    };
  }
  const std::vector<Request>& requests() const { return requests_; }

 private:
  std::map<std::string, std::vector<ASVersion>> offers_;
  std::vector<Request> requests_;
  void* entries_[kNamedTableCount] = {};
};

std::vector<Request> EachAtFiveExcept(const std::map<std::string, std::vector<ASVersion>>& asked,
                                      const std::string& lastName = "") {
  std::vector<Request> expected;
  for (const char* name : kHostTableNames) {
    auto it = asked.find(name);
    if (it == asked.end()) {
      expected.emplace_back(name, kTableVersion50);
    } else {
      for (ASVersion version : it->second) expected.emplace_back(name, version);
    }
    if (name == lastName) break;
  }
  return expected;
}

TEST(PluginTableAcquisition, LadderRunsFromTwoPointOneToFivePointZero) {
  const std::vector<ASVersion> ladder(std::begin(host::kVersionLadder),
                                      std::end(host::kVersionLadder));
  EXPECT_EQ(ladder, (std::vector<ASVersion>{0x00020001, 0x00020002, 0x00020003, 0x00040000,
                                            0x00040005, 0x00050000}));
}

TEST(PluginTableAcquisition, TablesOfferedAtFiveAreAllTakenAtFive) {
  FakeTableHost fakeHost;
  host::HostTables tables;
  ASSERT_TRUE(host::AcquireNamedTables(tables, fakeHost.Lookup()));
  for (int i = 0; i < kNamedTableCount; ++i) {
    EXPECT_EQ(tables.named[i].table, fakeHost.TableFor(kHostTableNames[i])) << kHostTableNames[i];
    EXPECT_EQ(tables.named[i].version, kTableVersion50) << kHostTableNames[i];
  }
}

TEST(PluginTableAcquisition, RequestsFollowTheTableOrderOncePerTable) {
  FakeTableHost fakeHost;
  host::HostTables tables;
  ASSERT_TRUE(host::AcquireNamedTables(tables, fakeHost.Lookup()));
  EXPECT_EQ(fakeHost.requests(),
            (std::vector<Request>{
                {"AcroSupport", 0x00050000}, {"Cos", 0x00050000}, {"PDModel", 0x00050000},
                {"PDFEditWrite", 0x00050000}, {"PDFEditRead", 0x00050000},
                {"PDSysFont", 0x00050000}, {"PagePDEContent", 0x00050000},
                {"AcroView", 0x00050000}, {"PDSWrite", 0x00050000}, {"PDSRead", 0x00050000},
                {"Win", 0x00050000}, {"ASExtra", 0x00050000},
                {"AcroViewSweetPea", 0x00050000}, {"PDMetadata", 0x00050000}}));
}

TEST(PluginTableAcquisition, FontAndPageContentTablesAtFourPointZeroAreAccepted) {
  FakeTableHost fakeHost;
  fakeHost.Offer("PDSysFont", {kTableVersion40});
  fakeHost.Offer("PagePDEContent", {kTableVersion40});
  host::HostTables tables;
  ASSERT_TRUE(host::AcquireNamedTables(tables, fakeHost.Lookup()));

  const auto font = static_cast<int>(HostTable::PDSysFont);
  const auto content = static_cast<int>(HostTable::PagePDEContent);
  EXPECT_EQ(tables.named[font].version, kTableVersion40);
  EXPECT_EQ(tables.named[font].table, fakeHost.TableFor("PDSysFont"));
  EXPECT_EQ(tables.named[content].version, kTableVersion40);
  EXPECT_EQ(tables.named[content].table, fakeHost.TableFor("PagePDEContent"));
  EXPECT_EQ(tables.Version(HostTable::AcroView), kTableVersion50);

  const std::vector<ASVersion> downToFour{kTableVersion50, kTableVersion45, kTableVersion40};
  EXPECT_EQ(fakeHost.requests(),
            EachAtFiveExcept({{"PDSysFont", downToFour}, {"PagePDEContent", downToFour}}));
}

TEST(PluginTableAcquisition, HighestOfferedVersionWins) {
  FakeTableHost fakeHost;
  fakeHost.Offer("PDSysFont", {kTableVersion40, kTableVersion45});
  host::HostTables tables;
  ASSERT_TRUE(host::AcquireNamedTables(tables, fakeHost.Lookup()));
  EXPECT_EQ(tables.Version(HostTable::PDSysFont), kTableVersion45);
  EXPECT_EQ(fakeHost.requests(),
            EachAtFiveExcept({{"PDSysFont", {kTableVersion50, kTableVersion45}}}));
}

TEST(PluginTableAcquisition, FontTableBelowFourPointZeroRefusesWithoutAskingLower) {
  FakeTableHost fakeHost;
  fakeHost.Offer("PDSysFont", {kTableVersion23});
  host::HostTables tables;
  EXPECT_FALSE(host::AcquireNamedTables(tables, fakeHost.Lookup()));
  EXPECT_EQ(fakeHost.requests(),
            EachAtFiveExcept({{"PDSysFont", {kTableVersion50, kTableVersion45, kTableVersion40}}},
                             "PDSysFont"));
}

TEST(PluginTableAcquisition, ViewTableBelowFiveRefusesAndStopsThere) {
  FakeTableHost fakeHost;
  fakeHost.Offer("AcroView", {kTableVersion45});
  host::HostTables tables;
  EXPECT_FALSE(host::AcquireNamedTables(tables, fakeHost.Lookup()));

  // AcroView is asked for at 5.0 only, and nothing after it is asked for.
  ASSERT_FALSE(fakeHost.requests().empty());
  EXPECT_EQ(fakeHost.requests().back(), Request("AcroView", kTableVersion50));
  EXPECT_EQ(fakeHost.requests(), EachAtFiveExcept({}, "AcroView"));
  EXPECT_EQ(tables.Table(HostTable::AcroView), nullptr);
  EXPECT_EQ(tables.Version(HostTable::AcroView), 0u);
  for (HostTable later : {HostTable::PDSWrite, HostTable::PDSRead, HostTable::Win,
                          HostTable::ASExtra, HostTable::AcroViewSweetPea, HostTable::PDMetadata}) {
    EXPECT_EQ(tables.Table(later), nullptr);
    EXPECT_EQ(tables.Version(later), 0u);
  }
}

TEST(PluginTableAcquisition, MissingRequiredTableRefusesAtOnce) {
  FakeTableHost fakeHost;
  fakeHost.Offer("Cos", {});
  host::HostTables tables;
  EXPECT_FALSE(host::AcquireNamedTables(tables, fakeHost.Lookup()));
  EXPECT_EQ(fakeHost.requests(),
            (std::vector<Request>{{"AcroSupport", kTableVersion50}, {"Cos", kTableVersion50}}));
  EXPECT_EQ(tables.Version(HostTable::AcroSupport), kTableVersion50);
}

TEST(PluginTableAcquisition, MissingOptionalTablesStayNullAndLoadingSucceeds) {
  FakeTableHost fakeHost;
  for (const char* optional : {"ASExtra", "AcroViewSweetPea", "PDMetadata"})
    fakeHost.Offer(optional, {});
  host::HostTables tables;
  ASSERT_TRUE(host::AcquireNamedTables(tables, fakeHost.Lookup()));
  for (HostTable optional :
       {HostTable::ASExtra, HostTable::AcroViewSweetPea, HostTable::PDMetadata}) {
    EXPECT_EQ(tables.Table(optional), nullptr);
    EXPECT_EQ(tables.Version(optional), 0u);
  }
  EXPECT_EQ(tables.Version(HostTable::Win), kTableVersion50);
  EXPECT_EQ(fakeHost.requests(), EachAtFiveExcept({}));
}

TEST(PluginTableAcquisition, EarlierContentsAreCleared) {
  FakeTableHost fakeHost;
  fakeHost.Offer("PDMetadata", {});
  host::HostTables tables;
  void* stale[1] = {};
  for (host::ObtainedTable& slot : tables.named) slot = {stale, kTableVersion21};
  ASSERT_TRUE(host::AcquireNamedTables(tables, fakeHost.Lookup()));
  EXPECT_EQ(tables.Table(HostTable::PDMetadata), nullptr);
  EXPECT_EQ(tables.Version(HostTable::PDMetadata), 0u);
}

TEST(PluginTableAcquisition, RequiredAndLowestVersionsPerTable) {
  for (const host::TableRequirement& requirement : host::kTableRequirements) {
    const std::string name = kHostTableNames[static_cast<int>(requirement.table)];
    const bool optional =
        name == "ASExtra" || name == "AcroViewSweetPea" || name == "PDMetadata";
    const bool fourPointZero = name == "PDSysFont" || name == "PagePDEContent";
    EXPECT_EQ(requirement.required, !optional) << name;
    EXPECT_EQ(requirement.lowestVersion, fourPointZero ? kTableVersion40 : kTableVersion50)
        << name;
  }
}

}  // namespace
