// The function tables the viewer offers its plug-ins: the core table handed over at
// setup and the fourteen named tables, each an array indexed by selector.
#pragma once

#include <string>

#include "core/table_offer.h"
#include "host_types.h"

namespace viewer::host {

// The environment variable naming one host operation (e.g. "PDETextAdd") that is to
// fail with a general error, doing nothing, at every call or at the calls it lists
// ("PDDocCreatePage:2,3"; failing_call.h): how tests reach the plug-in's handling of a
// host that fails where a working one never does.
constexpr const char kFailingCallVariable[] = "TESSALY_FAILING_HOST_CALL";

// Fills every table from host_operations.def; call once before any plug-in loads.
// False, with the reason, when the failing call's variable is malformed.
bool BuildHostTables(std::string* error);
// Whether the calls of a failing operation given as NAME:when-asked fail from now on
// (UI thread only, where host calls run).
void AskForFailingCalls(bool asked);
void SetTableOffers(const core::TableOffers& offers);

HFT CoreTable();
// The named table called name if it is offered at a version of at least `version`,
// else null.
HFT FindOfferedTable(const char* name, ASVersion version);

}  // namespace viewer::host
