#include "pdf/document_edits.h"

#include <cmath>

#include <qpdf/QPDFPageObjectHelper.hh>

#include "pdf/font_resource.h"
#include "pdf/object_key.h"

namespace viewer::pdf {
namespace {

long InSixtyFifthThousandths(const std::optional<double>& value) {
  return value ? std::lround(*value * 65536.0) : 0;
}

bool HasContent(QPDFObjectHandle page) {
  if (!page.hasKey("/Contents")) return false;
  QPDFObjectHandle contents = page.getKey("/Contents");
  return contents.isStream() || (contents.isArray() && contents.getArrayNItems() > 0);
}

}  // namespace

QPDFObjectHandle DocumentEdits::Font(const fonts::FontFace& face) {
  const auto key = std::make_pair(face.file, face.index);
  auto found = fonts_.find(key);
  if (found == fonts_.end()) found = fonts_.emplace(key, MakeTrueTypeFont(qpdf_, face)).first;
  return found->second;
}

QPDFObjectHandle DocumentEdits::ExtGState(const Opacity& opacity) {
  const auto key = std::make_tuple(opacity.fill.has_value(), InSixtyFifthThousandths(opacity.fill),
                                   opacity.stroke.has_value(), InSixtyFifthThousandths(opacity.stroke));
  auto found = extGStates_.find(key);
  if (found == extGStates_.end()) {
    QPDFObjectHandle state = QPDFObjectHandle::newDictionary();
    state.replaceKey("/Type", QPDFObjectHandle::newName("/ExtGState"));
    if (opacity.fill) state.replaceKey("/ca", QPDFObjectHandle::newReal(*opacity.fill, 5));
    if (opacity.stroke) state.replaceKey("/CA", QPDFObjectHandle::newReal(*opacity.stroke, 5));
    found = extGStates_.emplace(key, qpdf_.makeIndirectObject(state)).first;
  }
  return found->second;
}

void DocumentEdits::AppendContent(QPDFObjectHandle page, const std::string& operators) {
  QPDFPageObjectHelper helper(page);
  if (pagesTouched_.insert(ObjectKey(page.getObjGen())).second && HasContent(page)) {
    if (!save_.isInitialized()) {
      save_ = qpdf_.newStream("q\n");
      restore_ = qpdf_.newStream("\nQ\n");
    }
    helper.addPageContents(save_, true);
    helper.addPageContents(restore_, false);
  }
  helper.addPageContents(qpdf_.newStream(operators), false);
}

}  // namespace viewer::pdf
