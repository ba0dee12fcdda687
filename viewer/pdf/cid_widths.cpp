#include "pdf/cid_widths.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <map>

#include "pdf/number_value.h"

namespace viewer::pdf {
namespace {

// One entry of /W, its CIDs cut to the ones kept.
struct Entry {
  uint32_t first = 0, last = 0;
  QPDFObjectHandle widths;  // of `c [w1 w2 ...]`; null for `c1 c2 w`
  double width = 0;         // of `c1 c2 w`
};

// The CIDs a later entry has given a width already, as merged ranges (first to last).
class Covered {
 public:
  // Calls fill(from, to) for every part of first..last not covered yet, in order, and
  // covers all of it. Each range met is merged away, so a /W of any length costs no
  // more than its entries and the CIDs kept.
  template <typename Fill>
  void Cover(uint32_t first, uint32_t last, Fill fill) {
    auto it = ranges_.upper_bound(first);
    if (it != ranges_.begin() && std::prev(it)->second + 1 >= first) --it;
    uint32_t cursor = first, low = first, high = last;
    while (it != ranges_.end() && it->first <= last + 1) {
      if (it->first > cursor) fill(cursor, it->first - 1);
      cursor = std::max(cursor, it->second + 1);
      low = std::min(low, it->first);
      high = std::max(high, it->second);
      it = ranges_.erase(it);
    }
    if (cursor <= last) fill(cursor, last);
    ranges_.emplace(low, high);
  }
  bool Full() const {
    return ranges_.size() == 1 && ranges_.begin()->first == 0 &&
           ranges_.begin()->second == CidWidths::kMaxCid;
  }

 private:
  std::map<uint32_t, uint32_t> ranges_;
};

// The CID, when it is one kept.
std::optional<uint32_t> KeptCid(long long cid) {
  if (cid < 0 || cid > CidWidths::kMaxCid) return std::nullopt;
  return static_cast<uint32_t>(cid);
}

// The entries in their order; a first CID that is not one kept gives no entry but
// still takes its operands.
std::vector<Entry> Entries(QPDFObjectHandle w) {
  std::vector<Entry> entries;
  if (!w.isArray()) return entries;
  try {
    const int n = w.getArrayNItems();
    for (int i = 0; i + 1 < n;) {
      const std::optional<uint32_t> first = KeptCid(IntegerValue(w.getArrayItem(i), -1));
      QPDFObjectHandle next = w.getArrayItem(i + 1);
      if (next.isArray()) {
        const int count = next.getArrayNItems();
        if (first && count > 0) {
          const uint32_t last = std::min<uint32_t>(CidWidths::kMaxCid, *first + static_cast<uint32_t>(count) - 1);
          entries.push_back(Entry{*first, last, next, 0});
        }
        i += 2;
      } else if (i + 2 < n) {
        const long long last = IntegerValue(next, -1);
        if (first && last >= *first) {
          const double width = NumberValue(w.getArrayItem(i + 2), 0) / 1000;
          entries.push_back(Entry{*first, static_cast<uint32_t>(std::min<long long>(last, CidWidths::kMaxCid)),
                                  QPDFObjectHandle(), width});
        }
        i += 3;
      } else {
        break;
      }
    }
  } catch (const std::exception&) {
    // The entries read so far stand.
  }
  return entries;
}

}  // namespace

CidWidths::CidWidths(QPDFObjectHandle w) {
  std::vector<Entry> entries = Entries(w);
  // From the last entry back, each gives its widths only to the CIDs no later entry
  // gave one: every CID is read once, however often the entries name it.
  Covered covered;
  try {
    for (auto entry = entries.rbegin(); entry != entries.rend() && !covered.Full(); ++entry) {
      covered.Cover(entry->first, entry->last, [&](uint32_t from, uint32_t to) {
        if (entry->widths.isInitialized()) {
          for (uint32_t cid = from; cid <= to; ++cid) {
            const QPDFObjectHandle item = entry->widths.getArrayItem(static_cast<int>(cid - entry->first));
            ranges_.push_back(Range{cid, cid, NumberValue(item, 0) / 1000});
          }
        } else {
          ranges_.push_back(Range{from, to, entry->width});
        }
      });
    }
  } catch (const std::exception&) {
    // The widths read so far stand.
  }
  std::sort(ranges_.begin(), ranges_.end(), [](const Range& a, const Range& b) { return a.first < b.first; });
  // Neighbours of one width make one range (a widths array of equal widths, say).
  std::vector<Range> merged;
  for (const Range& range : ranges_) {
    if (!merged.empty() && merged.back().last + 1 == range.first && merged.back().width == range.width) {
      merged.back().last = range.last;
    } else {
      merged.push_back(range);
    }
  }
  merged.shrink_to_fit();
  ranges_ = std::move(merged);
}

std::optional<double> CidWidths::Find(uint32_t cid) const {
  auto after = std::upper_bound(ranges_.begin(), ranges_.end(), cid,
                                [](uint32_t value, const Range& range) { return value < range.first; });
  if (after == ranges_.begin()) return std::nullopt;
  const Range& range = *std::prev(after);
  if (cid > range.last) return std::nullopt;
  return range.width;
}

}  // namespace viewer::pdf
