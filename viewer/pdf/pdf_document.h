// A PDF document held by qpdf: the document model behind a PDDoc.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include "host_types.h"
#include "pdf/name_tree.h"
#include "pdf/object_handles.h"
#include "pdf/optional_content.h"
#include "pdf/outline_index.h"

namespace viewer::pdf {

// Permission bits the host reports besides pdPermEdit.
constexpr PDPerms kPermOpen = 0x01, kPermSecure = 0x02, kPermPrint = 0x04, kPermCopy = 0x10,
                  kPermEditNotes = 0x20, kPermSaveAs = 0x40;

struct PageBox {
  double llx = 0, lly = 0, urx = 0, ury = 0;  // points
  double Width() const { return urx - llx; }
  double Height() const { return ury - lly; }
};

class PdfDocument {
 public:
  // Throws core::HostError(kHostErrFileOpen) when the file is not a readable PDF.
  static std::unique_ptr<PdfDocument> Open(const std::string& unixPath);
  ~PdfDocument();
  PdfDocument(const PdfDocument&) = delete;
  PdfDocument& operator=(const PdfDocument&) = delete;

  const std::string& path() const { return path_; }
  QPDF& qpdf() { return *qpdf_; }
  uint32_t serial() const { return serial_; }

  // The handles this document has handed out (bookmarks, actions, destinations).
  ObjectHandles& handles() { return *handles_; }
  // The outline, checked once per revision of the document.
  const OutlineIndex& Outline();
  // The /Names /Dests name tree, read once per revision.
  const NameTree& DestinationNames();
  // The layers shown now.
  LayerState& layers() { return layers_; }

  int PageCount();
  // The 0-based index of a page object of this document, or -1.
  int PageIndexOf(QPDFObjectHandle page);
  // Throws core::HostError(kHostErrBadPage) for an index outside the document.
  QPDFPageObjectHelper Page(int index);
  // The page's boxes as readers take them: inherited through the page tree, corners in
  // order, US Letter for a missing or unusable media box, the media box for a missing
  // or unusable crop box, and the crop box clipped to the media box.
  PageBox MediaBox(int index);
  PageBox CropBox(int index);
  int Rotation(int index);  // 0, 90, 180 or 270
  PDPerms Permissions();

  // Every change to the document model bumps the revision, so views re-render.
  unsigned revision() const { return revision_; }
  void MarkChanged() { ++revision_; }
  // Bumped by every change to the document model or to the layers shown.
  unsigned displayRevision() const { return revision_ + layers_.changes(); }
  // The file as opened shows what the viewer shows: no change to the model or the
  // layers since.
  bool DisplayedAsStored() const { return revision_ == 0 && !layers_.ChangedFromDefault(); }

  // Writes the document as it now stands. Throws core::HostError on failure.
  void SaveAs(const std::string& unixPath);
  std::string WriteToMemory();
  // As WriteToMemory, with the layers shown now as the default configuration, so the
  // copy renders as the viewer shows the document.
  std::string WriteForDisplay();

 private:
  PdfDocument() = default;
  std::unique_ptr<QPDF> qpdf_;
  std::string path_;
  unsigned revision_ = 0;
  uint32_t slot_ = 0;
  uint32_t serial_ = 0;
  std::unique_ptr<ObjectHandles> handles_;
  OutlineIndex outline_;
  unsigned outlineRevision_ = 0;
  bool outlineBuilt_ = false;
  NameTree destinationNames_;
  unsigned namesRevision_ = 0;
  bool namesRead_ = false;
  std::unordered_map<uint64_t, int> pageIndex_;  // by object and generation number
  unsigned pageIndexRevision_ = 0;
  size_t pageIndexCount_ = 0;
  LayerState layers_;
};

}  // namespace viewer::pdf
