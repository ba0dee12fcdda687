#include "banner_run_report.h"

#include "banner_numbers.h"
#include "banner_pages.h"

namespace {

std::string BannerPagesCount(int32_t count) {
  return std::to_string(count) + (count == 1 ? " banner page" : " banner pages");
}

}  // namespace

std::string BannerWalkStopMessage(BannerWalkStop stop, int32_t added) {
  std::string reason;
  switch (stop) {
    case BannerWalkStop::None:
      return {};
    case BannerWalkStop::Limit:
      reason = "one run adds at most " + std::to_string(kLastAddedCapacity) + ".";
      break;
    case BannerWalkStop::PageCount:
      reason = "the document's page count could not be read.";
      break;
    case BannerWalkStop::TemplateBox:
      reason = "the size of the page shown could not be read.";
      break;
    case BannerWalkStop::NewPage:
      reason = "no new page could be made.";
      break;
  }
  return "Adding banner pages stopped after " + BannerPagesCount(added) + ": " + reason;
}

std::string BannerNumbersSavedMessage(const BannerScanEnd& end) {
  switch (end.kind) {
    case BannerScanEnd::Kind::NotRead:
      return kBannerNumbersNotRead;
    case BannerScanEnd::Kind::RecordLimit:
      return ".csv file saved\n\nThe scan stopped at " + BannerPagesCount(kBannerRecordCapacity) +
             ", its limit: page " + std::to_string(end.firstPageLeftOut) +
             " and the pages after it are not in the file.";
    case BannerScanEnd::Kind::Complete:
      break;
  }
  return ".csv file saved";
}
