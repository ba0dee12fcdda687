#include "pdf/destinations.h"

#include "pdf/pdf_document.h"

namespace viewer::pdf {
namespace {

// Names lead to names at most this often before a destination counts as unresolvable
// (it also ends a name that stands for itself).
constexpr int kMaxResolveSteps = 8;

QPDFObjectHandle LookUp(PdfDocument& doc, const std::string& key, bool byName) {
  QPDFObjectHandle dests = doc.qpdf().getRoot().getKey("/Dests");
  const auto inDictionary = [&] {
    return dests.isDictionary() ? dests.getKey("/" + key) : QPDFObjectHandle::newNull();
  };
  QPDFObjectHandle first = byName ? inDictionary() : doc.DestinationNames().Find(key);
  if (!first.isNull()) return first;
  return byName ? doc.DestinationNames().Find(key) : inDictionary();
}

double NumberAt(QPDFObjectHandle array, int index) {
  if (index >= array.getArrayNItems()) return 0;
  QPDFObjectHandle item = array.getArrayItem(index);
  return item.isNumber() ? item.getNumericValue() : 0;
}

}  // namespace

QPDFObjectHandle ResolveDestination(PdfDocument& doc, QPDFObjectHandle dest) {
  QPDFObjectHandle value = dest;
  for (int step = 0; step < kMaxResolveSteps; ++step) {
    if (value.isArray()) return value;
    if (value.isName()) {
      value = LookUp(doc, value.getName().substr(1), true);
    } else if (value.isString()) {
      value = LookUp(doc, value.getStringValue(), false);
    } else if (value.isDictionary()) {
      value = value.getKey("/D");
    } else {
      break;
    }
  }
  return QPDFObjectHandle::newNull();
}

bool ReadDestination(PdfDocument& doc, QPDFObjectHandle dest, DestinationView* view) {
  if (!dest.isArray() || dest.getArrayNItems() < 1) return false;
  QPDFObjectHandle target = dest.getArrayItem(0);
  int page = -1;
  if (target.isDictionary()) {
    page = doc.PageIndexOf(target);
  } else if (target.isInteger()) {
    const long long index = target.getIntValue();
    if (index >= 0 && index < doc.PageCount()) page = static_cast<int>(index);
  }
  if (page < 0) return false;
  DestinationView result;
  result.page = page;
  QPDFObjectHandle fit = dest.getArrayNItems() > 1 ? dest.getArrayItem(1)
                                                          : QPDFObjectHandle::newNull();
  result.fit = fit.isName() ? fit.getName().substr(1) : "XYZ";
  if (result.fit == "XYZ") {
    result.left = NumberAt(dest, 2);
    result.top = NumberAt(dest, 3);
    result.zoom = NumberAt(dest, 4);
  } else if (result.fit == "FitH" || result.fit == "FitBH") {
    result.top = NumberAt(dest, 2);
  } else if (result.fit == "FitV" || result.fit == "FitBV") {
    result.left = NumberAt(dest, 2);
  } else if (result.fit == "FitR") {
    result.left = NumberAt(dest, 2);
    result.bottom = NumberAt(dest, 3);
    result.right = NumberAt(dest, 4);
    result.top = NumberAt(dest, 5);
  }
  *view = result;
  return true;
}

}  // namespace viewer::pdf
