// The comma-separated bookmark exports, as the bytes their files hold: every field in
// double quotes, every line ending in CR LF.
#pragma once

#include <string>
#include <string_view>

#include "model/bookmark_model.h"

// The pages an entry covers: "3" for one page, "3-7" for several.
std::string ExportPagesField(const BookmarkEntry& entry);

// A title as a quoted field's contents: a double quote inside is doubled, as CSV
// readers expect, so that the field ends where it should; nothing else changes.
std::string QuotedFieldText(std::string_view text);

// One line per ticked entry in model order: the title, then the pages with a blank
// after the opening quote.
std::string ExportNamesText(const BookmarkModel& model);

// One line per ticked entry in model order: level - 1, the pages with a blank after the
// opening quote, level - 2 fields holding a blank, then the title.
std::string ExportNamesNestedText(const BookmarkModel& model);
