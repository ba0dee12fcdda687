// The viewer's command line:
//   viewer [--plugins DIR] [--offer NAME=VERSION]... [--setup-version HEX]
//          [--handshake-version HEX] [--script FILE] [FILE.pdf]...
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/table_offer.h"

namespace viewer::core {

struct ViewerOptions {
  std::string pluginsDir;                  // empty: the plug-ins folder beside the viewer
  TableOffers offers;
  std::optional<ASUns32> setupVersion;     // passed to plug-in setup instead of 2.0
  std::optional<ASUns32> handshakeVersion; // passed to the plug-in handshake instead of 2.0
  std::string scriptPath;
  std::vector<std::string> files;          // documents to open
};

// Reads argv[1..argc-1]; false with *error on an unknown option or a bad value.
bool ParseViewerOptions(int argc, const char* const* argv, ViewerOptions* options,
                        std::string* error);

extern const char kViewerUsage[];

}  // namespace viewer::core
