// The main dialog's status line: ticked pages of all pages.
#pragma once

#include <string>

// "Pg %d/%d": 12 ticked pages of 240 read "Pg 12/240".
std::string PageCountText(int tickedPages, int pageCount);
