// Destinations: explicit arrays [page /Fit...], and names or strings that stand for
// one through the catalog's /Dests dictionary or the /Names /Dests name tree, whose
// values are arrays or dictionaries holding the array under /D.
#pragma once

#include <string>

#include <qpdf/QPDFObjectHandle.hh>

namespace viewer::pdf {

class PdfDocument;

// The explicit destination array dest stands for in doc, or a null object when it
// cannot be resolved. An array is its own explicit destination.
QPDFObjectHandle ResolveDestination(PdfDocument& doc, QPDFObjectHandle dest);

// What an explicit destination shows. Coordinates are in points; those the fit type
// does not use are 0, as is a zoom that is not given.
struct DestinationView {
  int page = -1;        // 0-based
  std::string fit;      // the fit type's name without its slash: "XYZ", "Fit", "FitR"...
  double left = 0, top = 0, right = 0, bottom = 0;
  double zoom = 0;
};

// False unless dest is an explicit destination whose first element is a page of doc
// (or a page index within doc).
bool ReadDestination(PdfDocument& doc, QPDFObjectHandle dest, DestinationView* view);

}  // namespace viewer::pdf
