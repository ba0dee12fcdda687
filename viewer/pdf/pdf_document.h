// A PDF document held by qpdf: the document model behind a PDDoc.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <qpdf/PDFVersion.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include "host_types.h"
#include "pdf/document_edits.h"
#include "pdf/name_tree.h"
#include "pdf/object_handles.h"
#include "pdf/optional_content.h"
#include "pdf/outline_index.h"
#include "pdf/page_list.h"

class QPDFWriter;

namespace viewer::pdf {

// Permission bits the host reports besides pdPermEdit.
constexpr PDPerms kPermOpen = 0x01, kPermSecure = 0x02, kPermPrint = 0x04, kPermCopy = 0x10,
                  kPermEditNotes = 0x20, kPermSaveAs = 0x40;

// What a page looks like as far as views can tell: which page object, the last change
// to its content, and the layers shown. Views keep a rendering while its look stays.
struct PageLook {
  uint64_t object = 0;
  unsigned stamp = 0;
  unsigned layers = 0;
  bool operator==(const PageLook&) const = default;
};

struct PageBox {
  double llx = 0, lly = 0, urx = 0, ury = 0;  // points
  double Width() const { return urx - llx; }
  double Height() const { return ury - lly; }
};

class PdfDocument {
 public:
  // Throws core::HostError(kHostErrFileOpen) when the file is not a readable PDF.
  static std::unique_ptr<PdfDocument> Open(const std::string& unixPath);
  // A new document with no file, no pages and no outline (PDDocCreate).
  static std::unique_ptr<PdfDocument> CreateEmpty();
  ~PdfDocument();
  PdfDocument(const PdfDocument&) = delete;
  PdfDocument& operator=(const PdfDocument&) = delete;

  // Empty for a document made here, which has no file of its own.
  const std::string& path() const { return path_; }
  // The document's objects. Its pages are known here (PageCount, Page, PageIndexOf):
  // qpdf's own list of pages (getAllPages, findPage, the page helpers) is not kept up
  // to date as pages are inserted.
  QPDF& qpdf() { return *qpdf_; }
  uint32_t serial() const { return serial_; }
  uint32_t slot() const { return slot_; }

  // The handles this document has handed out (bookmarks, actions, destinations).
  ObjectHandles& handles() { return *handles_; }
  // The outline, checked once per revision of the document, walked whole.
  const OutlineIndex& Outline();
  // The same, walked only as far as asked: its root (OutlineBegun), and an item's links
  // (OutlineNodeOf, null for no item of the outline). A reader going through the outline
  // in its order then pays a step a question, not the whole outline at the first.
  const OutlineIndex& OutlineBegun() { return CurrentOutline(); }
  const OutlineNode* OutlineNodeOf(uint32_t item, bool throughNext) {
    return CurrentOutline().WalkTo(item, throughNext);
  }
  // The /Names /Dests name tree, read once per revision.
  const NameTree& DestinationNames();
  // The layers shown now.
  LayerState& layers() { return layers_; }

  // The pages change only through this class.
  int PageCount() const { return pages_.size(); }
  // The 0-based index of a page object of this document, or -1.
  int PageIndexOf(QPDFObjectHandle page) { return pages_.IndexOf(page); }
  // Throws core::HostError(kHostErrBadPage) for an index outside the document.
  QPDFPageObjectHelper Page(int index);
  // Puts page (an indirect page dictionary of this document) after the 0-based page
  // afterPage (-1: before the first), next to it in the page tree (page_tree.h); the
  // other pages keep their objects. Throws core::HostError(kHostErrBadPage) for
  // afterPage outside -1..count-1.
  void InsertPage(int afterPage, QPDFObjectHandle page);
  // Takes the 0-based pages first..last out of the page tree. Their objects stay (an
  // outline item leading to one of them then leads to no page); the other pages keep
  // theirs. Throws core::HostError(kHostErrBadPage) for a range outside the document,
  // first > last, or one that holds every page: a document keeps at least one page.
  void DeletePages(int first, int last);
  // The page's boxes as readers take them: inherited through the page tree, corners in
  // order, US Letter for a missing or unusable media box, the media box for a missing
  // or unusable crop box, and the crop box clipped to the media box.
  PageBox MediaBox(int index);
  PageBox CropBox(int index);
  int Rotation(int index);  // 0, 90, 180 or 270
  PDPerms Permissions();

  // Every change to the document's structure (pages, outline, names) bumps the
  // revision, so what was read from it is read again.
  unsigned revision() const { return revision_; }
  void MarkChanged() { ++revision_; }
  // A change that took an item and its descendants (`subtree`, the item first) out of
  // the outline: the outline's index, when current, is mended rather than built again.
  void OutlineItemRemoved(const std::vector<uint32_t>& subtree);
  // The page's content or resources changed: views of it render again, but nothing read
  // from the structure (page indexes, outline) has to be read again, so drawing on a
  // page costs the same in a document of any size.
  void MarkPageChanged(QPDFObjectHandle page);
  // The content revision of the page's latest change; 0 when it is as opened.
  unsigned PageStamp(QPDFObjectHandle page) const;
  PageLook LookOf(int index);
  unsigned contentRevision() const { return contentRevision_; }
  // The pages as the document's file holds them, while the file is the one opened
  // (empty once the document has been saved over it).
  const std::vector<QPDFObjectHandle>& StoredPages() const { return storedPages_; }
  // Bumped by every change to the document model or to the layers shown.
  unsigned displayRevision() const { return revision_ + contentRevision_ + layers_.changes(); }
  // The file as opened shows what the viewer shows: no change to the model or the
  // layers since.
  bool DisplayedAsStored() const {
    return revision_ == 0 && contentRevision_ == 0 && !layers_.ChangedFromDefault();
  }

  // What the viewer adds to the document's pages (resources written once, pages whose
  // old content is isolated).
  DocumentEdits& edits();

  // Reads objects of the file that nothing has read yet, for about budgetMs, and
  // answers true once none are left. qpdf reads every object of the file before it
  // makes the first new one (a page, a font, a content stream), which on a large
  // document would keep the user waiting at the first edit; reading them a slice at a
  // time while the viewer is idle makes that first edit as quick as the others.
  bool ReadAhead(int budgetMs);

  // What was copied in from another document may need a later version than this
  // document's own; every copy written states at least this one.
  void NeedVersion(const PDFVersion& version) { minimumVersion_.updateIfGreater(version); }

  // Writes the document as it now stands. Throws core::HostError on failure.
  void SaveAs(const std::string& unixPath);
  std::string WriteToMemory();
  // As WriteToMemory, with the layers shown now as the default configuration, so the
  // copy renders as the viewer shows the document.
  std::string WriteForDisplay();

 private:
  PdfDocument() = default;
  // Gives the document its slot and serial number, so its handles can be made.
  void Register();
  void WriteWith(QPDFWriter& writer);
  // Before qpdf reads its own list of pages (writing does).
  void SyncQpdfPages();
  std::unique_ptr<QPDF> qpdf_;
  std::string path_;
  unsigned revision_ = 0;
  unsigned contentRevision_ = 0;
  std::unique_ptr<DocumentEdits> edits_;
  uint32_t slot_ = 0;
  uint32_t serial_ = 0;
  std::unique_ptr<ObjectHandles> handles_;
  // The outline's index for this revision, begun when it is not.
  OutlineIndex& CurrentOutline();

  OutlineIndex outline_;
  unsigned outlineRevision_ = 0;
  bool outlineBuilt_ = false;
  NameTree destinationNames_;
  unsigned namesRevision_ = 0;
  bool namesRead_ = false;
  PageList pages_;
  std::vector<QPDFObjectHandle> storedPages_;
  // qpdf's own list of pages misses pages put into the tree here until it is read again.
  bool qpdfPagesStale_ = false;
  std::unordered_map<uint64_t, unsigned> pageStamps_;  // by page object
  // The objects of the file's cross-reference table still to read ahead, from the end.
  std::vector<QPDFObjGen> unread_;
  bool readAheadListed_ = false;
  LayerState layers_;
  PDFVersion minimumVersion_;
};

}  // namespace viewer::pdf
