// Where the spool printer puts its jobs and what it calls them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace viewer::print {

// TESSALY_SPOOL (a Linux path) when set and not empty, else "spool" beside the viewer.
std::string SpoolFolderFor(const char* spoolVariable, const std::string& viewerFolder);

// job-0001.pdf, job-0002.pdf, ...; more digits once 9999 is passed.
std::string JobFileName(int jobNumber);
// The number of a job file name, or nothing for any other name.
std::optional<int> JobNumberOf(const std::string& fileName);
// One after the highest job number among the names (1 when there is none).
int NextJobNumber(const std::vector<std::string>& fileNames);

// The file, in the spool folder, that lists every job printed there.
inline constexpr char kJobListName[] = "jobs.txt";

}  // namespace viewer::print
