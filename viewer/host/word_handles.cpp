#include "host/word_handles.h"

#include <deque>
#include <unordered_set>
#include <utility>

#include "core/host_error.h"

namespace viewer::host {
namespace {

struct FinderTable {
  std::deque<_t_PDWordFinder> finders;  // a deque keeps the handles' addresses
  std::unordered_set<PDWordFinder> live;
};

FinderTable& Finders() {
  static FinderTable table;
  return table;
}

std::unordered_set<PDWord>& LiveWords() {
  static std::unordered_set<PDWord> words;
  return words;
}

}  // namespace

PDWordFinder NewWordFinder(PDDoc doc, uint32_t serial) {
  FinderTable& table = Finders();
  PDWordFinder finder = &table.finders.emplace_back(_t_PDWordFinder{doc, serial, {}});
  table.live.insert(finder);
  return finder;
}

_t_PDWordFinder& CheckedWordFinder(PDWordFinder finder) {
  if (finder == nullptr || Finders().live.count(finder) == 0) {
    throw core::HostError(kHostErrBadParameter, "unknown word finder");
  }
  return *finder;
}

LiveWord::LiveWord(std::string text) : word_{std::move(text)} { LiveWords().insert(&word_); }

LiveWord::~LiveWord() { LiveWords().erase(&word_); }

const _t_PDWord& CheckedWord(PDWord word) {
  if (word == nullptr || LiveWords().count(word) == 0) {
    throw core::HostError(kHostErrBadParameter, "not a word being enumerated");
  }
  return *word;
}

}  // namespace viewer::host
