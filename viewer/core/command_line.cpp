#include "core/command_line.h"

#include <string_view>

namespace viewer::core {

const char kViewerUsage[] =
    "usage: viewer [--plugins DIR] [--offer NAME=VERSION]... [--setup-version HEX]\n"
    "              [--handshake-version HEX] [--script FILE] [FILE.pdf]...";

bool ParseViewerOptions(int argc, const char* const* argv, ViewerOptions* options,
                        std::string* error) {
  bool filesOnly = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (filesOnly || arg.empty() || arg[0] != '-' || arg == "-") {
      options->files.emplace_back(arg);
      continue;
    }
    if (arg == "--") {
      filesOnly = true;
      continue;
    }
    const bool takesValue = arg == "--plugins" || arg == "--offer" || arg == "--setup-version" ||
                            arg == "--handshake-version" || arg == "--script";
    if (!takesValue) {
      *error = "unknown option " + std::string(arg);
      return false;
    }
    if (i + 1 >= argc) {
      *error = std::string(arg) + " needs a value";
      return false;
    }
    const std::string value = argv[++i];
    if (arg == "--plugins") {
      options->pluginsDir = value;
    } else if (arg == "--script") {
      options->scriptPath = value;
    } else if (arg == "--offer") {
      std::string why;
      if (!options->offers.Apply(value, &why)) {
        *error = "--offer: " + why;
        return false;
      }
    } else {
      const auto version = ParseHexVersion(value);
      if (!version) {
        *error = std::string(arg) + ": not a hexadecimal version: " + value;
        return false;
      }
      (arg == "--setup-version" ? options->setupVersion : options->handshakeVersion) = *version;
    }
  }
  return true;
}

}  // namespace viewer::core
