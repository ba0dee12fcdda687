// The machine's printers, reached through libcups.
#pragma once

#include <string>
#include <vector>

#include "pdf/pdf_document.h"

namespace viewer::print {

// Every CUPS destination ("name", or "name/instance"), the default first; none when
// there is no scheduler.
std::vector<std::string> CupsPrinterNames();

// Sends 0-based pages firstPage..lastPage of doc to a CUPS destination as a PDF job of
// `copies` copies. Throws core::HostError(kHostErrPrint) when CUPS refuses it.
void PrintToCups(pdf::PdfDocument& doc, const std::string& printer, int firstPage,
                 int lastPage, int copies);

}  // namespace viewer::print
