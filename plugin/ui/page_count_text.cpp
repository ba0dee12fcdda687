#include "page_count_text.h"

#include <cstdio>

std::string PageCountText(int tickedPages, int pageCount) {
  char text[32];
  std::snprintf(text, sizeof text, "Pg %d/%d", tickedPages, pageCount);
  return text;
}
