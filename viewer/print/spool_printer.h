// The spool printer, always present and the default: each job becomes one PDF file in
// the spool folder (job-0001.pdf, ...) holding the printed pages, and one line of the
// folder's job list (job_line.h).
#pragma once

#include <string>

#include "pdf/pdf_document.h"

namespace viewer::print {

inline constexpr char kSpoolPrinterName[] = "Spool printer";

// Prints 0-based pages firstPage..lastPage of doc, `copies` times over in the one
// file, into folder (created when missing), numbered after the highest job there.
// Answers the job file's path. Throws core::HostError (kHostErrPrint when the folder
// or a file cannot be written).
std::string SpoolJob(pdf::PdfDocument& doc, int firstPage, int lastPage, int copies,
                     const std::string& folder);

}  // namespace viewer::print
