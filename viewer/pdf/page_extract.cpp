#include "pdf/page_extract.h"

#include <set>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "pdf/object_copy.h"

namespace viewer::pdf {
namespace {

// Keys that lead from an annotation to other pages or fields: a copy for display does
// without them, so it holds this page only.
const std::set<std::string> kAnnotationLinks = {"/P", "/Parent", "/Dest", "/A", "/AA", "/Popup", "/IRT"};

QPDFObjectHandle CopyPage(QPDF& to, PdfDocument& doc, int index) {
  QPDFObjectHandle page = CopyPageAlone(to, doc, index);
  QPDFObjectHandle annotations = doc.Page(index).getObjectHandle().getKey("/Annots");
  if (annotations.isArray()) {
    QPDFObjectHandle kept = QPDFObjectHandle::newArray();
    for (QPDFObjectHandle annotation : annotations.getArrayAsVector()) {
      if (annotation.isDictionary()) {
        kept.appendItem(to.makeIndirectObject(CopyWithout(to, annotation, kAnnotationLinks)));
      }
    }
    page.replaceKey("/Annots", kept);
  }
  return page;
}

}  // namespace

std::string OnePageForDisplay(PdfDocument& doc, int index) {
  QPDF copy;
  copy.emptyPDF();
  copy.setSuppressWarnings(true);
  QPDFObjectHandle page = CopyPage(copy, doc, index);
  QPDFPageDocumentHelper(copy).addPage(QPDFPageObjectHelper(page), false);
  QPDFObjectHandle properties = doc.qpdf().getRoot().getKey("/OCProperties");
  if (properties.isDictionary()) {
    // Copied while the document's default configuration shows the layers shown now.
    LayerState::DisplayOverride shown(doc.qpdf(), doc.layers());
    copy.getRoot().replaceKey("/OCProperties", CopyOver(copy, doc.qpdf().getRoot().getKey("/OCProperties")));
  }
  QPDFWriter writer(copy);
  writer.setOutputMemory();
  writer.write();
  auto buffer = writer.getBufferSharedPointer();
  return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

}  // namespace viewer::pdf
