#include "fonts/font_aliases.h"

#include <algorithm>
#include <cctype>

namespace viewer::fonts {
namespace {

std::string Lowered(const std::string& text) {
  std::string lowered = text;
  for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lowered;
}

const std::vector<std::string>* PrefixOfGeneric(
    const std::string& name, const std::map<std::string, std::vector<std::string>>& prefixes) {
  for (const auto& [generic, prefix] : prefixes) {
    if (SameFamilyName(generic, name)) return &prefix;
  }
  return nullptr;
}

}  // namespace

bool SameFamilyName(const std::string& a, const std::string& b) { return Lowered(a) == Lowered(b); }

std::vector<std::string> FamiliesStandingFor(
    const std::vector<SubstitutedFamily>& substituted,
    const std::map<std::string, std::vector<std::string>>& genericPrefixes) {
  std::vector<std::string> families;
  auto add = [&families](const std::string& name) {
    const bool known = std::any_of(families.begin(), families.end(),
                                   [&](const std::string& f) { return SameFamilyName(f, name); });
    if (!known) families.push_back(name);
  };
  if (substituted.empty()) return families;
  add(substituted.front().name);
  // The fall-back list is a generic family's own substitution: the families that
  // generic puts in front of itself, then the generic. It starts where that run does.
  size_t generic = 1;
  const std::vector<std::string>* prefix = nullptr;
  for (; generic < substituted.size(); ++generic) {
    prefix = PrefixOfGeneric(substituted[generic].name, genericPrefixes);
    if (prefix != nullptr) break;
  }
  bool fallbackFound = false;
  size_t end = generic;
  if (prefix != nullptr && generic >= prefix->size()) {
    const size_t start = generic - prefix->size();
    fallbackFound = std::equal(prefix->begin(), prefix->end(), substituted.begin() + static_cast<std::ptrdiff_t>(start),
                               [](const std::string& p, const SubstitutedFamily& s) {
                                 return SameFamilyName(p, s.name);
                               });
    if (fallbackFound) end = std::max<size_t>(start, 1);
  }
  for (size_t i = 1; i < end; ++i) {
    // Without the fall-back run to cut at, only what the configuration binds
    // strongly to the request is trusted.
    if (fallbackFound || !substituted[i].weak) add(substituted[i].name);
  }
  return families;
}

}  // namespace viewer::fonts
