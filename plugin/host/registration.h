// The initialise callback: what the plug-in adds to the host once it has started.
#pragma once

#include "host_types.h"

ASBool HOSTCALL InitialisePlugIn();
