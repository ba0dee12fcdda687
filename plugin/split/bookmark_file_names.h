// The names of the files "Save selected bookmarks as PDF files..." writes: one per
// bookmark, "NNN Title.pdf", legal on Windows and unique in their folder.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The file name for each title, in list order. NNN is the place in the list, with as
// many digits as the count needs and at least three, so that the names sort in document
// order and two bookmarks with one title never share a name. In the title, the
// characters a file name may not hold (\ / : * ? " < > | and control characters) become
// "_", trailing dots and blanks go, an empty title becomes "Bookmark", and a reserved
// device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9) gets a "_" after it. Each name is cut,
// on a character boundary (`isLeadByte` answers whether a byte starts a double-byte
// character), to at most `longestName` bytes; a name that cannot fit even its number
// comes out empty.
std::vector<std::string> BookmarkFileNames(const std::vector<std::string>& titles,
                                           size_t longestName,
                                           bool (*isLeadByte)(unsigned char));

// The longest name a file in `folder` may have for its whole path to fit MAX_PATH.
size_t LongestFileNameIn(const std::string& folder);
