// The page-number import's file: one page a line, by the line's leading number.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string_view>

// The 0-based page a line names: its leading decimal integer (blanks and a sign before
// it allowed, anything after it ignored) minus one; a line without a number gives -1.
int32_t ImportedPageIndex(std::string_view line);

// Reads the file line by line, as a 255-byte line buffer would (a longer line comes in
// pieces of 254 bytes, each a line of its own), and hands each line's page to `take`.
void ReadImportedPages(std::FILE* file, const std::function<void(int32_t page)>& take);
