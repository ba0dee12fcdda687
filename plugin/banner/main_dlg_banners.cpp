// The main dialog's banner pages: the Banner Options dialog; a banner page in front of
// every ticked bookmark with its titles and the markers that find it again; and the
// banner pages found again by those markers, removed, selected or listed by level.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "banner_drawing.h"
#include "banner_geometry.h"
#include "banner_scan.h"
#include "framework/file_dialogs.h"
#include "framework/message_pump.h"
#include "framework/whole_files.h"
#include "host/error_frame.h"
#include "host/guarded_calls.h"
#include "model/tree_check_boxes.h"
#include "ui/main_dlg.h"
#include "ui/thumbnail_selection.h"

namespace {

// One row of the tree as the walk meets it.
struct BannerRow {
  HTREEITEM item;
  int32_t level;
};

// The media box of the page the document's view shows; false when the host raised.
bool ShownPageBox(AVDoc doc, PDDoc document, ASFixedRect& box) {
  PDPage volatile page = nullptr;
  volatile bool done = false;
  HOST_DURING
    page = host::PDDocAcquirePage(document, host::AVPageViewGetPageNum(host::AVDocGetPageView(doc)));
    host::PDPageGetMediaBox(page, &box);
    done = true;
  HOST_HANDLER
  HOST_END_HANDLER
  if (page) ReleasePage(page);
  return done;
}

// A new empty page that becomes page `index` (0-based); null, with the host's error
// code, when it could not be made.
PDPage CreatePageAt(PDDoc document, PDPageNumber index, const ASFixedRect& box,
                    ASErrorCode& error) {
  PDPage volatile page = nullptr;
  HOST_DURING
    page = host::PDDocCreatePage(document, index - 1, box);
  HOST_HANDLER
    error = HOST_ERRORCODE;
  HOST_END_HANDLER
  return page;
}

// Deletes page `index` (0-based); false, after the host's message, when it could not.
bool DeletePage(PDDoc document, PDPageNumber index) {
  ASErrorCode volatile error = 0;
  bool volatile done = false;
  HOST_DURING
    host::PDDocDeletePages(document, index, index, nullptr, nullptr);
    done = true;
  HOST_HANDLER
    error = HOST_ERRORCODE;
  HOST_END_HANDLER
  if (!done) AlertHostError(error);
  return done;
}

// The active document window, its document and page count; false when there is none
// or the host raised.
bool ActiveDocumentPages(AVDoc& doc, PDDoc& document, ASInt32& pageCount) {
  doc = ActiveDocument();
  return doc && DocumentPageCount(doc, document, pageCount);
}

constexpr FileDialogRequest kBannerNumbersDialog{
    "Save banners page numbers", "*.txt\0*.txt\0All Files *.*\0*.*\0", "txt"};

}  // namespace

void CMainDlg::OnBannerSetup() { bannerOptions.DoModal(GetSafeHwnd()); }

void CMainDlg::OnAddBanners() { AddBannerPages(false); }

void CMainDlg::OnAddBannersCurrentLevel() { AddBannerPages(true); }

void CMainDlg::AddBannerPages(bool levelOnly) {
  UpdateData(true);
  banners.lastAddedCount = 0;
  const AVDoc doc = ActiveDocument();
  if (!doc) return;
  ThumbnailTarget target;
  RestartThumbnailSelection(doc, target);
  BeginBannerRun();
  const BannerWalkStop stop = InsertBannersUnder(target, levelOnly);
  // Between the phases too: each keeps input waiting for a while of its own.
  PumpMessages();
  ShowThumbnailSelection(doc, target);
  PumpMessages();
  banners.lastAddedDocument = nullptr;
  PDDoc document = nullptr;
  ASInt32 pageCount = 0;
  if (banners.lastAddedCount > 0 && DocumentPageCount(doc, document, pageCount)) {
    banners.lastAddedDocument = document;
    banners.pageCountAfterAdd = pageCount;
  }
  const int32_t added = banners.lastAddedCount;
  EndBannerRun(true);
  if (stop != BannerWalkStop::None)
    MessageBoxA(GetSafeHwnd(), BannerWalkStopMessage(stop, added).c_str(), kMessageCaption,
                MB_OK | MB_ICONEXCLAMATION);
}

// No key is taken meanwhile by a pump that does not know the dialog's keys.
void CMainDlg::BeginBannerRun() { BeginCommandRun(); }

void CMainDlg::EndBannerRun(bool pagesChanged) {
  PumpMessages();
  if (pagesChanged) {
    RebuildBookmarkTree();
    ReleaseCapture();
    UpdatePageCount();
  }
  EndCommandRun();
  SetFocus(Tree());
}

// The rows in the tree's order (a row, its children, its next sibling), each with its
// level, and a banner in front of the first page of each ticked one.
BannerWalkStop CMainDlg::InsertBannersUnder(const ThumbnailTarget& target, bool levelOnly) {
  // A copy: the walk pumps messages, and the tree's lists must not be read meanwhile.
  std::vector<BannerRow> rows;
  rows.reserve(treeItems.shape.preorder.size());
  for (const int32_t entry : treeItems.shape.preorder) {
    rows.push_back({treeItems.items[entry], treeItems.shape.depth[entry]});
  }
  HWND tree = Tree();
  CPeriodicPump pump(false);
  for (const BannerRow& row : rows) {
    pump.Step();
    const std::string label = ItemLabel(tree, row.item);
    StoreLevelTitle(banners, row.level, BannerRowTitle(label));
    if (!IsItemChecked(tree, row.item)) continue;
    const BannerWalkStop stop =
        InsertBannerPage(target, LevelTitleSlot(row.level), BannerRowPage(label), levelOnly);
    if (stop != BannerWalkStop::None) return stop;
  }
  return BannerWalkStop::None;
}

BannerWalkStop CMainDlg::InsertBannerPage(const ThumbnailTarget& target, int32_t level,
                                          int32_t page, bool levelOnly) {
  if (banners.lastAddedCount >= kLastAddedCapacity) return BannerWalkStop::Limit;
  const AVDoc doc = ActiveDocument();
  PDDoc document = nullptr;
  ASInt32 pageCount = 0;
  if (!doc || !DocumentPageCount(doc, document, pageCount)) return BannerWalkStop::PageCount;
  ASFixedRect box{};
  if (!ShownPageBox(doc, document, box)) return BannerWalkStop::TemplateBox;
  if (bannerOptions.bannerPageSizeHeight > 0) {
    box.bottom = 0;
    box.top = ToFixed(bannerOptions.bannerPageSizeHeight);
  }
  if (bannerOptions.bannerPageSizeWidth > 0) {
    box.left = 0;
    box.right = ToFixed(bannerOptions.bannerPageSizeWidth);
  }
  // The labels keep the pages of the moment the command started: the banners this
  // run put in front of the page so far move it on, in whatever order the rows come.
  const PDPageNumber index = BannerIndexInRun(banners, page);
  ASErrorCode error = 0;
  const PDPage banner = CreatePageAt(document, index, box, error);
  if (!banner) {
    AlertHostError(error);
    return BannerWalkStop::NewPage;
  }
  if (!bannerOptions.levelText) {
    DrawBannerText(bannerOptions, index, std::string(kBannerPageMarker), 0, 0);
    if (level > 0) DrawBannerText(bannerOptions, index, BannerLevelMarker(level), 0, 0);
  }
  if (levelOnly) {
    DrawBannerText(bannerOptions, index, banners.levelTitles[level], level + 1, level);
  } else {
    for (int32_t line = 1; line <= level; ++line)
      DrawBannerText(bannerOptions, index, banners.levelTitles[line], line, level);
  }
  if (target.server) AddThumbnail(doc, target, index);
  ReleasePage(banner);
  RecordBannerInRun(banners, index, page);
  return BannerWalkStop::None;
}

void CMainDlg::OnRemoveAllBanners() { RemoveAllBanners(); }

void CMainDlg::OnRemoveLastAddedBanners() { RemoveLastAddedBanners(); }

void CMainDlg::OnSelectBannerThumbnails() { SelectAllBannerThumbnails(); }

void CMainDlg::OnSaveBannerPageNumbers() {
  UpdateData(true);
  UpdateData(false);
  if (const auto path = ChooseFileToSave(kBannerNumbersDialog)) WriteBannerNumbersFile(*path);
}

void CMainDlg::RemoveAllBanners() {
  AVDoc doc = nullptr;
  PDDoc document = nullptr;
  ASInt32 pageCount = 0;
  if (!ActiveDocumentPages(doc, document, pageCount)) return;
  BeginBannerRun();
  BannerWordScan scan(document);
  CPeriodicPump pump(false);
  // The page count is asked again on every pass: each deletion moves the next page
  // into the index just looked at.
  PDPageNumber index = 0;
  while (scan.Ready() && DocumentPageCount(doc, document, pageCount) && index < pageCount) {
    pump.Step();
    if (!scan.IsBannerPage(index)) {
      ++index;
    } else if (!DeletePage(document, index)) {
      break;
    }
  }
  EndBannerRun(true);
}

void CMainDlg::RemoveLastAddedBanners() {
  AVDoc doc = nullptr;
  PDDoc document = nullptr;
  ASInt32 pageCount = 0;
  if (!ActiveDocumentPages(doc, document, pageCount)) return;
  // The recorded pages are this document's banners only while nothing else has changed
  // its pages since: otherwise they would name pages of the document's own.
  if (document != banners.lastAddedDocument || pageCount != banners.pageCountAfterAdd) return;
  BeginBannerRun();
  CPeriodicPump pump(false);
  // The last page first: no deletion moves a page still to delete. A copy: the pump
  // may run another command meanwhile.
  for (const int32_t page : RecordedBannersLastFirst(banners)) {
    pump.Step();
    if (!DeletePage(document, page - 1)) break;
  }
  banners.lastAddedCount = 0;
  banners.lastAddedDocument = nullptr;
  EndBannerRun(true);
}

void CMainDlg::SelectAllBannerThumbnails() {
  UpdateData(true);
  AVDoc doc = nullptr;
  PDDoc document = nullptr;
  ASInt32 pageCount = 0;
  if (!ActiveDocumentPages(doc, document, pageCount)) return;
  ThumbnailTarget target;
  if (!ResetThumbnailSelection(doc, target)) return;
  BeginBannerRun();
  BannerWordScan scan(document);
  CPeriodicPump pump(false);
  bool first = true;
  for (PDPageNumber index = 0; scan.Ready() && index < pageCount; ++index) {
    pump.Step();
    if (!scan.IsBannerPage(index) || !target.server) continue;
    if (first) StartThumbnailSelection(doc, target, index);
    first = false;
    AddThumbnail(doc, target, index);
  }
  ShowThumbnailSelection(doc, target);
  EndBannerRun(false);
}

BannerScanEnd CMainDlg::ScanBannerLevels() {
  banners.records.count = 0;
  UpdateData(true);
  BannerScanEnd end;
  end.kind = BannerScanEnd::Kind::NotRead;
  AVDoc doc = nullptr;
  PDDoc document = nullptr;
  ASInt32 pageCount = 0;
  if (!ActiveDocumentPages(doc, document, pageCount)) return end;
  ThumbnailTarget target;
  if (!PrepareThumbnails(doc, true, target)) return end;
  BeginBannerRun();
  BannerWordScan scan(document);
  if (scan.Ready()) end.kind = BannerScanEnd::Kind::Complete;
  CPeriodicPump pump(false);
  for (PDPageNumber index = 0; scan.Ready() && index < pageCount; ++index) {
    pump.Step();
    if (!AddBannerRecord(banners.records, index + 1, scan.PageLevel(index))) {
      end = {BannerScanEnd::Kind::RecordLimit, index + 1};
      break;
    }
  }
  ShowThumbnailSelection(doc, target);
  EndBannerRun(false);
  return end;
}

void CMainDlg::WriteBannerNumbersFile(const std::string& path) {
  const BannerScanEnd end = ScanBannerLevels();
  const std::string message = BannerNumbersSavedMessage(end);
  // Pages that could not be read would leave the file saying there are no banners.
  if (end.kind == BannerScanEnd::Kind::NotRead) {
    MessageBoxA(GetSafeHwnd(), message.c_str(), kMessageCaption, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (!WriteWholeFile(path, BannerNumbersFileText(banners.records))) return;
  MessageBoxA(GetSafeHwnd(), message.c_str(), kMessageCaption, MB_OK);
}
