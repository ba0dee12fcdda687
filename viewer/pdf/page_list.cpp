#include "pdf/page_list.h"

#include <algorithm>

#include "pdf/object_key.h"

namespace viewer::pdf {

void PageList::Assign(std::vector<QPDFObjectHandle> pages) {
  pages_ = std::move(pages);
  index_.clear();
  current_ = false;
  insertedSince_ = 0;
}

void PageList::Reindex() {
  index_.clear();
  index_.reserve(pages_.size());
  for (size_t i = 0; i < pages_.size(); ++i) {
    index_.emplace(ObjectKey(pages_[i].getObjGen()), static_cast<int>(i));
  }
  current_ = true;
  insertedSince_ = 0;
}

int PageList::IndexOf(QPDFObjectHandle page) {
  if (!page.isIndirect()) return -1;
  const QPDFObjGen wanted = page.getObjGen();
  for (int pass = 0; pass < 2; ++pass) {
    const auto found = index_.find(ObjectKey(wanted));
    if (found != index_.end()) {
      // Insertions before the page moved it on by at most insertedSince_.
      const int last = std::min(found->second + insertedSince_, size() - 1);
      for (int i = found->second; i <= last; ++i) {
        if (at(i).getObjGen() == wanted) return found->second = i;
      }
    }
    if (current_) return -1;  // not a page of the document
    Reindex();
  }
  return -1;
}

void PageList::Insert(int index, QPDFObjectHandle page) {
  pages_.insert(pages_.begin() + index, page);
  if (index + 1 < size()) {  // the pages after it moved on
    current_ = false;
    ++insertedSince_;
  }
  index_[ObjectKey(page.getObjGen())] = index;
}

void PageList::Erase(int index, int count) {
  pages_.erase(pages_.begin() + index, pages_.begin() + index + count);
  // Pages moved back: the look-up only searches forwards from where a page was.
  index_.clear();
  current_ = false;
  insertedSince_ = 0;
}

}  // namespace viewer::pdf
