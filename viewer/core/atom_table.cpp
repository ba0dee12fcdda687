#include "core/atom_table.h"

namespace viewer::core {

ASAtom AtomTable::FromString(const char* text) {
  if (text == nullptr) return ASAtomNull;
  std::lock_guard lock(mutex_);
  if (auto found = byText_.find(text); found != byText_.end()) return found->second;
  if (strings_.size() >= ASAtomNull) return ASAtomNull;
  const auto atom = static_cast<ASAtom>(strings_.size());
  const std::string& stored = strings_.emplace_back(text);
  byText_.emplace(stored, atom);
  return atom;
}

bool AtomTable::Exists(const char* text) const {
  if (text == nullptr) return false;
  std::lock_guard lock(mutex_);
  return byText_.count(text) != 0;
}

const char* AtomTable::GetString(ASAtom atom) const {
  std::lock_guard lock(mutex_);
  if (atom >= strings_.size()) return nullptr;
  return strings_[atom].c_str();
}

AtomTable& HostAtoms() {
  static AtomTable table;
  return table;
}

}  // namespace viewer::core
