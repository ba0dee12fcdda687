#include "print_settings.h"

void ClearBeforeLoad(PrintSettings& settings) {
  settings.autoExpandTree = 0;
  settings.silentPrint = 0;
  settings.printIndex = 0;
  settings.indexBlankLine = 0;
  settings.thumbsIncSub1 = 0;
  settings.selectAll = 0;
}
