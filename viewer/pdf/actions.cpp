#include "pdf/actions.h"

#include <algorithm>
#include <set>
#include <vector>

#include "pdf/destinations.h"
#include "pdf/pdf_document.h"

namespace viewer::pdf {

QPDFObjectHandle OutlineItemAction(QPDFObjectHandle item) {
  if (!item.isDictionary()) return QPDFObjectHandle::newNull();
  QPDFObjectHandle action = item.getKey("/A");
  if (action.isDictionary()) return action;
  QPDFObjectHandle dest = item.getKey("/Dest");
  if (dest.isNull()) return QPDFObjectHandle::newNull();
  QPDFObjectHandle goTo = QPDFObjectHandle::newDictionary();
  goTo.replaceKey("/S", QPDFObjectHandle::newName("/GoTo"));
  goTo.replaceKey("/D", dest);
  return goTo;
}

bool IsAction(QPDFObjectHandle action) {
  return action.isDictionary() && action.getKey("/S").isName();
}

std::string ActionType(QPDFObjectHandle action) {
  if (!action.isDictionary()) return {};
  QPDFObjectHandle type = action.getKey("/S");
  return type.isName() ? type.getName().substr(1) : std::string();
}

void ForEachChainedAction(QPDFObjectHandle action,
                          const std::function<bool(QPDFObjectHandle)>& visit) {
  std::set<QPDFObjGen> met;
  std::vector<QPDFObjectHandle> toRun{action};
  while (!toRun.empty()) {
    QPDFObjectHandle current = toRun.back();
    toRun.pop_back();
    if (!current.isDictionary()) continue;
    if (current.isIndirect() && !met.insert(current.getObjGen()).second) continue;
    if (!visit(current)) return;
    QPDFObjectHandle next = current.getKey("/Next");
    if (next.isArray()) {
      for (int i = next.getArrayNItems() - 1; i >= 0; --i) toRun.push_back(next.getArrayItem(i));
    } else if (next.isDictionary()) {
      toRun.push_back(next);
    }
  }
}

QPDFObjectHandle ChainDestination(QPDFObjectHandle action) {
  QPDFObjectHandle dest = QPDFObjectHandle::newNull();
  ForEachChainedAction(action, [&](QPDFObjectHandle step) {
    if (ActionType(step) != "GoTo") return true;
    dest = step.getKey("/D");
    return false;
  });
  return dest;
}

namespace {

int NamedActionPage(const std::string& name, int currentPage, int pageCount) {
  if (pageCount <= 0) return -1;
  if (name == "/NextPage") return std::min(currentPage + 1, pageCount - 1);
  if (name == "/PrevPage") return std::max(currentPage - 1, 0);
  if (name == "/FirstPage") return 0;
  if (name == "/LastPage") return pageCount - 1;
  return -1;
}

}  // namespace

ActionOutcome RunActionChain(PdfDocument& doc, QPDFObjectHandle action, int currentPage) {
  ActionOutcome outcome;
  ForEachChainedAction(action, [&](QPDFObjectHandle step) {
    const std::string type = ActionType(step);
    if (type == "GoTo") {
      DestinationView view;
      if (ReadDestination(doc, ResolveDestination(doc, step.getKey("/D")), &view)) {
        outcome.page = view.page;
      }
    } else if (type == "Named") {
      QPDFObjectHandle name = step.getKey("/N");
      const int page = name.isName() ? NamedActionPage(name.getName(),
                                                       outcome.page >= 0 ? outcome.page
                                                                         : currentPage,
                                                       doc.PageCount())
                                     : -1;
      if (page >= 0) outcome.page = page;
    } else if (type == "SetOCGState") {
      QPDFObjectHandle preserve = step.getKey("/PreserveRB");
      const bool preserveRadioButtons = !(preserve.isBool() && !preserve.getBoolValue());
      if (doc.layers().Apply(step.getKey("/State"), preserveRadioButtons)) {
        outcome.layersChanged = true;
      }
    }
    return true;
  });
  return outcome;
}

}  // namespace viewer::pdf
