// Selector constants and procedure types of every host operation, generated from
// host_operations.def: for an operation N, N_SEL is its selector, N_TABLE its table
// and N_Proc its function type.
#pragma once

#include "host_errors.h"
#include "host_records.h"
#include "host_tables.h"
#include "host_types.h"

#define HOST_OP(table, selector, name, ret, params)                 \
  constexpr ASInt32 name##_SEL = selector;                          \
  constexpr HostTable name##_TABLE = HostTable::table;              \
  using name##_Proc = ret(HOSTCALL*) params;
#include "host_operations.def"
#undef HOST_OP

// Largest selector used in any table, so a table array can be sized.
constexpr ASInt32 kMaxHostSelector = 300;
