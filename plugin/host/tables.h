// The host's function tables as obtained at load: written once by the setup
// procedure, read by the typed operations of host_calls.h.
#pragma once

#include "host_tables.h"

namespace host {

struct ObtainedTable {
  HFT table = nullptr;     // null when no acceptable version was offered
  ASVersion version = 0;   // the version obtained, 0 if none
};

struct HostTables {
  ASExtension extensionID = 0;
  HFT core = nullptr;
  ASVersion coreVersion = 0;
  ObtainedTable named[kNamedTableCount];

  HFT Table(HostTable which) const {
    if (which == HostTable::Core) return core;
    return named[static_cast<int>(which)].table;
  }
  ASVersion Version(HostTable which) const {
    if (which == HostTable::Core) return coreVersion;
    return named[static_cast<int>(which)].version;
  }
};

// The one set of tables of the loaded plug-in.
extern HostTables hostTables;

}  // namespace host
