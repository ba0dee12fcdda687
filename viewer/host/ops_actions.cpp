// PDModel, actions and destinations, and AcroView's performing of an action.
#include "app/doc_window.h"
#include "core/atom_table.h"
#include "core/fixed_math.h"
#include "core/host_error.h"
#include "host/host_impl.h"
#include "host/object_refs.h"
#include "pdf/actions.h"
#include "pdf/destinations.h"

namespace viewer::ops {
namespace {

using core::HostError;
using host::HandleOfKind;
using host::NullHandle;

}  // namespace

ASBool PDActionIsValid_Impl(PDAction action) {
  pdf::HandleTarget target;
  return pdf::ResolveHandle(action, &target) && pdf::IsAction(target.object) ? 1 : 0;
}

ASAtom PDActionGetSubtype_Impl(PDAction action) {
  const std::string type = pdf::ActionType(host::CheckedTarget(action).object);
  return type.empty() ? ASAtomNull : core::HostAtoms().FromString(type.c_str());
}

PDViewDestination PDActionGetDest_Impl(PDAction action) {
  pdf::HandleTarget target = host::CheckedTarget(action);
  QPDFObjectHandle dest = pdf::ChainDestination(target.object);
  if (dest.isNull()) return NullHandle<PDViewDestination>();
  return HandleOfKind<PDViewDestination>(
      target.doc->handles().Of(dest, target.index, pdf::HandleLink::Destination));
}

// Anything that is not a destination of doc resolves to an invalid destination, so
// the result of PDActionGetDest can be passed on unchecked.
PDViewDestination PDViewDestResolve_Impl(PDViewDestination dest, PDDoc doc) {
  pdf::PdfDocument& model = host::CheckedModel(doc);
  pdf::HandleTarget target;
  if (!pdf::ResolveHandle(dest, &target) || target.doc != &model) {
    return NullHandle<PDViewDestination>();
  }
  if (target.object.isArray()) return dest;
  QPDFObjectHandle explicitDest = pdf::ResolveDestination(model, target.object);
  if (explicitDest.isNull()) return NullHandle<PDViewDestination>();
  return HandleOfKind<PDViewDestination>(
      model.handles().Of(explicitDest, target.index, pdf::HandleLink::Resolved));
}

ASBool PDViewDestIsValid_Impl(PDViewDestination dest) {
  pdf::HandleTarget target;
  pdf::DestinationView view;
  return pdf::ResolveHandle(dest, &target) &&
                 pdf::ReadDestination(*target.doc, target.object, &view)
             ? 1
             : 0;
}

void PDViewDestGetAttr_Impl(PDViewDestination dest, PDPageNumber* page, ASAtom* fitType,
                            ASFixedRect* destRect, ASFixed* zoom) {
  pdf::HandleTarget target = host::CheckedTarget(dest);
  pdf::DestinationView view;
  if (!pdf::ReadDestination(*target.doc, target.object, &view)) {
    throw HostError(kHostErrBadParameter, "not an explicit destination of its document");
  }
  if (page != nullptr) *page = view.page;
  if (fitType != nullptr) *fitType = core::HostAtoms().FromString(view.fit.c_str());
  if (destRect != nullptr) {
    *destRect = ASFixedRect{core::DoubleToFixed(view.left), core::DoubleToFixed(view.top),
                            core::DoubleToFixed(view.right), core::DoubleToFixed(view.bottom)};
  }
  if (zoom != nullptr) *zoom = core::DoubleToFixed(view.zoom);
}

void AVDocPerformAction_Impl(AVDoc doc, PDAction action) {
  DocWindow* window = CheckedDoc(doc);
  pdf::HandleTarget target = host::CheckedTarget(action);
  if (target.doc != &window->pdf()) throw HostError(kHostErrBadParameter, "action of another document");
  const pdf::ActionOutcome outcome =
      pdf::RunActionChain(window->pdf(), target.object, window->pageView().page());
  if (outcome.layersChanged) window->LayersChanged();
  if (outcome.page >= 0) window->pageView().GoTo(outcome.page);
}

}  // namespace viewer::ops
