// Named paper sizes read from the page-sizes file, and which pages match them.
//
// The file is plain text. A line whose first token begins with "SIZE" is a record:
// SIZE;name;a;b;c;d, where [a, b] is the range in whole millimetres of one side of
// the page (the height of a portrait page) and [c, d] of the other. Every other line
// is a comment.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

#include "host_types.h"

inline constexpr int kPageSizeCapacity = 200;
// A name field: 51 bytes and the terminating zero.
inline constexpr int kPageSizeNameSize = 52;
inline constexpr int kFoundPageCapacity = 16384;
// The file is read in pieces of at most this many bytes, as lines.
inline constexpr std::size_t kPageSizesLineLimit = 254;

struct PageSizeRecord {
  char name[kPageSizeNameSize];
  int32_t a, b;  // the range of one side (the long side of a portrait page)
  int32_t c, d;  // the range of the other side
};

struct PageSizeTable {
  int32_t count = 0;
  PageSizeRecord records[kPageSizeCapacity] = {};
};

// Zero-based indexes of the pages "Find" matched, in the order found.
struct FoundPages {
  int32_t count = 0;
  int32_t pages[kFoundPageCapacity] = {};
};

// A page's size in whole millimetres.
struct PageMillimetres {
  int32_t width = 0;
  int32_t height = 0;
};

// Adds the record a line holds; false (adding nothing) when the line is no record,
// when it has fewer than six tokens, or when the table is full. A name longer than
// 51 bytes keeps its first 51.
bool AddPageSizeLine(PageSizeTable& table, std::string_view line);

// Empties the table and reads the file's records into it, in file order.
void ReadPageSizeTable(std::FILE* file, PageSizeTable& table);

// The size of a page rectangle (16.16 fixed point) in millimetres, truncated, with the
// factor 2.53916 per inch: 595 by 842 points measure 209 by 296.
PageMillimetres PageSizeInMillimetres(const ASFixedRect& box);

// When the width lies in [c, d] only the height decides (it must lie in [a, b]);
// otherwise the page matches turned: width in [a, b] and height in [c, d].
bool PageMatchesSize(const PageSizeRecord& record, PageMillimetres page);

// The records named exactly `name` (byte for byte), in file order.
std::vector<PageSizeRecord> RecordsNamed(const PageSizeTable& table, std::string_view name);

// Appends `page` once for every record it matches; false once the list is full.
bool AppendMatchingPage(FoundPages& found, const std::vector<PageSizeRecord>& records,
                        int32_t page, PageMillimetres size);

// The main dialog's page-size search: the sizes read last and the pages found last
// (kept for the report of found pages).
struct PageSizeSearch {
  PageSizeTable table;
  FoundPages found;
  // Counts the searches begun, and the thumbnail selections that replace theirs: a
  // search that sees a later one begun (run by a pump of its own loop) leaves the
  // result to that one.
  int searches = 0;
};
