// Files read and written whole, by the standard library's buffered files.
#pragma once

#include <string>

// The file is written whole or reported as not written.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
