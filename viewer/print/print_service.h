// The viewer's print service: what a print request does to a document window.
#pragma once

#include <string>
#include <vector>

#include "app/doc_window.h"
#include "print/print_request.h"

namespace viewer::print {

// The spool printer first (the default), then every CUPS destination.
std::vector<std::string> AvailablePrinters();

// The spool folder: TESSALY_SPOOL, else "spool" beside viewer.exe.so.
std::string SpoolFolder();

// The printer of silent jobs: the one the environment variable TESSALY_DEFAULT_PRINTER
// names (a CUPS destination), else the spool printer.
std::string DefaultPrinter();

// Prints the request's pages of doc: through the Print dialog when it is interactive
// (Cancel prints nothing), else on the default printer, one copy. Once a job has
// printed, the registrants of notification 28 hear of it. Throws core::HostError when
// the printer fails.
void PrintDocument(DocWindow& doc, const PrintRequest& request);

}  // namespace viewer::print
