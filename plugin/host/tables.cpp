#include "tables.h"

namespace host {

HostTables hostTables;

}  // namespace host
