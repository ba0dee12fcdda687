#include "pdf/outline_copy.h"

#include <algorithm>

#include "pdf/object_copy.h"
#include "pdf/outline_index.h"

namespace viewer::pdf {
namespace {

// Keys of an item copied as they stand; where it leads (/Dest, /A) goes through the
// link copier, and the structure element (/SE) stays behind with the structure tree.
const char* const kPlainItemKeys[] = {"/Title", "/C", "/F"};

struct CopiedItem {
  QPDFObjectHandle copy;
  int parent = -1;  // position in the list of the parent's entry; -1 for top-level items
  bool open = false;
  long long visibleIfOpen = 0;  // descendants shown when this item is open
  int lastChild = -1;
};

// The children of item, in order, as far as good links lead.
std::vector<uint32_t> Children(const OutlineIndex& outline, uint32_t item) {
  std::vector<uint32_t> children;
  const OutlineNode* node = outline.Node(item);
  if (node == nullptr || node->first.state != OutlineLinkState::Item) return children;
  for (uint32_t child = node->first.target;;) {
    children.push_back(child);
    const OutlineNode* childNode = outline.Node(child);
    if (childNode == nullptr || childNode->next.state != OutlineLinkState::Item) break;
    child = childNode->next.target;
  }
  return children;
}

long long CountOf(QPDFObjectHandle item) {
  QPDFObjectHandle count = item.getKey("/Count");
  return count.isInteger() ? count.getIntValue() : 0;
}

QPDFObjectHandle CopyItem(QPDFObjectHandle item, QPDF& to, LinkCopier& links) {
  QPDFObjectHandle copy = QPDFObjectHandle::newDictionary();
  for (const char* key : kPlainItemKeys) {
    if (item.hasKey(key)) copy.replaceKey(key, CopyOver(to, item.getKey(key)));
  }
  if (item.hasKey("/Dest")) copy.replaceKey("/Dest", links.Destination(item.getKey("/Dest")));
  if (item.hasKey("/A")) copy.replaceKey("/A", links.Copy(item.getKey("/A")));
  return to.makeIndirectObject(copy);
}

}  // namespace

CopiedOutline CopyOutline(PdfDocument& from, QPDF& to, LinkCopier& links,
                          const std::function<void()>& meanwhile) {
  CopiedOutline result;
  const OutlineIndex& outline = from.Outline();
  if (outline.rootBad()) return result;
  ObjectHandles& handles = from.handles();
  // In the order a reader visits the items, so every item comes after its parent and
  // after its earlier siblings; no recursion, so any depth is copied.
  std::vector<CopiedItem> copied;
  struct Pending {
    uint32_t item;
    int parent;
  };
  std::vector<Pending> pending;
  const auto pushChildren = [&](uint32_t item, int parent) {
    const std::vector<uint32_t> children = Children(outline, item);
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
      pending.push_back({*child, parent});
    }
  };
  pushChildren(outline.root(), -1);
  int lastTopLevel = -1;
  while (!pending.empty()) {
    if (meanwhile && !copied.empty() && copied.size() % kItemsBetweenCalls == 0) meanwhile();
    const Pending next = pending.back();
    pending.pop_back();
    QPDFObjectHandle item = handles.Object(next.item);
    CopiedItem entry;
    entry.copy = CopyItem(item, to, links);
    entry.parent = next.parent;
    entry.open = CountOf(item) > 0;
    const int position = static_cast<int>(copied.size());
    int& previous = next.parent < 0 ? lastTopLevel : copied[next.parent].lastChild;
    if (previous >= 0) {
      copied[previous].copy.replaceKey("/Next", entry.copy);
      entry.copy.replaceKey("/Prev", copied[previous].copy);
    } else if (next.parent >= 0) {
      copied[next.parent].copy.replaceKey("/First", entry.copy);
    }
    if (next.parent >= 0) {
      copied[next.parent].copy.replaceKey("/Last", entry.copy);
      entry.copy.replaceKey("/Parent", copied[next.parent].copy);
    } else {
      result.items.push_back(entry.copy);
    }
    previous = position;
    copied.push_back(entry);
    pushChildren(next.item, position);
  }
  // Children come after their parents: counted from the end, each item's count is
  // complete before its parent's takes it in.
  for (auto entry = copied.rbegin(); entry != copied.rend(); ++entry) {
    const long long shown = 1 + (entry->open ? entry->visibleIfOpen : 0);
    if (entry->parent >= 0) {
      copied[entry->parent].visibleIfOpen += shown;
    } else {
      result.visible += shown;
    }
    if (entry->visibleIfOpen > 0) {
      entry->copy.replaceKey("/Count", QPDFObjectHandle::newInteger(entry->open ? entry->visibleIfOpen
                                                                                 : -entry->visibleIfOpen));
    }
  }
  return result;
}

void AppendToOutline(PdfDocument& to, const CopiedOutline& outline) {
  if (outline.items.empty()) return;
  QPDF& qpdf = to.qpdf();
  QPDFObjectHandle root = qpdf.getRoot().getKey("/Outlines");
  QPDFObjectHandle last;
  if (root.isDictionary() && !to.Outline().rootBad()) {
    const std::vector<uint32_t> top = Children(to.Outline(), to.Outline().root());
    if (!top.empty()) last = to.handles().Object(top.back());
  } else {
    root = qpdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
    qpdf.getRoot().replaceKey("/Outlines", root);
  }
  QPDFObjectHandle first = outline.items.front();
  if (last.isInitialized()) {
    last.replaceKey("/Next", first);
    first.replaceKey("/Prev", last);
  } else {
    root.replaceKey("/First", first);
  }
  root.replaceKey("/Last", outline.items.back());
  for (QPDFObjectHandle item : outline.items) item.replaceKey("/Parent", root);
  root.replaceKey("/Count", QPDFObjectHandle::newInteger(std::max(0LL, CountOf(root)) + outline.visible));
  to.MarkChanged();
}

}  // namespace viewer::pdf
