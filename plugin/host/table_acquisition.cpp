#include "table_acquisition.h"

#include <iterator>

namespace host {

namespace {

ObtainedTable AcquireOne(const TableRequirement& requirement, const TableLookup& lookup) {
  const char* name = kHostTableNames[static_cast<int>(requirement.table)];
  for (auto rung = std::rbegin(kVersionLadder); rung != std::rend(kVersionLadder); ++rung) {
    if (*rung < requirement.lowestVersion) break;
    if (HFT table = lookup(name, *rung)) return {table, *rung};
  }
  return {};
}

}  // namespace

bool AcquireNamedTables(HostTables& tables, const TableLookup& lookup) {
  for (ObtainedTable& slot : tables.named) slot = {};
  for (const TableRequirement& requirement : kTableRequirements) {
    ObtainedTable obtained = AcquireOne(requirement, lookup);
    tables.named[static_cast<int>(requirement.table)] = obtained;
    if (requirement.required && obtained.version == 0) return false;
  }
  return true;
}

}  // namespace host
