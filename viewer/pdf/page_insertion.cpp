#include "pdf/page_insertion.h"

#include <cmath>

#include "core/host_error.h"

namespace viewer::pdf {
namespace {

QPDFObjectHandle Number(double value) {
  if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    return QPDFObjectHandle::newInteger(static_cast<long long>(value));
  }
  return QPDFObjectHandle::newReal(value, 5);
}

}  // namespace

QPDFObjectHandle InsertEmptyPage(PdfDocument& doc, int afterPage, const PageBox& box) {
  if (afterPage < -1 || afterPage >= doc.PageCount()) {
    throw core::HostError(kHostErrBadPage, "no page " + std::to_string(afterPage) + " to insert after");
  }
  QPDF& qpdf = doc.qpdf();
  QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
  page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
  QPDFObjectHandle mediaBox = QPDFObjectHandle::newArray();
  for (double value : {box.llx, box.lly, box.urx, box.ury}) mediaBox.appendItem(Number(value));
  page.replaceKey("/MediaBox", mediaBox);
  page.replaceKey("/Resources", QPDFObjectHandle::newDictionary());
  page = qpdf.makeIndirectObject(page);
  doc.InsertPage(afterPage, page);
  return page;
}

}  // namespace viewer::pdf
