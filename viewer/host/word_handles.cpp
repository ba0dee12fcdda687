#include "host/word_handles.h"

#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "core/host_error.h"

namespace viewer::host {
namespace {

// Handles are numbers counted up, never handed out twice: the handle of a dropped finder
// is told from every later one, as the address of a freed finder would not be.
struct FinderTable {
  std::unordered_map<uintptr_t, WordFinder> finders;  // nodes: a finder stays where it is
  uintptr_t last = 0;
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
  const uintptr_t key = ++table.last;
  table.finders.emplace(key, WordFinder{doc, serial, {}});
  return reinterpret_cast<PDWordFinder>(key);
}

WordFinder& CheckedWordFinder(PDWordFinder finder) {
  auto& finders = Finders().finders;
  const auto found = finders.find(reinterpret_cast<uintptr_t>(finder));
  if (finder == nullptr || found == finders.end()) {
    throw core::HostError(kHostErrBadParameter, "unknown word finder");
  }
  return found->second;
}

void DropWordFinders(uint32_t serial) {
  std::erase_if(Finders().finders, [serial](const auto& entry) { return entry.second.serial == serial; });
}

size_t WordFinderCount() { return Finders().finders.size(); }

LiveWord::LiveWord(std::string text) : word_{std::move(text)} { LiveWords().insert(&word_); }

LiveWord::~LiveWord() { LiveWords().erase(&word_); }

const _t_PDWord& CheckedWord(PDWord word) {
  if (word == nullptr || LiveWords().count(word) == 0) {
    throw core::HostError(kHostErrBadParameter, "not a word being enumerated");
  }
  return *word;
}

}  // namespace viewer::host
