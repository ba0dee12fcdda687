#include "pdf/page_resources.h"

#include <qpdf/QPDFPageObjectHelper.hh>

namespace viewer::pdf {
namespace {

// The page's own resources dictionary, made when missing.
QPDFObjectHandle OwnResources(QPDFObjectHandle page) {
  QPDFObjectHandle resources = QPDFPageObjectHelper(page).getAttribute("/Resources", true);
  if (!resources.isDictionary()) {
    resources = QPDFObjectHandle::newDictionary();
    page.replaceKey("/Resources", resources);
  }
  return resources;
}

// The category's dictionary within resources, belonging to this page alone.
QPDFObjectHandle OwnCategory(QPDFObjectHandle resources, const std::string& category) {
  QPDFObjectHandle names = resources.hasKey(category) ? resources.getKey(category)
                                                      : QPDFObjectHandle::newNull();
  if (!names.isDictionary()) {
    names = QPDFObjectHandle::newDictionary();
    resources.replaceKey(category, names);
  } else if (names.isIndirect()) {
    names = names.shallowCopy();
    resources.replaceKey(category, names);
  }
  return names;
}

}  // namespace

std::string PageResourceName(QPDFObjectHandle page, const std::string& category,
                             QPDFObjectHandle object, const std::string& prefix) {
  QPDFObjectHandle names = OwnCategory(OwnResources(page), category);
  const QPDFObjGen wanted = object.getObjGen();
  for (const std::string& key : names.getKeys()) {
    QPDFObjectHandle value = names.getKey(key);
    if (value.isIndirect() && value.getObjGen() == wanted) return key.substr(1);
  }
  for (int n = 1;; ++n) {
    const std::string name = prefix + std::to_string(n);
    if (!names.hasKey("/" + name)) {
      names.replaceKey("/" + name, object);
      return name;
    }
  }
}

}  // namespace viewer::pdf
