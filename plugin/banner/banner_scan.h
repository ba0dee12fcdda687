// The banner markers of a document's pages, read through the host's word finder.
#pragma once

#include <cstdint>

#include "host_records.h"
#include "host_types.h"

// One word finder over a document, made once and asked page by page. Every host call
// runs in an error frame of its own: a page the host cannot read counts as no banner.
class BannerWordScan {
 public:
  explicit BannerWordScan(PDDoc document);
  BannerWordScan(const BannerWordScan&) = delete;
  BannerWordScan& operator=(const BannerWordScan&) = delete;

  // False when the host made no word finder: no page is then a banner page.
  bool Ready() const { return finder_ != nullptr; }
  // The page (0-based) shows the word "BANNERPAGE]".
  bool IsBannerPage(PDPageNumber page);
  // The level the page's level markers give (the last one on the page wins); 0 when
  // it has none.
  int32_t PageLevel(PDPageNumber page);

 private:
  PDWordFinder finder_ = nullptr;
  PDWordProc pageWordProc_ = nullptr;
  PDWordProc levelWordProc_ = nullptr;
  // What the word procedures set while the host enumerates a page's words: members,
  // not locals, so that they keep their value past a raise.
  bool pageFlag_ = false;
  int32_t pageLevel_ = 0;
};
