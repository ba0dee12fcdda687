// Files written whole, by the standard library's buffered files.
#pragma once

#include <string>

// The file is written whole in the place of the one at `path`, or not at all (false):
// the file that was there then stays exactly as it was.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
