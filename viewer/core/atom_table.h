// The host's atom table: each distinct string gets one 16-bit atom for the life of
// the process, and the atom gives the string back.
#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

#include "host_types.h"

namespace viewer::core {

class AtomTable {
 public:
  // The atom of text, made on first use. ASAtomNull for a null pointer, or when the
  // table is full.
  ASAtom FromString(const char* text);
  // True when text already has an atom; false for a null pointer.
  bool Exists(const char* text) const;
  // The text of atom, or null for an atom never handed out.
  const char* GetString(ASAtom atom) const;

 private:
  mutable std::mutex mutex_;
  std::deque<std::string> strings_;  // index = atom; a deque keeps c_str() stable
  std::unordered_map<std::string_view, ASAtom> byText_;
};

// The one table of the running host.
AtomTable& HostAtoms();

}  // namespace viewer::core
