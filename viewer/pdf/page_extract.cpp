#include "pdf/page_extract.h"

#include <set>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace viewer::pdf {
namespace {

// Keys that lead from a page or an annotation to other pages, threads or fields: a copy
// for display does without them, so it holds this page only.
const std::set<std::string> kPageLinks = {"/Parent", "/Annots", "/B"};
const std::set<std::string> kAnnotationLinks = {"/P", "/Parent", "/Dest", "/A", "/AA", "/Popup", "/IRT"};

// value in `to`: indirect objects through qpdf's copying of foreign objects (each
// once per copy), direct containers rebuilt around them.
QPDFObjectHandle CopyOver(QPDF& to, QPDFObjectHandle value) {
  if (value.isIndirect()) return to.copyForeignObject(value);
  if (value.isArray()) {
    QPDFObjectHandle array = QPDFObjectHandle::newArray();
    for (QPDFObjectHandle item : value.getArrayAsVector()) array.appendItem(CopyOver(to, item));
    return array;
  }
  if (value.isDictionary()) {
    QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
    for (const std::string& key : value.getKeys()) dict.replaceKey(key, CopyOver(to, value.getKey(key)));
    return dict;
  }
  return value.shallowCopy();
}

QPDFObjectHandle CopyWithout(QPDF& to, QPDFObjectHandle dict, const std::set<std::string>& left) {
  QPDFObjectHandle copy = QPDFObjectHandle::newDictionary();
  for (const std::string& key : dict.getKeys()) {
    if (left.count(key) == 0) copy.replaceKey(key, CopyOver(to, dict.getKey(key)));
  }
  return copy;
}

QPDFObjectHandle BoxArray(const PageBox& box) {
  QPDFObjectHandle array = QPDFObjectHandle::newArray();
  for (double value : {box.llx, box.lly, box.urx, box.ury}) {
    array.appendItem(QPDFObjectHandle::newReal(value, 5));
  }
  return array;
}

QPDFObjectHandle CopyPage(QPDF& to, PdfDocument& doc, int index) {
  QPDFPageObjectHelper source = doc.Page(index);
  QPDFObjectHandle page = CopyWithout(to, source.getObjectHandle(), kPageLinks);
  page.replaceKey("/MediaBox", BoxArray(doc.MediaBox(index)));
  page.replaceKey("/CropBox", BoxArray(doc.CropBox(index)));
  page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(doc.Rotation(index)));
  if (!page.hasKey("/Resources")) {
    QPDFObjectHandle inherited = source.getAttribute("/Resources", false);
    if (inherited.isDictionary()) page.replaceKey("/Resources", CopyOver(to, inherited));
  }
  QPDFObjectHandle annotations = source.getObjectHandle().getKey("/Annots");
  if (annotations.isArray()) {
    QPDFObjectHandle kept = QPDFObjectHandle::newArray();
    for (QPDFObjectHandle annotation : annotations.getArrayAsVector()) {
      if (annotation.isDictionary()) {
        kept.appendItem(to.makeIndirectObject(CopyWithout(to, annotation, kAnnotationLinks)));
      }
    }
    page.replaceKey("/Annots", kept);
  }
  return to.makeIndirectObject(page);
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
