#include "host/host_tables.h"

#include <cstdlib>
#include <string>

#include "host/boundary.h"
#include "host/host_impl.h"

namespace viewer::host {
namespace {

using TableArray = void* [kMaxHostSelector + 1];

TableArray namedTables[kNamedTableCount];
TableArray coreTable;
core::TableOffers offered;

TableArray& Slots(HostTable table) {
  return table == HostTable::Core ? coreTable : namedTables[static_cast<int>(table)];
}

}  // namespace

void BuildHostTables() {
  // Tests reach the plug-in's handling of a failing host call through this variable.
  const char* failing = std::getenv(kFailingCallVariable);
  const std::string failingName = failing != nullptr ? failing : "";
  // static_cast to N_Proc checks that each entry has exactly the signature both
  // sides agreed on.
#define HOST_OP(table, selector, name, ret, params)                                  \
  static_assert(selector > 0 && selector <= kMaxHostSelector);                       \
  Slots(HostTable::table)[selector] =                                                \
      failingName == #name                                                           \
          ? reinterpret_cast<void*>(                                                 \
                static_cast<name##_Proc>(&FailingBoundary<&ops::name##_Impl>::Call)) \
          : reinterpret_cast<void*>(                                                 \
                static_cast<name##_Proc>(&Boundary<&ops::name##_Impl>::Call));
#include "host_operations.def"
#undef HOST_OP
}

void SetTableOffers(const core::TableOffers& offers) { offered = offers; }

HFT CoreTable() { return coreTable; }

HFT FindOfferedTable(const char* name, ASVersion version) {
  if (name == nullptr) return nullptr;
  const auto table = core::FindNamedTable(name);
  if (!table || !offered.Answers(*table, version)) return nullptr;
  return namedTables[static_cast<int>(*table)];
}

}  // namespace viewer::host
