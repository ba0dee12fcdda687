// Where the time of building and showing the bookmark tree goes, for measuring large
// outlines: when the environment variable TESSALY_TIMINGS names a file, one line per
// phase is appended to it. Nothing is written when it is unset or empty.
#pragma once

#include <string>

struct BuildTiming {
  double walkMs = 0;       // the whole outline walk
  double hostCallsMs = 0;  // inside host operations
  double pumpMs = 0;       // draining the message queue
  int pumps = 0;
  int entries = 0;
};

struct ClearTiming {
  int items = 0;         // items deleted one by one
  double deleteMs = 0;   // the requests
  double pumpMs = 0;
  int pumps = 0;
};

struct FillTiming {
  double rangesMs = 0;
  double insertsMs = 0;  // inserting the tree items
  double pumpMs = 0;
  int pumps = 0;
  int items = 0;
};

struct ExpandTiming {
  int code = 0;          // 2 expands, 1 collapses
  int items = 0;         // items with children, each sent the request
  double walkMs = 0;     // finding them
  double expandMs = 0;   // the requests
  double pumpMs = 0;
  int pumps = 0;
  bool treeHidden = false;  // hidden by us for the change
};

// A change of many check boxes: a select tool or a click on an item with children.
struct ChecksTiming {
  const char* tool = "";
  int read = 0;           // boxes read from the control
  int changed = 0;        // boxes written
  double rulesMs = 0;     // working out the boxes, reads included
  double applyMs = 0;     // writing them
  double pumpMs = 0;
  bool treeHidden = false;
};

struct RefreshTiming {
  double readMs = 0;   // the check boxes from the control
  double markMs = 0;   // ticking the entries of the checked items
  double dropMs = 0;   // dropping nested ranges
  double pumpMs = 0;
  int checked = 0;
  int ticked = 0;
};

// A "&Print" run: where a job's fixed cost goes.
struct PrintTiming {
  int jobs = 0;             // host print calls
  double printMs = 0;       // inside them
  double progressMs = 0;    // around them: the document asked for, the progress window
                            // opened and shown, the pump
  double listMs = 0;        // working out the ranges
  double totalMs = 0;
};

std::string FormatBuildTiming(const BuildTiming& timing);
std::string FormatPrintTiming(const PrintTiming& timing);
std::string FormatChecksTiming(const ChecksTiming& timing);
std::string FormatRefreshTiming(const RefreshTiming& timing);
std::string FormatClearTiming(const ClearTiming& timing);
std::string FormatFillTiming(const FillTiming& timing);
std::string FormatExpandTiming(const ExpandTiming& timing);

// The file a TESSALY_TIMINGS value names: a Linux path (starting with "/") is reached
// through Wine's drive Z:, anything else is taken as a Windows path.
std::string TimingLogFile(const char* variable);

bool TimingLogEnabled();
// Appends `line` and a line end to the file named by TESSALY_TIMINGS.
void AppendTimingLine(const std::string& line);
