#include "print/spool_names.h"

#include <algorithm>
#include <cstdio>

#include "core/unix_files.h"

namespace viewer::print {
namespace {

constexpr char kPrefix[] = "job-";
constexpr char kSuffix[] = ".pdf";

}  // namespace

std::string SpoolFolderFor(const char* spoolVariable, const std::string& viewerFolder) {
  if (spoolVariable != nullptr && *spoolVariable != '\0') return spoolVariable;
  return core::JoinPath(viewerFolder, "spool");
}

std::string JobFileName(int jobNumber) {
  char name[32];
  std::snprintf(name, sizeof name, "%s%04d%s", kPrefix, jobNumber, kSuffix);
  return name;
}

std::optional<int> JobNumberOf(const std::string& fileName) {
  const std::string prefix = kPrefix, suffix = kSuffix;
  if (fileName.size() <= prefix.size() + suffix.size() || !fileName.starts_with(prefix) ||
      !fileName.ends_with(suffix)) {
    return std::nullopt;
  }
  const std::string digits =
      fileName.substr(prefix.size(), fileName.size() - prefix.size() - suffix.size());
  if (digits.size() > 9 || !std::all_of(digits.begin(), digits.end(),
                                        [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return std::stoi(digits);
}

int NextJobNumber(const std::vector<std::string>& fileNames) {
  int highest = 0;
  for (const std::string& name : fileNames) {
    if (auto number = JobNumberOf(core::FileNameOf(name))) highest = std::max(highest, *number);
  }
  return highest + 1;
}

}  // namespace viewer::print
