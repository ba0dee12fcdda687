#include "print/page_copy.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "core/host_error.h"
#include "core/unix_files.h"
#include "pdf/optional_content.h"
#include "print/print_request.h"

namespace viewer::print {
namespace {

// The last reading of a document's own file, kept while it is the same open document
// and its file stays as it was: a job after job from a large document then reads it
// once, not once a job. A file written again under the same name (the index file of
// every job) belongs to a document opened again, so it is always read again, however
// alike the two files look to stat.
struct StoredReading {
  uint32_t serial = 0;
  std::string path;
  off_t size = -1;
  ino_t inode = 0;
  timespec modified{};
  std::shared_ptr<QPDF> source;
};

StoredReading& LastStoredReading() {
  static StoredReading reading;
  return reading;
}

std::shared_ptr<QPDF> ReadStoredFile(const pdf::PdfDocument& doc) {
  const std::string& path = doc.path();
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) status.st_size = -1;
  StoredReading& last = LastStoredReading();
  if (last.source && last.serial == doc.serial() && last.path == path &&
      last.size == status.st_size && last.inode == status.st_ino &&
      last.modified.tv_sec == status.st_mtim.tv_sec && last.modified.tv_nsec == status.st_mtim.tv_nsec)
    return last.source;
  // Read from memory: a job reads objects all over the file, and seeking in the file
  // for each of them cost a tenth of the job.
  struct InMemory {
    std::string bytes;
    QPDF qpdf;
  };
  auto reading = std::make_shared<InMemory>();
  if (!core::ReadWholeFile(path, reading->bytes)) {
    throw std::runtime_error("cannot read " + path + ": " + std::strerror(errno));
  }
  std::shared_ptr<QPDF> source(reading, &reading->qpdf);
  source->setSuppressWarnings(true);
  source->processMemoryFile(path.c_str(), reading->bytes.data(), reading->bytes.size());
  last = {doc.serial(), path, status.st_size, status.st_ino, status.st_mtim, source};
  return source;
}

// A private reading of the document as the viewer shows it: its own file while
// nothing has changed since it was opened, otherwise its bytes as they stand now with
// the layers shown now as the default configuration. Copying pages pushes inherited
// attributes into them, so the viewer's own QPDF is never the source.
std::shared_ptr<QPDF> ReadAsShown(pdf::PdfDocument& doc, std::string& bytes) {
  if (doc.DisplayedAsStored()) return ReadStoredFile(doc);
  auto source = std::make_shared<QPDF>();
  source->setSuppressWarnings(true);
  bytes = doc.WriteForDisplay();
  source->processMemoryFile(doc.path().c_str(), bytes.data(), bytes.size());
  return source;
}

void CopyPages(QPDF& source, QPDF& copy, int firstPage, int lastPage, int copies) {
  QPDFPageDocumentHelper copyPages(copy);
  // qpdf's own list of the source's pages, read once per source: a helper for every
  // page of a long document at every job would cost more than the job's own pages.
  const std::vector<QPDFObjectHandle>& pages = source.getAllPages();
  for (int i = firstPage; i <= lastPage; ++i) {
    copyPages.addPage(QPDFPageObjectHelper(pages[static_cast<size_t>(i)]), false);
  }
  if (copies < 2) return;
  // A page object stands only once in a page tree: later runs are shallow copies that
  // share the first run's contents and resources.
  std::vector<QPDFPageObjectHelper> firstRun = copyPages.getAllPages();
  for (int run = 1; run < copies; ++run) {
    for (QPDFPageObjectHelper& page : firstRun) copyPages.addPage(page.shallowCopyPage(), false);
  }
}

// Brings the optional-content properties along (the layers the copied pages name are
// the same objects there), then writes out the default configuration explicitly.
void CopyLayers(QPDF& source, QPDF& copy) {
  QPDFObjectHandle properties = source.getRoot().getKey("/OCProperties");
  if (!properties.isDictionary()) return;
  if (!properties.isIndirect()) properties = source.makeIndirectObject(properties);
  copy.getRoot().replaceKey("/OCProperties", copy.copyForeignObject(properties));
}

}  // namespace

void WritePrintCopy(pdf::PdfDocument& doc, int firstPage, int lastPage, int copies,
                    const std::string& unixPath) {
  if (!IsPrintableRange(firstPage, lastPage, doc.PageCount())) {
    throw core::HostError(kHostErrBadPage, "no pages " + std::to_string(firstPage + 1) + "-" +
                                               std::to_string(lastPage + 1));
  }
  try {
    std::string bytes;  // read by the source while it lives
    std::shared_ptr<QPDF> source = ReadAsShown(doc, bytes);
    QPDF copy;
    copy.emptyPDF();
    copy.setSuppressWarnings(true);
    CopyPages(*source, copy, firstPage, lastPage, copies < 1 ? 1 : copies);
    CopyLayers(*source, copy);
    pdf::LayerState shown;
    shown.Load(copy);
    pdf::LayerState::DisplayOverride explicitLists(copy, shown);
    QPDFWriter writer(copy, unixPath.c_str());
    writer.write();
  } catch (const std::exception& e) {
    std::remove(unixPath.c_str());
    throw core::HostError(kHostErrPrint, "cannot write " + unixPath + ": " + e.what());
  }
}

}  // namespace viewer::print
