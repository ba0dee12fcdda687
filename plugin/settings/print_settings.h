// The twenty values kept in a settings file (".ppf"), gathered in one record so the
// file grammar can be read and written without the dialogs that hold them.
#pragma once

#include <string>

// The values held by the Setup dialog: the settings without a control in the main
// dialog. The Setup dialog object keeps them as its own members.
struct SetupSettings {
  int thumbsOne = 0;               // THUMBSONE
  int thumbsPrior = 0;             // THUMBSPRIOR
  int startupMax = 0;              // STARTUPMAX
  int intelCheckOff = 0;           // INTELCHECKOFF
  int indexOnly = 0;               // INDEXONLY
  int indexFontSize = 10;          // INDEXFONTSIZE
  int indexPageWidth = 612;        // INDEXPW
  int indexPageHeight = 792;       // INDEXPH
  int indexIndent = 10;            // INDEXINDENT
  int sepBookmarks = 0;            // SEPBOOKMARKS
  std::string pageSizesFile;       // PAGESIZESFILE
  int indexWrap = 9999;            // INDEXWRAP
  int indexBlankLine = 0;          // INDEXBLANKLINE
  // LAYEREDPDF: bookmarks with a destination perform their own action when chosen.
  int layeredPdf = 0;
  int thumbsIncSub1 = 0;           // THUMBSINCSUB1
};

struct PrintSettings : SetupSettings {
  // Bound to controls of the main dialog.
  int autoExpandTree = 0;          // AUTOEXPANDTREE
  int silentPrint = 0;             // SILENTPRINT
  int printIndex = 0;              // PRINTINDEX
  std::string selectText = "Example";  // SELECTTEXT
  std::string pageSize;            // PAGESIZE
  // "Select all (toggle)" of the main dialog: no key, but every load clears it.
  int selectAll = 0;
};

// What every load does before reading the file: these flags are on only while the
// file loaded last names them.
void ClearBeforeLoad(PrintSettings& settings);
