// The viewer's Print dialog: a printer list (the spool printer first and chosen), the
// pages From and To, and the number of copies.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "print/print_choice.h"

namespace viewer {

// Shows the dialog modally over owner with proposed (0-based pages, first printer,
// one copy). Answers the choice on OK, nothing on Cancel.
std::optional<print::PrintChoice> ShowPrintDialog(HWND owner,
                                                  const std::vector<std::string>& printers,
                                                  const print::PrintChoice& proposed,
                                                  int pageCount);

}  // namespace viewer
