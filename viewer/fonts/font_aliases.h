// Which of the families that fontconfig's substitution puts in place of a requested
// family really stand for it: the family itself and its aliases (such as the metric
// twins Liberation Sans and Arimo for Arial), not the generic fall-back list (the
// faces of "sans-serif" and the like) that ends every family's list, known or not.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace viewer::fonts {

struct SubstitutedFamily {
  std::string name;
  bool weak = false;  // fontconfig's weak binding
};

// substituted: the family list of a pattern holding only the requested family, after
// fontconfig's substitution, in order. genericPrefixes: for each generic family, the
// families that the substitution of that generic alone puts in front of it. Answers
// the families standing for the request, the requested one first, without repeats.
std::vector<std::string> FamiliesStandingFor(
    const std::vector<SubstitutedFamily>& substituted,
    const std::map<std::string, std::vector<std::string>>& genericPrefixes);

bool SameFamilyName(const std::string& a, const std::string& b);

}  // namespace viewer::fonts
