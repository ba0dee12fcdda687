#include "pdf/pdf_document.h"

#include <cstdio>
#include <algorithm>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFWriter.hh>

#include "core/host_error.h"
#include "core/unix_files.h"
#include "pdf/document_slots.h"

namespace viewer::pdf {
namespace {

PageBox ToPageBox(QPDFObjectHandle box) {
  PageBox result;
  if (!box.isRectangle()) return result;
  const auto r = box.getArrayAsRectangle();
  result.llx = std::min(r.llx, r.urx);
  result.urx = std::max(r.llx, r.urx);
  result.lly = std::min(r.lly, r.ury);
  result.ury = std::max(r.lly, r.ury);
  return result;
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

PageBox PdfDocument::MediaBox(int index) { return ToPageBox(Page(index).getMediaBox()); }

PageBox PdfDocument::CropBox(int index) { return ToPageBox(Page(index).getCropBox()); }

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
