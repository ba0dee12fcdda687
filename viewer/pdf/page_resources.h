// Naming an object in a page's resources.
#pragma once

#include <string>

#include <qpdf/QPDFObjectHandle.hh>

namespace viewer::pdf {

// The name (without '/') under which page's resources of category ("/Font",
// "/ExtGState") hold the indirect object: the name it already has there, or a fresh
// one, prefix followed by a number, added now. Resources the page inherits or shares
// with other pages are copied onto the page first (shallowly), so other pages never
// change. The cost depends on the page's resources only.
std::string PageResourceName(QPDFObjectHandle page, const std::string& category,
                             QPDFObjectHandle object, const std::string& prefix);

}  // namespace viewer::pdf
