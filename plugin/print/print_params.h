// The host's print parameter record as the print job fills it.
#pragma once

#include <cstdint>

#include "host_records.h"

// The print parameters and the printer record they point at; both live as long as this
// object.
struct PrintParameters {
  AVDocPrintParamsRec record{};
  ASPlatformPrinterSpecRec printer{};
};

// Zero-fills both records, then: the sizes, `interactive` (1 lets the host show its
// print dialog), the 0-based pages, the (empty) printer record, and
// `emitToPrinter`.
void FillPrintParameters(PrintParameters& parameters, bool interactive, int32_t firstPage,
                         int32_t lastPage);
