#include "pdf/pdf_document.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <set>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFWriter.hh>

#include "core/host_error.h"
#include "core/unix_files.h"
#include "pdf/document_slots.h"

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

uint64_t PageKey(const QPDFObjGen& og) {
  return (static_cast<uint64_t>(static_cast<uint32_t>(og.getObj())) << 32) |
         static_cast<uint32_t>(og.getGen());
}

}  // namespace

std::unique_ptr<PdfDocument> PdfDocument::Open(const std::string& unixPath) {
  std::unique_ptr<PdfDocument> doc(new PdfDocument);
  doc->path_ = unixPath;
  doc->qpdf_ = std::make_unique<QPDF>();
  doc->qpdf_->setSuppressWarnings(true);
  try {
    doc->qpdf_->processFile(unixPath.c_str());
    doc->qpdf_->getAllPages();
    doc->layers_.Load(*doc->qpdf_);
  } catch (const std::exception& e) {
    throw core::HostError(kHostErrFileOpen, unixPath + ": " + e.what());
  }
  doc->serial_ = NewDocumentSerial();
  doc->slot_ = TakeDocumentSlot(doc.get());
  doc->handles_ = std::make_unique<ObjectHandles>(doc->slot_, doc->serial_);
  return doc;
}

PdfDocument::~PdfDocument() {
  if (slot_ != 0) FreeDocumentSlot(slot_);
}

const OutlineIndex& PdfDocument::Outline() {
  if (!outlineBuilt_ || outlineRevision_ != revision_) {
    outline_.Build(*qpdf_, *handles_);
    outlineBuilt_ = true;
    outlineRevision_ = revision_;
  }
  return outline_;
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

int PdfDocument::PageCount() { return static_cast<int>(qpdf_->getAllPages().size()); }

int PdfDocument::PageIndexOf(QPDFObjectHandle page) {
  if (!page.isIndirect()) return -1;
  const auto& pages = qpdf_->getAllPages();
  if (pageIndex_.empty() || pageIndexRevision_ != revision_ || pageIndexCount_ != pages.size()) {
    pageIndex_.clear();
    for (size_t i = 0; i < pages.size(); ++i) {
      pageIndex_.emplace(PageKey(pages[i].getObjGen()), static_cast<int>(i));
    }
    pageIndexRevision_ = revision_;
    pageIndexCount_ = pages.size();
  }
  const auto found = pageIndex_.find(PageKey(page.getObjGen()));
  return found != pageIndex_.end() ? found->second : -1;
}

QPDFPageObjectHelper PdfDocument::Page(int index) {
  const auto& pages = qpdf_->getAllPages();
  if (index < 0 || static_cast<size_t>(index) >= pages.size()) {
    throw core::HostError(kHostErrBadPage, "no page " + std::to_string(index));
  }
  return QPDFPageObjectHelper(pages[static_cast<size_t>(index)]);
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

void PdfDocument::SaveAs(const std::string& unixPath) {
  // qpdf keeps reading objects from its input file, so a document saved over its own
  // file is written beside it first and then moved into place.
  const bool overSource = core::IsSameFile(unixPath, path_);
  const std::string target = overSource ? unixPath + ".saving" : unixPath;
  try {
    QPDFWriter writer(*qpdf_, target.c_str());
    writer.write();
  } catch (const std::exception& e) {
    std::remove(target.c_str());
    throw core::HostError(kHostErrGeneral, "cannot write " + unixPath + ": " + e.what());
  }
  if (overSource) {
    if (!core::RenameFile(target, unixPath)) throw core::HostError(kHostErrGeneral, "cannot replace " + unixPath);
  }
}

std::string PdfDocument::WriteForDisplay() {
  LayerState::DisplayOverride shown(*qpdf_, layers_);
  return WriteToMemory();
}

std::string PdfDocument::WriteToMemory() {
  QPDFWriter writer(*qpdf_);
  writer.setOutputMemory();
  writer.write();
  auto buffer = writer.getBufferSharedPointer();
  return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

}  // namespace viewer::pdf
