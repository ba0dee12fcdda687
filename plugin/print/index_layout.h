// The index document's layout: one line per selected bookmark (or several, wrapped),
// its title indented by level and its pages at the right, in pages of a set size;
// and the two passes that build the document with the writer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/bookmark_model.h"
#include "print/index_pdf_writer.h"
#include "settings/print_settings.h"

// The length of the piece of `line` that starts at `start` and ends at the last space
// or comma within columns start to start + width (the piece keeps it); 0 when there is
// none, and the caller cuts at `width` characters.
size_t FindWrapBreak(std::string_view line, size_t start, size_t width);

// Lays out the lines of the ticked entries, after widening the selection, on the
// writer's current page and the pages it starts as they fill, and ends the last page.
// Reads INDEXFONTSIZE, INDEXPW, INDEXPH, INDEXINDENT, INDEXWRAP and INDEXBLANKLINE.
// The index draws in WinAnsiEncoding: `toWinAnsi` turns a title from the host's
// encoding into Windows-1252 (none: the title's bytes as they are).
using IndexTitleEncoder = std::string (*)(std::string_view title);
void WriteIndexEntries(IndexPdfWriter& writer, BookmarkModel& model, const SetupSettings& settings,
                       IndexTitleEncoder toWinAnsi = nullptr);

// Writes the index document to `path`: a counting pass that learns the number of
// pages, then the writing pass. Returns the number of pages, counted even when the
// file cannot be written (the writer's written() then says so).
int BuildIndexDocument(IndexPdfWriter& writer, const std::string& path, BookmarkModel& model,
                       const SetupSettings& settings, IndexTitleEncoder toWinAnsi = nullptr);
