#include "print/print_request.h"

#include <cstddef>
#include <string>

#include "core/host_error.h"

namespace viewer::print {

bool IsPrintableRange(int firstPage, int lastPage, int pageCount) {
  return firstPage >= 0 && firstPage <= lastPage && lastPage < pageCount;
}

PrintRequest ReadPrintRequest(const AVDocPrintParamsRec* params, int pageCount) {
  constexpr size_t kLeastSize = offsetof(AVDocPrintParamsRec, lastPage) + sizeof(ASInt32);
  if (params == nullptr) throw core::HostError(kHostErrBadParameter, "no print parameters");
  if (params->size < kLeastSize) {
    throw core::HostError(kHostErrBadParameter,
                          "print parameters of " + std::to_string(params->size) + " bytes");
  }
  if (!IsPrintableRange(params->firstPage, params->lastPage, pageCount)) {
    throw core::HostError(kHostErrBadPage, "pages " + std::to_string(params->firstPage) + " to " +
                                               std::to_string(params->lastPage) + " of " +
                                               std::to_string(pageCount));
  }
  return {params->interactive != 0, params->firstPage, params->lastPage};
}

}  // namespace viewer::print
