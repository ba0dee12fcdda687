// The viewer's outline over any document: the checked walk of /Outlines, then for each
// item reached what the plug-in asks of it (title, action, the action chain, its
// destination resolved through /Dests and the /Names tree, and the action carried out).
#include <cstddef>
#include <cstdint>
#include <exception>
#include <vector>

#include "pdf/actions.h"
#include "pdf/destinations.h"
#include "pdf/outline_index.h"
#include "pdf_input.h"

namespace {

using namespace viewer::pdf;

// Items and chained actions visited per input: enough for every seed, and a bound on
// the work a huge (not endless) outline takes.
constexpr size_t kMaxItems = 4000;
constexpr int kMaxChainedActions = 200;

void VisitItem(PdfDocument& doc, uint32_t index) {
  QPDFObjectHandle item = doc.handles().Object(index);
  QPDFObjectHandle title = item.isDictionary() ? item.getKey("/Title") : QPDFObjectHandle::newNull();
  if (title.isString()) title.getStringValue();

  QPDFObjectHandle action = OutlineItemAction(item);
  if (action.isNull()) return;
  doc.handles().IndexOf(action, index, HandleLink::Action);
  if (!IsAction(action)) return;
  ActionType(action);
  int chained = 0;
  ForEachChainedAction(action, [&](QPDFObjectHandle each) {
    ActionType(each);
    return ++chained < kMaxChainedActions;
  });
  QPDFObjectHandle dest = ChainDestination(action);
  if (!dest.isNull()) {
    DestinationView view;
    ReadDestination(doc, dest, &view);
    QPDFObjectHandle explicitDest = ResolveDestination(doc, dest);
    if (!explicitDest.isNull()) ReadDestination(doc, explicitDest, &view);
  }
  RunActionChain(doc, action, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<PdfDocument> doc = OpenInputDocument(data, size);
  if (!doc) return 0;
  try {
    doc->DestinationNames();
    const OutlineIndex& outline = doc->Outline();
    if (outline.rootBad()) return 0;
    // Depth first, as the tree is built: an item, its children, its next sibling.
    std::vector<uint32_t> pending{outline.root()};
    size_t visited = 0;
    while (!pending.empty() && visited++ < kMaxItems) {
      const uint32_t index = pending.back();
      pending.pop_back();
      VisitItem(*doc, index);
      const OutlineNode* node = outline.Node(index);
      if (node == nullptr) continue;
      if (node->next.state == OutlineLinkState::Item) pending.push_back(node->next.target);
      if (node->first.state == OutlineLinkState::Item) pending.push_back(node->first.target);
    }
    if (visited > outline.itemCount() + 1) __builtin_trap();  // the walk met an item twice
  } catch (const std::exception&) {
    // What the host's boundary turns into an error raised to the plug-in.
  }
  return 0;
}
