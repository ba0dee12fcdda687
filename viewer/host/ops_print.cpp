// AcroView printing: a document's pages through the viewer's print service.
#include "app/doc_window.h"
#include "host/host_impl.h"
#include "print/print_request.h"
#include "print/print_service.h"

namespace viewer::ops {

void AVDocPrintPagesWithParams_Impl(AVDoc doc, AVDocPrintParams params) {
  DocWindow* window = CheckedDoc(doc);
  print::PrintDocument(*window, print::ReadPrintRequest(params, window->pdf().PageCount()));
}

}  // namespace viewer::ops
