// Which versions of the host's named tables the plug-in asks for, and in what
// order. Kept free of host calls: the caller supplies how one table is looked up.
#pragma once

#include <functional>

#include "tables.h"

namespace host {

// Table versions the plug-in knows, ascending; every search starts at the last.
inline constexpr ASVersion kVersionLadder[] = {
    kTableVersion21, kTableVersion22, kTableVersion23,
    kTableVersion40, kTableVersion45, kTableVersion50,
};

struct TableRequirement {
  HostTable table;
  ASVersion lowestVersion;
  bool required;
};

// In the order they are requested.
inline constexpr TableRequirement kTableRequirements[kNamedTableCount] = {
    {HostTable::AcroSupport, kTableVersion50, true},
    {HostTable::Cos, kTableVersion50, true},
    {HostTable::PDModel, kTableVersion50, true},
    {HostTable::PDFEditWrite, kTableVersion50, true},
    {HostTable::PDFEditRead, kTableVersion50, true},
    {HostTable::PDSysFont, kTableVersion40, true},
    {HostTable::PagePDEContent, kTableVersion40, true},
    {HostTable::AcroView, kTableVersion50, true},
    {HostTable::PDSWrite, kTableVersion50, true},
    {HostTable::PDSRead, kTableVersion50, true},
    {HostTable::Win, kTableVersion50, true},
    {HostTable::ASExtra, kTableVersion50, false},
    {HostTable::AcroViewSweetPea, kTableVersion50, false},
    {HostTable::PDMetadata, kTableVersion50, false},
};

// Answers the table of that name at exactly that version, or null.
using TableLookup = std::function<HFT(const char* name, ASVersion version)>;

// Fills the named tables of `tables` (all reset first), each with the highest
// ladder version the lookup offers at or above its lowest version. Returns false
// as soon as a required table cannot be had; the tables after it are not asked for.
bool AcquireNamedTables(HostTables& tables, const TableLookup& lookup);

}  // namespace host
