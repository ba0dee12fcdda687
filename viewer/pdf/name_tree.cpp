#include "pdf/name_tree.h"

#include <set>
#include <vector>

namespace viewer::pdf {

NameTree::NameTree(QPDFObjectHandle root) { Read(root); }

void NameTree::Read(QPDFObjectHandle root) {
  std::set<QPDFObjGen> reached;
  // Depth first, kids in order, so keys come in the tree's order.
  std::vector<QPDFObjectHandle> toRead{root};
  while (!toRead.empty()) {
    QPDFObjectHandle node = toRead.back();
    toRead.pop_back();
    if (!node.isDictionary()) continue;
    if (node.isIndirect() && !reached.insert(node.getObjGen()).second) continue;
    QPDFObjectHandle names = node.getKey("/Names");
    if (names.isArray()) {
      const int count = names.getArrayNItems();
      for (int i = 0; i + 1 < count; i += 2) {
        QPDFObjectHandle key = names.getArrayItem(i);
        if (key.isString()) values_.try_emplace(key.getStringValue(), names.getArrayItem(i + 1));
      }
    }
    QPDFObjectHandle kids = node.getKey("/Kids");
    if (kids.isArray()) {
      for (int i = kids.getArrayNItems() - 1; i >= 0; --i) toRead.push_back(kids.getArrayItem(i));
    }
  }
}

QPDFObjectHandle NameTree::Find(const std::string& key) const {
  const auto found = values_.find(key);
  return found != values_.end() ? found->second : QPDFObjectHandle::newNull();
}

}  // namespace viewer::pdf
