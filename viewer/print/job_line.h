// One line of the spool folder's job list (jobs.txt): the job number, the document's
// file, its pages (1-based first-last), the printer and the number of copies,
// separated by tabs and ended by LF:
//   3<TAB>/home/me/plans.pdf<TAB>2-5<TAB>Spool printer<TAB>1
#pragma once

#include <string>

namespace viewer::print {

struct JobLine {
  int jobNumber = 0;
  std::string document;  // Linux path
  int firstPage = 1;     // 1-based
  int lastPage = 1;      // 1-based, inclusive
  std::string printer;
  int copies = 1;
};

// Tabs and line ends inside a field become blanks, so a line stays one line of five
// fields.
std::string FormatJobLine(const JobLine& job);

}  // namespace viewer::print
