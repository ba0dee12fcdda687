#include "print_params.h"

#include <cstring>

void FillPrintParameters(PrintParameters& parameters, bool interactive, int32_t firstPage,
                         int32_t lastPage) {
  std::memset(&parameters.record, 0, sizeof parameters.record);
  std::memset(&parameters.emit, 0, sizeof parameters.emit);
  parameters.emit.size = sizeof parameters.emit;
  AVDocPrintParamsRec& record = parameters.record;
  record.size = sizeof record;
  record.interactive = interactive ? 1 : 0;
  record.firstPage = firstPage;
  record.lastPage = lastPage;
  record.emitParams = &parameters.emit;
  record.emitToPrinter = 1;
}
