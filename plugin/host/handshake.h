// The two steps after PlugInMain: setup obtains the host's tables, the handshake
// names the plug-in and hands over its four life-cycle callbacks.
#pragma once

#include "host_types.h"

ASBool HOSTCALL SetUpPlugIn(ASUns32 handshakeVersion, void* setupData);
ASBool HOSTCALL ShakeHands(ASUns32 handshakeVersion, void* handshakeData);
