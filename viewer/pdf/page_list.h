// A document's pages in order, with the index of each page object. Inserting or
// removing a page costs the same wherever it goes: the order is kept as plain object
// numbers (moved as bytes, where moving handles would touch every reference count
// after it), and the index of the pages after it is mended when one of them is next
// looked up.
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
  QPDFObjectHandle at(int index) const;
  // The index of an indirect page object, or -1.
  int IndexOf(QPDFObjectHandle page);
  // index is 0..size().
  void Insert(int index, QPDFObjectHandle page);
  // Removes count pages from index on (within 0..size()); the pages after them are
  // indexed again when one of them is next looked up.
  void Erase(int index, int count);

 private:
  std::vector<QPDFObjGen> pages_;
  // The handle of each page object, and how many times the order holds it (a damaged
  // tree can list a page twice).
  struct Held {
    QPDFObjectHandle page;
    int uses = 0;
  };
  std::unordered_map<uint64_t, Held> handles_;
  void Hold(const QPDFObjectHandle& page);
  void Release(const QPDFObjGen& page);
  // Where each page was when last indexed; checked against pages_ on every look-up and
  // made again when it no longer holds.
  std::unordered_map<uint64_t, int> index_;
  bool current_ = false;  // no page has moved since it was made
  int insertedSince_ = 0;  // how far on a page can have moved since
  int removedSince_ = 0;   // how far back
  void Reindex();
};

}  // namespace viewer::pdf
