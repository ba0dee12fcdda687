#include "host/host_tables.h"

#include <cstdlib>
#include <string>

#include "core/failing_call.h"
#include "host/boundary.h"
#include "host/host_impl.h"

namespace viewer::host {
namespace {

using TableArray = void* [kMaxHostSelector + 1];

TableArray namedTables[kNamedTableCount];
TableArray coreTable;
core::TableOffers offered;
core::FailingCall failing;
long failingCallsMade = 0;
bool failuresAsked = false;

TableArray& Slots(HostTable table) {
  return table == HostTable::Core ? coreTable : namedTables[static_cast<int>(table)];
}

}  // namespace

bool FailsThisCall() { return failing.FailsCall(++failingCallsMade, failuresAsked); }

void AskForFailingCalls(bool asked) { failuresAsked = asked; }

bool BuildHostTables(std::string* error) {
  // Tests reach the plug-in's handling of a failing host call through this variable.
  const char* variable = std::getenv(kFailingCallVariable);
  if (variable != nullptr && *variable != '\0') {
    const auto parsed = core::ParseFailingCall(variable);
    if (!parsed) {
      *error = std::string(kFailingCallVariable) + "=" + variable +
               ": not NAME, NAME:CALL,CALL,... (calls counted from 1) or NAME:when-asked";
      return false;
    }
    failing = *parsed;
  }
  const std::string failingName = failing.name;
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
  return true;
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
