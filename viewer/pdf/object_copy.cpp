#include "pdf/object_copy.h"

namespace viewer::pdf {
namespace {

// Keys of a page that lead to other pages (its tree, the annotations that may link
// anywhere, the article threads, the actions run on opening and closing it).
const std::set<std::string> kPageLinks = {"/Parent", "/Annots", "/B", "/AA"};

QPDFObjectHandle BoxArray(const PageBox& box) {
  QPDFObjectHandle array = QPDFObjectHandle::newArray();
  for (double value : {box.llx, box.lly, box.urx, box.ury}) {
    array.appendItem(QPDFObjectHandle::newReal(value, 5));
  }
  return array;
}

}  // namespace

QPDFObjectHandle CopyOver(QPDF& to, QPDFObjectHandle value) {
  if (value.isIndirect()) {
    // qpdf copies a page it is handed whole, with every page its links reach.
    if (value.isDictionaryOfType("/Page")) return QPDFObjectHandle::newNull();
    return to.copyForeignObject(value);
  }
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

QPDFObjectHandle CopyPageAlone(QPDF& to, PdfDocument& doc, int index) {
  QPDFPageObjectHelper source = doc.Page(index);
  QPDFObjectHandle page = CopyWithout(to, source.getObjectHandle(), kPageLinks);
  page.replaceKey("/MediaBox", BoxArray(doc.MediaBox(index)));
  page.replaceKey("/CropBox", BoxArray(doc.CropBox(index)));
  page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(doc.Rotation(index)));
  if (!page.hasKey("/Resources")) {
    QPDFObjectHandle inherited = source.getAttribute("/Resources", false);
    if (inherited.isDictionary()) page.replaceKey("/Resources", CopyOver(to, inherited));
  }
  return to.makeIndirectObject(page);
}

}  // namespace viewer::pdf
