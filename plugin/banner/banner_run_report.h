// What the user is told when a banner command ends short of its work: what stopped it
// and how far it got.
#pragma once

#include <cstdint>
#include <string>

// Why the walk that puts banner pages in stopped before its last ticked row.
enum class BannerWalkStop {
  None,
  Limit,        // one run records at most kLastAddedCapacity banners
  PageCount,    // the document's page count could not be read
  TemplateBox,  // the size of the page shown, which the banners take, could not be read
  NewPage,      // the host made no new page (its own message came first)
};

// The message for a walk that stopped after `added` banner pages; empty for None.
std::string BannerWalkStopMessage(BannerWalkStop stop, int32_t added);

// How the scan of the level markers behind "Save current banner page numbers" ended.
struct BannerScanEnd {
  enum class Kind {
    Complete,
    NotRead,      // no document, or its thumbnails or word finder could not be prepared
    RecordLimit,  // the records were full before the last page
  };
  Kind kind = Kind::Complete;
  // With RecordLimit: the first page (1-based) whose banner is not among the records.
  int32_t firstPageLeftOut = 0;
};

// The message after the scan and the saving: the saved note, or why nothing was saved.
std::string BannerNumbersSavedMessage(const BannerScanEnd& end);
inline constexpr char kBannerNumbersNotRead[] =
    "Can't read the banner pages of this document: no file was saved.";
