// The print job's list of page ranges: collected from the ticked entries, then
// pruned and joined in one pass; and the print parameter record it hands the host.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "print/print_list.h"
#include "print/print_params.h"

namespace {

using Ranges = std::vector<std::pair<int, int>>;

PrintList ListOf(const Ranges& ranges) {
  PrintList list;
  for (const auto& [first, last] : ranges) list.rows.push_back({first, last, PDAction{}});
  return list;
}

Ranges Live(const PrintList& list) {
  Ranges live;
  for (const PrintRange& row : list.rows)
    if (!row.Dead()) live.emplace_back(row.first, row.last);
  return live;
}

TEST(PluginPrintList, TouchingRangesJoinUnlessSeparate) {
  PrintList joined = ListOf({{1, 3}, {4, 9}});
  TidyPrintList(joined, false);
  EXPECT_EQ(Live(joined), (Ranges{{1, 9}}));

  PrintList separate = ListOf({{1, 3}, {4, 9}});
  TidyPrintList(separate, true);
  EXPECT_EQ(Live(separate), (Ranges{{1, 3}, {4, 9}}));
}

TEST(PluginPrintList, ARangeInsideAnotherIsDroppedEvenWhenSeparate) {
  for (const bool separate : {false, true}) {
    PrintList list = ListOf({{2, 5}, {1, 9}});
    TidyPrintList(list, separate);
    EXPECT_EQ(Live(list), (Ranges{{1, 9}})) << separate;
    // The dropped row stays in the list, dead.
    EXPECT_EQ(list.rows.size(), 2u);
  }
  // Of two equal rows the earlier stays.
  PrintList equal = ListOf({{3, 4}, {3, 4}});
  TidyPrintList(equal, true);
  EXPECT_FALSE(equal.rows[0].Dead());
  EXPECT_TRUE(equal.rows[1].Dead());
}

TEST(PluginPrintList, OnePassJoinsOnlyAsFarAsTheListOrderAllows) {
  PrintList list = ListOf({{1, 2}, {5, 6}, {3, 4}});
  TidyPrintList(list, false);
  EXPECT_EQ(Live(list), (Ranges{{1, 4}, {5, 6}}));

  PrintList ordered = ListOf({{1, 2}, {3, 4}, {5, 6}});
  TidyPrintList(ordered, false);
  EXPECT_EQ(Live(ordered), (Ranges{{1, 6}}));
}

TEST(PluginPrintList, TheTickedEntriesInListOrderAndWhetherAnyIsLayered) {
  auto model = std::make_unique<BookmarkModel>();
  model->pageCount = 12;
  const int firsts[] = {1, 5, 9};
  for (int i = 0; i < 3; ++i) {
    AppendBookmarkEntry(*model, 1, firsts[i], 0, "t", PDAction{{static_cast<ASUns32>(i + 10), 0}});
    model->entries[i].lastPage = firsts[i] + 3;
  }
  model->entries[0].ticked = 1;
  model->entries[2].ticked = 1;
  PrintList list = CollectPrintList(*model);
  EXPECT_EQ(Live(list), (Ranges{{1, 4}, {9, 12}}));
  EXPECT_FALSE(list.layered);
  EXPECT_EQ(list.rows[1].action.id, 12u);

  model->entries[2].performsAction = 1;
  EXPECT_TRUE(CollectPrintList(*model).layered);
  model->entries[1].performsAction = 1;  // not ticked: does not count
  model->entries[2].performsAction = 0;
  EXPECT_FALSE(CollectPrintList(*model).layered);
}

TEST(PluginPrintParameters, TheRecordAsTheHostReadsIt) {
  PrintParameters parameters;
  std::memset(static_cast<void*>(&parameters), 0xAB, sizeof parameters);
  FillPrintParameters(parameters, true, 0, 8);
  const AVDocPrintParamsRec& record = parameters.record;
  EXPECT_EQ(record.size, sizeof(AVDocPrintParamsRec));
  EXPECT_EQ(record.interactive, 1);
  EXPECT_EQ(record.firstPage, 0);
  EXPECT_EQ(record.lastPage, 8);
  ASSERT_EQ(record.printerSpec, &parameters.printer);
  EXPECT_EQ(record.printerSpec->size, 480u);
  EXPECT_EQ(record.emitToPrinter, 1);
  // Everything else is zero.
  EXPECT_EQ(record.cancelDialog, 0);
  EXPECT_EQ(record.emitToFile, 0);
  EXPECT_EQ(record.filePathName, nullptr);
  EXPECT_EQ(record.ranges, nullptr);
  for (const char byte : record.printerSpec->printerName) ASSERT_EQ(byte, 0);
  for (const char byte : record.destProfile) ASSERT_EQ(byte, 0);

  FillPrintParameters(parameters, false, 3, 3);
  EXPECT_EQ(parameters.record.interactive, 0);
  EXPECT_EQ(parameters.record.firstPage, 3);
}

}  // namespace
