// Typed host operations: host::ASAtomFromString("...") and so on, one callable per
// entry of host_operations.def. Each fetches its entry from its table in
// host::hostTables and calls it; when the table or the entry is missing it does
// nothing and answers a value-initialised result. No code outside this folder
// indexes a table.
#pragma once

#include <type_traits>

#include "host_operations.h"
#include "tables.h"

namespace host {

inline void* TableEntry(HostTable table, ASInt32 selector) {
  HFT entries = hostTables.Table(table);
  return entries ? entries[selector] : nullptr;
}

template <typename Proc, HostTable Table, ASInt32 Selector>
struct Operation;

template <typename Result, typename... Args, HostTable Table, ASInt32 Selector>
struct Operation<Result(HOSTCALL*)(Args...), Table, Selector> {
  using Proc = Result(HOSTCALL*)(Args...);

  Result operator()(Args... args) const {
    auto proc = reinterpret_cast<Proc>(TableEntry(Table, Selector));
    if (proc) return proc(args...);
    if constexpr (!std::is_void_v<Result>) return Result{};
  }
};

#define HOST_OP(table, selector, name, ret, params) \
  inline constexpr Operation<::name##_Proc, ::name##_TABLE, ::name##_SEL> name{};
#include "host_operations.def"
#undef HOST_OP

}  // namespace host
