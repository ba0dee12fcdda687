#include "print_params.h"

#include <cstring>

void FillPrintParameters(PrintParameters& parameters, bool interactive, int32_t firstPage,
                         int32_t lastPage) {
  std::memset(&parameters.record, 0, sizeof parameters.record);
  std::memset(&parameters.printer, 0, sizeof parameters.printer);
  parameters.printer.size = sizeof parameters.printer;
  AVDocPrintParamsRec& record = parameters.record;
  record.size = sizeof record;
  record.interactive = interactive ? 1 : 0;
  record.firstPage = firstPage;
  record.lastPage = lastPage;
  record.printerSpec = &parameters.printer;
  record.emitToPrinter = 1;
}
