// Named page sizes: the file's records, the millimetres of a page and the match rule.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ui/page_size_table.h"

namespace {

// The table a file of these bytes gives.
PageSizeTable Read(const std::string& bytes) {
  std::FILE* file = std::tmpfile();
  EXPECT_NE(file, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  PageSizeTable table;
  table.count = 7;  // reading starts afresh
  ReadPageSizeTable(file, table);
  std::fclose(file);
  return table;
}

PageSizeRecord Record(const char* line) {
  PageSizeTable table;
  EXPECT_TRUE(AddPageSizeLine(table, line)) << line;
  return table.records[0];
}

// A rectangle of this size in points at (x, y), as the host gives it: left, top,
// right, bottom in 16.16 fixed point.
ASFixedRect Box(double width, double height, double x = 0, double y = 0) {
  auto fixed = [](double v) { return static_cast<ASFixed>(v * 65536 + 0.5); };
  return {fixed(x), fixed(y + height), fixed(x + width), fixed(y)};
}

bool Matches(const char* line, int width, int height) {
  return PageMatchesSize(Record(line), {width, height});
}

TEST(PluginPageSizes, MillimetresTruncateWithTheFileFactor) {
  const PageMillimetres a4 = PageSizeInMillimetres(Box(595, 842));
  EXPECT_EQ(a4.width, 209);
  EXPECT_EQ(a4.height, 296);
  const PageMillimetres letter = PageSizeInMillimetres(Box(612, 792, -30, 500));
  EXPECT_EQ(letter.width, 215);
  EXPECT_EQ(letter.height, 279);
  // With 2.54 the turned A4 page would measure 297: the factor is what the files were
  // made with.
  EXPECT_EQ(PageSizeInMillimetres(Box(842, 595)).width, 296);
  // A box wider than a fixed-point difference can hold is measured all the same.
  const PageMillimetres huge = PageSizeInMillimetres(Box(60000, 10, -30000, 0));
  EXPECT_EQ(huge.width, 21159);
}

TEST(PluginPageSizes, A4RecordFindsBothOrientationsAndNotLetter) {
  const char* a4 = "SIZE;A4;295;298;208;211";
  EXPECT_TRUE(Matches(a4, 209, 296));
  EXPECT_TRUE(Matches(a4, 296, 209));
  EXPECT_FALSE(Matches(a4, 215, 279));
  EXPECT_FALSE(Matches(a4, 279, 215));
}

TEST(PluginPageSizes, BoundsAreInclusiveAndOverlappingRangesMatch) {
  EXPECT_TRUE(Matches("SIZE;SQ;200;300;200;300", 250, 250));
  EXPECT_TRUE(Matches("SIZE;SQ;200;300;200;300", 200, 300));
  EXPECT_FALSE(Matches("SIZE;SQ;200;300;200;300", 199, 250));
}

TEST(PluginPageSizes, WidthInTheShortRangeLeavesOnlyTheHeightToDecide) {
  // 100 lies in [90, 110], so 95 is tested against [100, 120] and fails; the turned
  // case (100 in [100, 120], 95 in [90, 110]) is not tried.
  EXPECT_FALSE(Matches("SIZE;X;100;120;90;110", 100, 95));
  EXPECT_TRUE(Matches("SIZE;X;100;120;90;110", 115, 95));
}

TEST(PluginPageSizes, RecordLinesAndComments) {
  const PageSizeTable table = Read(
      "# SIZE;Comment;1;2;3;4\n"
      "SIZE;A4;295;298;208;211\r\n"
      "SIZES;Wide; 10;+20;-3;4x\n"
      "SIZE1;One;1;2;3;4\n"
      "size;Lower;1;2;3;4\n"
      ";;SIZE;;Leading;;5;6;7;8;extra\n"
      "\n"
      ";;;\n"
      "SIZE;Short;1;2;3\n"
      "SIZE\n"
      "Letter;SIZE;1;2;3;4\n"
      "SIZE;Last;1;2;3;4");
  ASSERT_EQ(table.count, 5);
  EXPECT_STREQ(table.records[0].name, "A4");
  // The carriage return stays in the last token, where the number ignores it.
  EXPECT_EQ(table.records[0].d, 211);
  EXPECT_STREQ(table.records[1].name, "Wide");
  EXPECT_EQ(table.records[1].a, 10);
  EXPECT_EQ(table.records[1].b, 20);
  EXPECT_EQ(table.records[1].c, -3);
  EXPECT_EQ(table.records[1].d, 4);
  EXPECT_STREQ(table.records[2].name, "One");
  EXPECT_STREQ(table.records[3].name, "Leading");
  EXPECT_EQ(table.records[3].a, 5);
  EXPECT_EQ(table.records[3].d, 8);
  EXPECT_STREQ(table.records[4].name, "Last");
}

TEST(PluginPageSizes, LongLinesAreReadInPiecesOf254Bytes) {
  // The first piece holds the record (its name padded out); the rest of the line is
  // a piece of its own, read as a line, and it is a record too when it reads as one.
  const std::string longName(230, 'N');
  const std::string firstPiece = "SIZE;" + longName + ";1;2;3;4;";
  const std::string line = firstPiece + std::string(254 - firstPiece.size(), ' ') +
                           "SIZE;Tail;5;6;7;8\n";
  const PageSizeTable table = Read(line + "SIZE;After;1;2;3;4\n");
  ASSERT_EQ(table.count, 3);
  EXPECT_EQ(std::string(table.records[0].name), longName.substr(0, 51));
  EXPECT_STREQ(table.records[1].name, "Tail");
  EXPECT_EQ(table.records[1].d, 8);
  EXPECT_STREQ(table.records[2].name, "After");
}

TEST(PluginPageSizes, NamesKeepAtMost51Bytes) {
  const std::string name51(51, 'a');
  EXPECT_EQ(std::string(Record(("SIZE;" + name51 + ";1;2;3;4").c_str()).name), name51);
  EXPECT_EQ(std::string(Record(("SIZE;" + name51 + "b;1;2;3;4").c_str()).name), name51);
}

TEST(PluginPageSizes, TheTableHoldsTwoHundredRecords) {
  std::string bytes;
  for (int i = 0; i < 205; ++i) bytes += "SIZE;S" + std::to_string(i) + ";1;2;3;4\n";
  const PageSizeTable table = Read(bytes);
  ASSERT_EQ(table.count, kPageSizeCapacity);
  EXPECT_STREQ(table.records[199].name, "S199");
}

TEST(PluginPageSizes, SameNamedRecordsEachListTheMatchingPage) {
  const PageSizeTable table = Read(
      "SIZE;A4;295;298;208;211\nSIZE;Letter;276;282;212;218\nSIZE;A4;290;300;200;215\n");
  const std::vector<PageSizeRecord> a4 = RecordsNamed(table, "A4");
  ASSERT_EQ(a4.size(), 2u);
  EXPECT_EQ(a4[1].a, 290);
  EXPECT_TRUE(RecordsNamed(table, "a4").empty());
  EXPECT_TRUE(RecordsNamed(table, "A").empty());

  FoundPages found;
  EXPECT_TRUE(AppendMatchingPage(found, a4, 0, {209, 296}));  // both records
  EXPECT_TRUE(AppendMatchingPage(found, a4, 1, {215, 279}));  // neither
  EXPECT_TRUE(AppendMatchingPage(found, a4, 2, {213, 292}));  // the wider one
  ASSERT_EQ(found.count, 3);
  EXPECT_EQ(found.pages[0], 0);
  EXPECT_EQ(found.pages[1], 0);
  EXPECT_EQ(found.pages[2], 2);
}

TEST(PluginPageSizes, FoundPagesStopAtTheirCapacity) {
  const PageSizeTable table = Read("SIZE;A4;295;298;208;211\nSIZE;A4;295;298;208;211\n");
  const std::vector<PageSizeRecord> a4 = RecordsNamed(table, "A4");
  FoundPages found;
  found.count = kFoundPageCapacity - 1;
  EXPECT_FALSE(AppendMatchingPage(found, a4, 42, {209, 296}));
  EXPECT_EQ(found.count, kFoundPageCapacity);
  EXPECT_EQ(found.pages[kFoundPageCapacity - 1], 42);
}

}  // namespace
