#include "pdf/type1_encoding.h"

#include <cctype>
#include <cstdlib>

namespace viewer::pdf {

std::optional<std::array<std::string, 256>> Type1EncodingNames(std::string_view program) {
  // Only the clear-text part holds the encoding; the rest is encrypted.
  const size_t eexec = program.find("eexec");
  if (eexec != std::string_view::npos) program = program.substr(0, eexec);
  const size_t encoding = program.find("/Encoding");
  if (encoding == std::string_view::npos) return std::nullopt;
  program = program.substr(encoding + 9);
  size_t at = 0;
  while (at < program.size() && std::isspace(static_cast<unsigned char>(program[at]))) ++at;
  if (program.substr(at, 16) == "StandardEncoding") return std::nullopt;
  std::array<std::string, 256> names;
  bool any = false;
  // Every "dup <code> /<name> put" up to the "readonly def" or "def" that ends the array.
  const size_t end = program.find(" def", at);
  for (size_t dup = program.find("dup ", at); dup != std::string_view::npos && dup < end;
       dup = program.find("dup ", dup + 4)) {
    char* after = nullptr;
    const std::string rest(program.substr(dup + 4, 40));
    const long code = std::strtol(rest.c_str(), &after, 10);
    if (after == rest.c_str() || code < 0 || code > 255) continue;
    size_t name = static_cast<size_t>(after - rest.c_str());
    while (name < rest.size() && rest[name] == ' ') ++name;
    if (name >= rest.size() || rest[name] != '/') continue;
    size_t nameEnd = name + 1;
    while (nameEnd < rest.size() && !std::isspace(static_cast<unsigned char>(rest[nameEnd])) &&
           rest[nameEnd] != '/') {
      ++nameEnd;
    }
    names[static_cast<size_t>(code)] = rest.substr(name + 1, nameEnd - name - 1);
    any = true;
  }
  if (!any) return std::nullopt;
  return names;
}

}  // namespace viewer::pdf
