// The Setup dialog's values: the settings that have no control in the main dialog.
// The main dialog holds one object for its whole life; the settings file reads and
// writes these members directly.
#pragma once

#include <string>

class CSetupDlg {
 public:
  int thumbsOne = 0;            // THUMBSONE
  int thumbsPrior = 0;          // THUMBSPRIOR
  int startupMax = 0;           // STARTUPMAX
  int intelCheckOff = 0;        // INTELCHECKOFF
  int indexOnly = 0;            // INDEXONLY
  int indexFontSize = 10;       // INDEXFONTSIZE
  int indexPageWidth = 612;     // INDEXPW
  int indexPageHeight = 792;    // INDEXPH
  int indexIndent = 10;         // INDEXINDENT
  int sepBookmarks = 0;         // SEPBOOKMARKS
  std::string pageSizesFile;    // PAGESIZESFILE
  int indexWrap = 9999;         // INDEXWRAP
  int indexBlankLine = 0;       // INDEXBLANKLINE
  // LAYEREDPDF: bookmarks with a destination perform their own action when chosen.
  int layeredPdf = 0;
  int thumbsIncSub1 = 0;        // THUMBSINCSUB1
};
