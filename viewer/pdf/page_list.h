// A document's pages in order, with the index of each page object. Inserting a page
// costs the same wherever it goes: the index of the pages after it is mended when one
// of them is next looked up.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include <qpdf/QPDFObjectHandle.hh>

namespace viewer::pdf {

class PageList {
 public:
  void Assign(std::vector<QPDFObjectHandle> pages);
  int size() const { return static_cast<int>(pages_.size()); }
  QPDFObjectHandle at(int index) const { return pages_[static_cast<size_t>(index)]; }
  // The index of an indirect page object, or -1.
  int IndexOf(QPDFObjectHandle page);
  // index is 0..size().
  void Insert(int index, QPDFObjectHandle page);
  // Removes count pages from index on (within 0..size()); the pages after them are
  // indexed again when one of them is next looked up.
  void Erase(int index, int count);

 private:
  std::vector<QPDFObjectHandle> pages_;
  // Where each page was when last indexed; checked against pages_ on every look-up and
  // made again when it no longer holds.
  std::unordered_map<uint64_t, int> index_;
  bool current_ = false;  // no page has moved since it was made
  int insertedSince_ = 0;  // how far on a page can have moved since
  void Reindex();
};

}  // namespace viewer::pdf
