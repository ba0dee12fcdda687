// A PDF document held by qpdf: the document model behind a PDDoc.
#pragma once

#include <memory>
#include <string>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include "host_types.h"

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

  const std::string& path() const { return path_; }
  QPDF& qpdf() { return *qpdf_; }

  int PageCount();
  // Throws core::HostError(kHostErrBadPage) for an index outside the document.
  QPDFPageObjectHelper Page(int index);
  PageBox MediaBox(int index);
  PageBox CropBox(int index);
  int Rotation(int index);  // 0, 90, 180 or 270
  PDPerms Permissions();

  // Every change to the document model bumps the revision, so views re-render.
  unsigned revision() const { return revision_; }
  void MarkChanged() { ++revision_; }

  // Writes the document as it now stands. Throws core::HostError on failure.
  void SaveAs(const std::string& unixPath);
  std::string WriteToMemory();

 private:
  PdfDocument() = default;
  std::unique_ptr<QPDF> qpdf_;
  std::string path_;
  unsigned revision_ = 0;
};

}  // namespace viewer::pdf
