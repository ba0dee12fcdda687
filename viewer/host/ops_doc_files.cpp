// PDModel, documents of their own: made empty, saved to a file, closed. The plug-in
// fills one with PDDocInsertPages (ops_doc_insert.cpp).
#include "app/doc_window.h"
#include "core/host_error.h"
#include "host/created_documents.h"
#include "host/file_paths.h"
#include "host/host_impl.h"
#include "host/object_refs.h"

namespace viewer::ops {
namespace {

using core::HostError;

constexpr PDSaveFlags kKnownSaveFlags = PDSaveFull | PDSaveCollectGarbage;

}  // namespace

PDDoc PDDocCreate_Impl() { return host::CreateDocument(); }

// Only a document made by PDDocCreate is closed here: a document shown in a window
// belongs to it and closes with it (AVDocClose).
void PDDocClose_Impl(PDDoc doc) {
  if (host::CloseCreatedDocument(doc)) return;
  CheckedDocOfPDDoc(doc);  // raises for what is no document at all
  throw HostError(kHostErrBadParameter, "a document shown in a window closes with its window");
}

// Every save writes the whole file, and a whole file holds only the objects the
// document uses: without PDSaveCollectGarbage the file is the same. A document made
// here has no file to add to, so it must be saved whole. The file is written beside
// its place and moved there once complete, so a failure leaves no file behind (and an
// earlier file of that name as it was); it raises as a file that cannot be opened
// does, whose text the plug-in can show. No progress is reported.
void PDDocSave_Impl(PDDoc doc, PDSaveFlags flags, ASPathName path, ASFileSys fileSys,
                    PDProgressMonitor, void*) {
  pdf::PdfDocument& model = host::CheckedModel(doc);
  if ((flags & ~kKnownSaveFlags) != 0) throw HostError(kHostErrNotImplemented, "save flags");
  if ((flags & PDSaveFull) == 0 && model.path().empty()) {
    throw HostError(kHostErrBadParameter, "a new document is saved whole");
  }
  if (fileSys != nullptr && fileSys != host::DefaultFileSys()) {
    throw HostError(kHostErrBadParameter, "unknown file system");
  }
  const std::string unixPath = host::CheckedPath(path)->unixPath;
  try {
    model.SaveAs(unixPath);
  } catch (const HostError& e) {
    throw HostError(kHostErrFileOpen, e.what());
  }
}

}  // namespace viewer::ops
