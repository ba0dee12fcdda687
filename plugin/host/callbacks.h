// Every procedure the plug-in hands to the host is first wrapped by the host.
#pragma once

#include "host_calls.h"

namespace host {

template <typename Proc>
ASCallback CallbackHandle(Proc proc) {
  return ASCallbackCreate(hostTables.extensionID, reinterpret_cast<void*>(proc));
}

// The wrapped procedure, typed as the procedure itself, for host calls that take it so.
template <typename Proc>
Proc CreateCallback(Proc proc) {
  return reinterpret_cast<Proc>(CallbackHandle(proc));
}

}  // namespace host
