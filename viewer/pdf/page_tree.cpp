#include "pdf/page_tree.h"

#include <algorithm>
#include <set>
#include <vector>

#include <qpdf/QPDF.hh>

namespace viewer::pdf {
namespace {

// Nodes with this many kids or more are not inserted into.
constexpr int kLargeNode = 64;

// The nodes from node up to the root, each once (a /Parent loop ends the walk).
std::vector<QPDFObjectHandle> NodesUpFrom(QPDFObjectHandle node) {
  std::vector<QPDFObjectHandle> nodes;
  std::set<QPDFObjGen> seen;
  while (node.isDictionary() && (!node.isIndirect() || seen.insert(node.getObjGen()).second)) {
    nodes.push_back(node);
    if (!node.hasKey("/Parent")) break;
    node = node.getKey("/Parent");
  }
  return nodes;
}

void Count(const std::vector<QPDFObjectHandle>& nodes, int change) {
  for (QPDFObjectHandle node : nodes) {
    const long long count = node.hasKey("/Count") && node.getKey("/Count").isInteger()
                                ? node.getKey("/Count").getIntValue()
                                : 0;
    node.replaceKey("/Count", QPDFObjectHandle::newInteger(std::max(count + change, 0LL)));
  }
}

// A page with its own media box takes nothing else from the nodes above it.
void KeepFromInheriting(QPDFObjectHandle page, const std::vector<QPDFObjectHandle>& nodes) {
  for (QPDFObjectHandle node : nodes) {
    if (node.hasKey("/CropBox") && !page.hasKey("/CropBox") && page.hasKey("/MediaBox")) {
      page.replaceKey("/CropBox", page.getKey("/MediaBox").shallowCopy());
    }
    if (node.hasKey("/Rotate") && !page.hasKey("/Rotate")) {
      page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(0));
    }
  }
}

// The position of wanted in kids, looked for from hint outwards; -1 when it is not there.
int PositionOf(QPDFObjectHandle kids, const QPDFObjGen& wanted, int hint) {
  const int size = kids.getArrayNItems();
  if (size == 0) return -1;
  const int start = std::clamp(hint, 0, size - 1);
  for (int distance = 0; distance < size; ++distance) {
    for (int at : {start - distance, start + distance}) {
      if (at >= 0 && at < size && kids.getArrayItem(at).getObjGen() == wanted) return at;
    }
    if (start - distance < 0 && start + distance >= size) break;
  }
  return -1;
}

}  // namespace

bool InsertNextTo(QPDFObjectHandle page, QPDFObjectHandle neighbour, bool before, int hint) {
  if (!neighbour.hasKey("/Parent")) return false;
  QPDFObjectHandle parent = neighbour.getKey("/Parent");
  if (!parent.isDictionary() || !parent.hasKey("/Kids")) return false;
  QPDFObjectHandle kids = parent.getKey("/Kids");
  if (!kids.isArray()) return false;
  const int at = PositionOf(kids, neighbour.getObjGen(), hint);
  if (at < 0) return false;
  const std::vector<QPDFObjectHandle> nodes = NodesUpFrom(parent);
  KeepFromInheriting(page, nodes);
  if (kids.getArrayNItems() < kLargeNode) {
    page.replaceKey("/Parent", parent);
    kids.insertItem(before ? at : at + 1, page);
  } else {
    // Inserting into a large array costs as much as the array is long; the neighbour's
    // place goes to a new node holding both pages instead.
    QPDFObjectHandle node = QPDFObjectHandle::newDictionary();
    node.replaceKey("/Type", QPDFObjectHandle::newName("/Pages"));
    node.replaceKey("/Parent", parent);
    QPDFObjectHandle pair = QPDFObjectHandle::newArray();
    pair.appendItem(before ? page : neighbour);
    pair.appendItem(before ? neighbour : page);
    node.replaceKey("/Kids", pair);
    node.replaceKey("/Count", QPDFObjectHandle::newInteger(2));
    node = neighbour.getQPDF().makeIndirectObject(node);
    neighbour.replaceKey("/Parent", node);
    page.replaceKey("/Parent", node);
    kids.setArrayItem(at, node);
  }
  Count(nodes, +1);
  return true;
}

bool RemoveFromTree(QPDFObjectHandle page, int hint) {
  if (!page.hasKey("/Parent")) return false;
  QPDFObjectHandle parent = page.getKey("/Parent");
  if (!parent.isDictionary() || !parent.hasKey("/Kids")) return false;
  QPDFObjectHandle kids = parent.getKey("/Kids");
  if (!kids.isArray()) return false;
  const int at = PositionOf(kids, page.getObjGen(), hint);
  if (at < 0) return false;
  const std::vector<QPDFObjectHandle> nodes = NodesUpFrom(parent);
  kids.eraseItem(at);
  Count(nodes, -1);
  // A page no longer in the tree must not claim a place in it: readers that number a
  // destination's page by climbing /Parent would give it one.
  page.removeKey("/Parent");
  // Nodes left empty go too, up to (not including) the root.
  for (size_t i = 0; i + 1 < nodes.size(); ++i) {
    QPDFObjectHandle node = nodes[i];
    if (node.getKey("/Kids").getArrayNItems() != 0) break;
    QPDFObjectHandle above = nodes[i + 1];
    QPDFObjectHandle aboveKids = above.getKey("/Kids");
    if (!aboveKids.isArray() || !node.isIndirect()) break;
    const int position = PositionOf(aboveKids, node.getObjGen(), 0);
    if (position < 0) break;
    aboveKids.eraseItem(position);
    node.removeKey("/Parent");
  }
  return true;
}

bool AppendToRoot(QPDFObjectHandle root, QPDFObjectHandle page) {
  if (!root.isDictionary()) return false;
  if (!root.hasKey("/Kids") || !root.getKey("/Kids").isArray()) {
    root.replaceKey("/Kids", QPDFObjectHandle::newArray());
  }
  const std::vector<QPDFObjectHandle> nodes = NodesUpFrom(root);
  KeepFromInheriting(page, nodes);
  page.replaceKey("/Parent", root);
  root.getKey("/Kids").appendItem(page);
  Count(nodes, +1);
  return true;
}

}  // namespace viewer::pdf
