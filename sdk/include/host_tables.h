// The host's function tables: names, identities, and table versions.
#pragma once

#include "host_types.h"

enum class HostTable : int {
  Core = -1,  // handed over at setup, not asked for by name
  AcroSupport = 0,
  Cos,
  PDModel,
  PDFEditWrite,
  PDFEditRead,
  PDSysFont,
  PagePDEContent,
  AcroView,
  PDSWrite,
  PDSRead,
  Win,
  ASExtra,
  AcroViewSweetPea,
  PDMetadata,
};

constexpr int kNamedTableCount = 14;

// Names by which the tables are asked for, in HostTable order.
inline constexpr const char* kHostTableNames[kNamedTableCount] = {
    "AcroSupport", "Cos",     "PDModel", "PDFEditWrite", "PDFEditRead",
    "PDSysFont",   "PagePDEContent", "AcroView", "PDSWrite", "PDSRead",
    "Win",         "ASExtra", "AcroViewSweetPea", "PDMetadata",
};

constexpr ASVersion MakeTableVersion(ASUns32 major, ASUns32 minor) {
  return (major << 16) | minor;
}
constexpr ASVersion kTableVersion21 = 0x00020001;
constexpr ASVersion kTableVersion22 = 0x00020002;
constexpr ASVersion kTableVersion23 = 0x00020003;
constexpr ASVersion kTableVersion40 = 0x00040000;
constexpr ASVersion kTableVersion45 = 0x00040005;
constexpr ASVersion kTableVersion50 = 0x00050000;
constexpr ASVersion kCoreTableVersion = 0x00020000;

// Host notification raised before each page is printed (notifications count from 0).
constexpr ASInt32 kNotifyWillPrintPage = 28;
