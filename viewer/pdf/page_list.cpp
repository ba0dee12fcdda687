#include "pdf/page_list.h"

#include <algorithm>

#include "pdf/object_key.h"

namespace viewer::pdf {

void PageList::Assign(std::vector<QPDFObjectHandle> pages) {
  pages_.clear();
  handles_.clear();
  pages_.reserve(pages.size());
  for (const QPDFObjectHandle& page : pages) {
    pages_.push_back(page.getObjGen());
    Hold(page);
  }
  index_.clear();
  current_ = false;
  insertedSince_ = 0;
  removedSince_ = 0;
}

void PageList::Hold(const QPDFObjectHandle& page) {
  Held& held = handles_[ObjectKey(page.getObjGen())];
  if (held.uses++ == 0) held.page = page;
}

void PageList::Release(const QPDFObjGen& page) {
  const auto found = handles_.find(ObjectKey(page));
  if (found != handles_.end() && --found->second.uses <= 0) handles_.erase(found);
}

QPDFObjectHandle PageList::at(int index) const {
  return handles_.at(ObjectKey(pages_[static_cast<size_t>(index)])).page;
}

void PageList::Reindex() {
  index_.clear();
  index_.reserve(pages_.size());
  for (size_t i = 0; i < pages_.size(); ++i) {
    index_.emplace(ObjectKey(pages_[i]), static_cast<int>(i));
  }
  current_ = true;
  insertedSince_ = 0;
  removedSince_ = 0;
}

int PageList::IndexOf(QPDFObjectHandle page) {
  if (!page.isIndirect()) return -1;
  const QPDFObjGen wanted = page.getObjGen();
  for (int pass = 0; pass < 2; ++pass) {
    const auto found = index_.find(ObjectKey(wanted));
    if (found != index_.end()) {
      // Insertions before the page moved it on by at most insertedSince_, removals
      // back by at most removedSince_.
      const int last = std::min(found->second + insertedSince_, size() - 1);
      for (int i = std::max(found->second - removedSince_, 0); i <= last; ++i) {
        if (pages_[static_cast<size_t>(i)] == wanted) return found->second = i;
      }
    }
    if (current_) return -1;  // not a page of the document
    Reindex();
  }
  return -1;
}

void PageList::Insert(int index, QPDFObjectHandle page) {
  pages_.insert(pages_.begin() + index, page.getObjGen());
  Hold(page);
  if (index + 1 < size()) {  // the pages after it moved on
    current_ = false;
    ++insertedSince_;
  }
  index_[ObjectKey(page.getObjGen())] = index;
}

void PageList::Erase(int index, int count) {
  for (int i = index; i < index + count; ++i) {
    Release(pages_[static_cast<size_t>(i)]);
    index_.erase(ObjectKey(pages_[static_cast<size_t>(i)]));
  }
  pages_.erase(pages_.begin() + index, pages_.begin() + index + count);
  if (index < size()) {  // the pages after them moved back
    current_ = false;
    removedSince_ += count;
  }
}

}  // namespace viewer::pdf
