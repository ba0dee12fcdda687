// The function tables the viewer offers its plug-ins: the core table handed over at
// setup and the fourteen named tables, each an array indexed by selector.
#pragma once

#include "core/table_offer.h"
#include "host_types.h"

namespace viewer::host {

// Fills every table from host_operations.def; call once before any plug-in loads.
void BuildHostTables();
void SetTableOffers(const core::TableOffers& offers);

HFT CoreTable();
// The named table called name if it is offered at a version of at least `version`,
// else null.
HFT FindOfferedTable(const char* name, ASVersion version);

}  // namespace viewer::host
