// Files read and written whole, by the standard library's buffered files.
#pragma once

#include <string>

// The whole file, or false when it cannot be opened; a read error keeps what came.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// The file is written whole or reported as not written.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
