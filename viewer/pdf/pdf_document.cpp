#include "pdf/pdf_document.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>
#include <set>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "core/host_error.h"
#include "core/unix_files.h"
#include "pdf/document_slots.h"
#include "pdf/object_key.h"
#include "pdf/page_tree.h"

namespace viewer::pdf {
namespace {

// What readers take for a page without a usable media box: US Letter.
constexpr PageBox kLetter{0, 0, 612, 792};

// The rectangle a box entry holds, with its corners put in order; none when the entry
// is not four numbers or encloses no area.
std::optional<PageBox> UsableBox(QPDFObjectHandle value) {
  if (!value.isArray() || value.getArrayNItems() != 4) return std::nullopt;
  double n[4];
  for (int i = 0; i < 4; ++i) {
    if (!value.getArrayItem(i).getValueAsNumber(n[i])) return std::nullopt;
  }
  const PageBox box{std::min(n[0], n[2]), std::min(n[1], n[3]), std::max(n[0], n[2]),
                    std::max(n[1], n[3])};
  const bool area = std::isfinite(box.Width()) && std::isfinite(box.Height()) &&
                    box.Width() > 0 && box.Height() > 0;
  return area ? std::optional<PageBox>(box) : std::nullopt;
}

// The nearest usable box under `key` on the page or on the page tree nodes above it, so
// a broken entry on the page lets an inherited one show through, as renderers do.
// Entries are looked for before they are read: qpdf makes a new null object, with a
// description, for every key it does not find, and that is most of the cost of a page.
std::optional<PageBox> InheritedBox(QPDFObjectHandle page, const std::string& key) {
  static const std::string kParent = "/Parent";
  std::set<QPDFObjGen> climbed;  // a /Parent loop ends the walk
  QPDFObjectHandle node = page;
  while (node.isDictionary()) {
    if (node.hasKey(key)) {
      if (auto box = UsableBox(node.getKey(key))) return box;
    }
    if (!node.hasKey(kParent)) break;
    if (node.isIndirect() && !climbed.insert(node.getObjGen()).second) break;
    node = node.getKey(kParent);
  }
  return std::nullopt;
}

PageBox MediaBoxOf(QPDFObjectHandle page) {
  static const std::string kMediaBox = "/MediaBox";
  return InheritedBox(page, kMediaBox).value_or(kLetter);
}

}  // namespace

std::unique_ptr<PdfDocument> PdfDocument::Open(const std::string& unixPath) {
  std::unique_ptr<PdfDocument> doc(new PdfDocument);
  doc->path_ = unixPath;
  doc->qpdf_ = std::make_unique<QPDF>();
  doc->qpdf_->setSuppressWarnings(true);
  try {
    doc->qpdf_->processFile(unixPath.c_str());
    doc->storedPages_ = doc->qpdf_->getAllPages();
    doc->pages_.Assign(doc->storedPages_);
    doc->layers_.Load(*doc->qpdf_);
  } catch (const std::exception& e) {
    throw core::HostError(kHostErrFileOpen, unixPath + ": " + e.what());
  }
  // A catalog without a page tree leaves nothing to show (a tree without pages is a
  // document whose first page is still to come).
  if (!doc->qpdf_->getRoot().getKey("/Pages").isDictionary()) {
    throw core::HostError(kHostErrFileOpen, unixPath + ": the document has no page tree");
  }
  doc->Register();
  return doc;
}

std::unique_ptr<PdfDocument> PdfDocument::CreateEmpty() {
  std::unique_ptr<PdfDocument> doc(new PdfDocument);
  doc->qpdf_ = std::make_unique<QPDF>();
  doc->qpdf_->setSuppressWarnings(true);
  doc->qpdf_->emptyPDF();
  doc->Register();
  return doc;
}

void PdfDocument::Register() {
  serial_ = NewDocumentSerial();
  slot_ = TakeDocumentSlot(this);
  handles_ = std::make_unique<ObjectHandles>(slot_, serial_);
}

PdfDocument::~PdfDocument() {
  if (slot_ != 0) FreeDocumentSlot(slot_);
}

OutlineIndex& PdfDocument::CurrentOutline() {
  if (!outlineBuilt_ || outlineRevision_ != revision_) {
    outline_.Begin(*qpdf_, *handles_);
    outlineBuilt_ = true;
    outlineRevision_ = revision_;
  }
  return outline_;
}

const OutlineIndex& PdfDocument::Outline() {
  OutlineIndex& outline = CurrentOutline();
  outline.Complete();
  return outline;
}

void PdfDocument::OutlineItemRemoved(const std::vector<uint32_t>& subtree) {
  // Only a whole walk can be mended; a part walked is begun again.
  const bool current = outlineBuilt_ && outlineRevision_ == revision_ && outline_.complete();
  MarkChanged();
  if (!current) return;
  outline_.Remove(subtree, *handles_);
  outlineRevision_ = revision_;
}

const NameTree& PdfDocument::DestinationNames() {
  if (!namesRead_ || namesRevision_ != revision_) {
    QPDFObjectHandle names = qpdf_->getRoot().getKey("/Names");
    destinationNames_ = NameTree(names.isDictionary() ? names.getKey("/Dests")
                                                      : QPDFObjectHandle::newNull());
    namesRead_ = true;
    namesRevision_ = revision_;
  }
  return destinationNames_;
}

DocumentEdits& PdfDocument::edits() {
  if (!edits_) edits_ = std::make_unique<DocumentEdits>(*qpdf_);
  return *edits_;
}

QPDFPageObjectHelper PdfDocument::Page(int index) {
  if (index < 0 || index >= pages_.size()) {
    throw core::HostError(kHostErrBadPage, "no page " + std::to_string(index));
  }
  return QPDFPageObjectHelper(pages_.at(index));
}

void PdfDocument::InsertPage(int afterPage, QPDFObjectHandle page) {
  const int count = pages_.size();
  if (afterPage < -1 || afterPage >= count) {
    throw core::HostError(kHostErrBadPage, "no page " + std::to_string(afterPage) + " to insert after");
  }
  const bool placed = count == 0
                          ? AppendToRoot(qpdf_->getRoot().getKey("/Pages"), page)
                          : InsertNextTo(page, pages_.at(std::max(afterPage, 0)), afterPage < 0,
                                         std::max(afterPage, 0));
  if (placed) {
    pages_.Insert(afterPage + 1, page);
    qpdfPagesStale_ = true;
  } else {
    // A tree whose nodes do not list their pages: qpdf mends it (making it flat) and
    // reads the pages again.
    qpdf_->updateAllPagesCache();
    QPDFPageDocumentHelper helper(*qpdf_);
    if (afterPage < 0) {
      helper.addPage(QPDFPageObjectHelper(page), true);
    } else {
      helper.addPageAt(QPDFPageObjectHelper(page), false, QPDFPageObjectHelper(pages_.at(afterPage)));
    }
    pages_.Assign(qpdf_->getAllPages());
    qpdfPagesStale_ = false;
  }
  MarkChanged();
}

void PdfDocument::DeletePages(int first, int last) {
  const int count = pages_.size();
  if (first < 0 || last >= count || first > last) {
    throw core::HostError(kHostErrBadPage, "no pages " + std::to_string(first) + " to " +
                                               std::to_string(last) + " to delete");
  }
  if (last - first + 1 == count) throw core::HostError(kHostErrBadPage, "cannot delete every page");
  std::vector<QPDFObjectHandle> leaving;
  for (int index = first; index <= last; ++index) leaving.push_back(pages_.at(index));
  // From the last, so the earlier pages keep their positions as hints.
  bool mended = false;
  for (int index = last; index >= first; --index) {
    if (!RemoveFromTree(pages_.at(index), index)) mended = true;
  }
  if (!mended) {
    pages_.Erase(first, last - first + 1);
    qpdfPagesStale_ = true;
  } else {
    // A tree whose nodes do not list their pages: qpdf mends it (making it flat), the
    // pages not taken out yet are taken out through it, and the pages are read again.
    qpdf_->updateAllPagesCache();
    QPDFPageDocumentHelper helper(*qpdf_);
    for (QPDFObjectHandle page : leaving) {
      for (QPDFPageObjectHelper listed : helper.getAllPages()) {
        if (listed.getObjectHandle().getObjGen() == page.getObjGen()) {
          helper.removePage(listed);
          break;
        }
      }
      page.removeKey("/Parent");
    }
    pages_.Assign(qpdf_->getAllPages());
    qpdfPagesStale_ = false;
  }
  MarkChanged();
}

void PdfDocument::MarkPageChanged(QPDFObjectHandle page) {
  pageStamps_[ObjectKey(page.getObjGen())] = ++contentRevision_;
}

unsigned PdfDocument::PageStamp(QPDFObjectHandle page) const {
  const auto found = pageStamps_.find(ObjectKey(page.getObjGen()));
  return found != pageStamps_.end() ? found->second : 0;
}

PageLook PdfDocument::LookOf(int index) {
  QPDFObjectHandle page = Page(index).getObjectHandle();
  return PageLook{ObjectKey(page.getObjGen()), PageStamp(page), layers_.changes()};
}

PageBox PdfDocument::MediaBox(int index) { return MediaBoxOf(Page(index).getObjectHandle()); }

PageBox PdfDocument::CropBox(int index) {
  const QPDFObjectHandle page = Page(index).getObjectHandle();
  const PageBox media = MediaBoxOf(page);
  static const std::string kCropBox = "/CropBox";
  const auto crop = InheritedBox(page, kCropBox);
  if (!crop) return media;
  // Only the part inside the media box is shown.
  const PageBox clipped{std::max(crop->llx, media.llx), std::max(crop->lly, media.lly),
                        std::min(crop->urx, media.urx), std::min(crop->ury, media.ury)};
  return clipped.Width() > 0 && clipped.Height() > 0 ? clipped : media;
}

int PdfDocument::Rotation(int index) {
  auto rotate = Page(index).getAttribute("/Rotate", false);
  if (!rotate.isInteger()) return 0;
  const long long degrees = ((rotate.getIntValue() % 360) + 360) % 360;
  return static_cast<int>(degrees / 90 * 90);
}

PDPerms PdfDocument::Permissions() {
  PDPerms perms = kPermOpen | kPermSaveAs;
  if (qpdf_->isEncrypted()) perms |= kPermSecure;
  if (qpdf_->allowPrintLowRes()) perms |= kPermPrint;
  if (qpdf_->allowModifyOther()) perms |= pdPermEdit;
  if (qpdf_->allowExtractAll()) perms |= kPermCopy;
  if (qpdf_->allowModifyAnnotation()) perms |= kPermEditNotes;
  return perms;
}

// Written beside the target and moved into place whole, so a full disk leaves the
// file that was there as it was. qpdf goes on reading objects from its input file,
// which a save over it replaces but does not change.
void PdfDocument::SaveAs(const std::string& unixPath) {
  const bool overSource = core::IsSameFile(unixPath, path_);
  bool saved = false;
  try {
    SyncQpdfPages();
    saved = core::WriteFileWhole(unixPath, [&](std::FILE* file) {
      QPDFWriter writer(*qpdf_, unixPath.c_str(), file, false);
      WriteWith(writer);
    });
  } catch (const std::exception& e) {
    throw core::HostError(kHostErrGeneral, "cannot write " + unixPath + ": " + e.what());
  }
  if (!saved) throw core::HostError(kHostErrGeneral, "cannot write " + unixPath);
  if (overSource) storedPages_.clear();
}

std::string PdfDocument::WriteForDisplay() {
  LayerState::DisplayOverride shown(*qpdf_, layers_);
  return WriteToMemory();
}

bool PdfDocument::ReadAhead(int budgetMs) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(budgetMs);
  try {
    if (!readAheadListed_) {
      readAheadListed_ = true;
      for (const auto& [object, entry] : qpdf_->getXRefTable()) {
        if (entry.getType() != 0) unread_.push_back(object);
      }
      std::reverse(unread_.begin(), unread_.end());  // read in file order, taken from the end
    }
    int sinceClockRead = 0;
    while (!unread_.empty()) {
      // Reading an object resolves it in qpdf's cache (with the rest of its object stream).
      (void)qpdf_->getObject(unread_.back()).getTypeCode();
      unread_.pop_back();
      if (++sinceClockRead == 16) {
        sinceClockRead = 0;
        if (Clock::now() >= deadline) return false;
      }
    }
  } catch (const std::exception&) {
    // A damaged file: whatever is left is read when qpdf needs it, as without reading ahead.
    unread_.clear();
  }
  unread_.shrink_to_fit();
  return true;
}

void PdfDocument::WriteWith(QPDFWriter& writer) {
  if (minimumVersion_.getMajor() > 0) writer.setMinimumPDFVersion(minimumVersion_);
  writer.write();
}

void PdfDocument::SyncQpdfPages() {
  if (!qpdfPagesStale_) return;
  qpdf_->updateAllPagesCache();
  qpdfPagesStale_ = false;
}

std::string PdfDocument::WriteToMemory() {
  SyncQpdfPages();
  QPDFWriter writer(*qpdf_);
  writer.setOutputMemory();
  WriteWith(writer);
  auto buffer = writer.getBufferSharedPointer();
  return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

}  // namespace viewer::pdf
