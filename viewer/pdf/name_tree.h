// A name tree (a /Names array of key-value pairs at each leaf, /Kids below inner
// nodes, /Limits giving each node's key range) read once into a table, so each
// look-up afterwards costs one hash probe. Reading everything also finds keys under
// nodes whose /Limits are wrong or missing, and a kid reached twice is read once.
#pragma once

#include <string>
#include <unordered_map>

#include <qpdf/QPDFObjectHandle.hh>

namespace viewer::pdf {

class NameTree {
 public:
  NameTree() = default;
  explicit NameTree(QPDFObjectHandle root);

  // The value stored under key (the string's bytes), or a null object. When a key
  // occurs twice, the one met first (kids in order, depth first) wins.
  QPDFObjectHandle Find(const std::string& key) const;
  size_t size() const { return values_.size(); }

 private:
  void Read(QPDFObjectHandle root);

  std::unordered_map<std::string, QPDFObjectHandle> values_;
};

}  // namespace viewer::pdf
