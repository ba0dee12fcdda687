// What a caller of the host's print operation asks for, read from its parameter record.
#pragma once

#include "host_records.h"

namespace viewer::print {

struct PrintRequest {
  bool interactive = false;  // show the Print dialog first
  int firstPage = 0;         // 0-based
  int lastPage = 0;          // 0-based, inclusive
};

// A printable range: first <= last, both inside a document of pageCount pages.
bool IsPrintableRange(int firstPage, int lastPage, int pageCount);

// Throws core::HostError: kHostErrBadParameter for a null record or one too short to
// hold the page range, kHostErrBadPage for a range outside the document.
PrintRequest ReadPrintRequest(const AVDocPrintParamsRec* params, int pageCount);

}  // namespace viewer::print
