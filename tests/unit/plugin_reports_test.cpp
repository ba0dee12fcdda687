// The report and export files byte for byte, and the page-number import's lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "memory_file.h"
#include "model/bookmark_ranges.h"
#include "model/nested_selection.h"
#include "reports/bookmark_export.h"
#include "reports/page_number_import.h"
#include "reports/page_number_reports.h"

namespace {

struct Mark {
  int level;
  int firstPage;
  bool ticked;
  const char* title = "t";
};

// Bookmarks in outline order with their ranges worked out as the tree shows them.
std::unique_ptr<BookmarkModel> ModelOf(int pageCount, const std::vector<Mark>& marks) {
  auto model = std::make_unique<BookmarkModel>();
  model->pageCount = pageCount;
  for (const Mark& mark : marks) AppendBookmarkEntry(*model, mark.level, mark.firstPage, 0, mark.title, PDAction{});
  AssignBookmarkRanges(*model);
  for (size_t i = 0; i < marks.size(); ++i) model->entries[i].ticked = marks[i].ticked ? 1 : 0;
  return model;
}

TEST(PluginReports, TickedBookmarksByLevel) {
  // Top-level bookmarks on 1, 5, 5 and 9 and a second-level one on 6, all ticked, in a
  // model three levels deep: the repeated 5 once, and a heading for level 3 too.
  auto model = ModelOf(12, {{1, 1, true}, {1, 5, true}, {1, 5, true}, {2, 6, true},
                            {3, 7, false}, {1, 9, true}});
  EXPECT_EQ(TickedByLevelReport(*model),
            "Level 1\r\n1,5,9\r\n\r\nLevel 2\r\n6\r\n\r\nLevel 3\r\n\r\n\r\n");
  // Nothing ticked: still a heading for every level.
  for (int32_t i = 0; i < model->entryCount; ++i) model->entries[i].ticked = 0;
  EXPECT_EQ(TickedByLevelReport(*model), "Level 1\r\n\r\n\r\nLevel 2\r\n\r\n\r\nLevel 3\r\n\r\n\r\n");
  EXPECT_EQ(TickedByLevelReport(*ModelOf(3, {})), "");
  // Only a page equal to the one just before at its level is skipped.
  EXPECT_EQ(TickedByLevelReport(*ModelOf(9, {{1, 2, true}, {1, 4, true}, {1, 4, false}, {1, 2, true}})),
            "Level 1\r\n2,4,2\r\n\r\n");
}

TEST(PluginReports, FoundAndThumbnailPages) {
  FoundPages found;
  EXPECT_EQ(FoundPagesReport(found), "\r\n\r\n");
  found.count = 3;
  found.pages[0] = 2;
  found.pages[1] = 3;
  found.pages[2] = 9;
  EXPECT_EQ(FoundPagesReport(found), "3,4,10\r\n\r\n");

  std::string list = "3,4,7,";
  EXPECT_EQ(ThumbnailsReport(list), "3,4,7\r\n\r\n\r\n");
  EXPECT_EQ(list, "3,4,7");  // trimmed where it is kept
  std::string commas = "5,,,";
  EXPECT_EQ(ThumbnailsReport(commas), "5\r\n\r\n\r\n");

  std::string lists[kThumbnailLevelLists];
  lists[1] = "2,3,";
  lists[2] = "4,";
  // Headings numbered from 0: the top level's pages come under "Level 0".
  EXPECT_EQ(ThumbnailsByLevelReport(lists), "Level 0\r\n2,3\r\n\r\nLevel 1\r\n4\r\n\r\n");
  EXPECT_EQ(lists[1], "2,3");
  lists[1].clear();
  lists[2].clear();
  lists[0] = "1,";
  lists[254] = "9,";
  EXPECT_EQ(ThumbnailsByLevelReport(lists), "Level -1\r\n1\r\n\r\nLevel 253\r\n9\r\n\r\n");
}

TEST(PluginReports, FlatExportListsTheTickedAndWhatTheyHold) {
  // A ticked A on 1-10 holding an unticked B on 2-4; an unticked Z on 11-12.
  auto model = ModelOf(12, {{1, 1, true, "A"}, {2, 2, false, "B"}, {2, 5, false, "C"}, {1, 11, false, "Z"}});
  model->entries[1].lastPage = 4;
  WidenSelectionToNested(*model);
  EXPECT_EQ(ExportNamesText(*model), "\"A\",\" 1-10\"\r\n\"B\",\" 2-4\"\r\n\"C\",\" 5-10\"\r\n");
  EXPECT_EQ(model->entries[3].ticked, 0);
  // One page: a single number.
  EXPECT_EQ(ExportNamesText(*ModelOf(3, {{1, 3, true, "Last"}})), "\"Last\",\" 3\"\r\n");
  EXPECT_EQ(ExportNamesText(*ModelOf(3, {{1, 1, false, "None"}})), "");
}

TEST(PluginReports, NestedExportPushesDeeperTitlesRight) {
  auto model = ModelOf(8, {{1, 1, true, "One"}, {2, 2, true, "Two"}, {3, 3, true, "Three"},
                           {4, 4, true, "Four"}});
  EXPECT_EQ(ExportNamesNestedText(*model),
            "\"0\",\" 1-8\",\"One\"\r\n"
            "\"1\",\" 2-8\",\"Two\"\r\n"
            "\"2\",\" 3-8\",\" \",\"Three\"\r\n"
            "\"3\",\" 4-8\",\" \",\" \",\"Four\"\r\n");
}

TEST(PluginReports, TitlesWithCommasAndQuotesStayOneField) {
  auto model = ModelOf(2, {{1, 1, true, "Tables, figures"}, {1, 2, true, "The \"quick\" start"}});
  EXPECT_EQ(ExportNamesText(*model),
            "\"Tables, figures\",\" 1\"\r\n\"The \"\"quick\"\" start\",\" 2\"\r\n");
  EXPECT_EQ(QuotedFieldText("\"\""), "\"\"\"\"");
  EXPECT_EQ(QuotedFieldText("plain"), "plain");
}

TEST(PluginReports, ImportedLinesNameAPageByTheirLeadingNumber) {
  EXPECT_EQ(ImportedPageIndex("5\r\n"), 4);
  EXPECT_EQ(ImportedPageIndex("   7 and more\r\n"), 6);
  EXPECT_EQ(ImportedPageIndex("3,4,7\r\n"), 2);
  EXPECT_EQ(ImportedPageIndex("Level 1\r\n"), -1);
  EXPECT_EQ(ImportedPageIndex(""), -1);
  EXPECT_EQ(ImportedPageIndex("-2"), -3);
  EXPECT_EQ(ImportedPageIndex("99999999999999"), 2147483646);
  EXPECT_EQ(ImportedPageIndex("-99999999999999"), -2147483647 - 1);

  // A line longer than 254 bytes comes in pieces, each naming its own page.
  const std::string bytes = "5\r\n7\n" + std::string(253, ' ') + "12" + "\n9";
  std::vector<int32_t> pages;
  WithMemoryFile(bytes, [&](std::FILE* file) {
    ReadImportedPages(file, [&](int32_t page) { pages.push_back(page); });
  });
  // 253 blanks and "1" fill the first piece; "2\n" is the next line.
  EXPECT_EQ(pages, (std::vector<int32_t>{4, 6, 0, 1, 8}));
}

}  // namespace
