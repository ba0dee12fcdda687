// The host's file system and path objects behind ASFileSys and ASPathName.
#pragma once

#include <string>

#include "host_types.h"

struct _t_ASFileSysRec {
  const char* name;
};

struct _t_ASPathNameRec {
  std::string given;     // as the plug-in wrote it
  std::string unixPath;  // where it is on this machine
};

namespace viewer::host {

ASFileSys DefaultFileSys();
// Throws core::HostError(kHostErrBadParameter) for a path the host did not create.
ASPathName CheckedPath(ASPathName path);

}  // namespace viewer::host
