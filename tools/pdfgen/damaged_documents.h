// Documents broken the ways files from the field are broken: their cross-reference
// table, their end, their outline, their page tree, their content streams, or locked by
// a password nobody gives.
#pragma once

#include <string>

namespace pdfgen {

// Writes each of them into folder; answers how many. Throws std::exception on failure.
int WriteDamagedDocuments(const std::string& folder);

}  // namespace pdfgen
