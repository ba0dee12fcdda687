#include "bookmark_file_writer.h"

#include <vector>

#include "host/error_frame.h"
#include "host/guarded_calls.h"

namespace {

// A damaged outline's sibling chain may run in a circle: no real one is this long.
constexpr size_t kMostChildren = 65536;

// Whether the bookmark leads to a page of `document`: its destination, resolved in
// that document, names one of its pages. A bookmark the host cannot read leads nowhere.
bool LeadsIntoDocument(PDBookmark bookmark, PDDoc document, ASInt32 pageCount) {
  volatile bool leads = false;
  HOST_DURING
    const PDAction action = host::PDBookmarkGetAction(bookmark);
    if (host::PDActionIsValid(action)) {
      const PDViewDestination destination =
          host::PDViewDestResolve(host::PDActionGetDest(action), document);
      if (host::PDViewDestIsValid(destination)) {
        PDPageNumber page = -1;
        ASAtom fitType = ASAtomNull;
        ASFixedRect rect{};
        ASFixed zoom = 0;
        host::PDViewDestGetAttr(destination, &page, &fitType, &rect, &zoom);
        leads = page >= 0 && page < pageCount;
      }
    }
  HOST_HANDLER
    leads = false;
  HOST_END_HANDLER
  return leads;
}

// The children of a bookmark, in order, into `children` (the caller's, so that what
// was listed stays past a raise); none more once the host cannot read them.
void ListChildren(PDBookmark parent, std::vector<PDBookmark>& children) {
  HOST_DURING
    if (host::PDBookmarkHasChildren(parent)) {
      for (PDBookmark child = host::PDBookmarkGetFirstChild(parent);
           host::PDBookmarkIsValid(child) && children.size() < kMostChildren;
           child = host::PDBookmarkGetNext(child))
        children.push_back(child);
    }
  HOST_HANDLER
  HOST_END_HANDLER
}

void DestroyBookmark(PDBookmark bookmark) {
  HOST_DURING
    host::PDBookmarkDestroy(bookmark);
  HOST_HANDLER
  HOST_END_HANDLER
}

// Whether the bookmark, or one below it, leads to a page of the document: only reads.
bool KeepsAny(PDBookmark bookmark, PDDoc document, ASInt32 pageCount, int depth,
              CPeriodicPump& pump) {
  pump.Step();
  if (LeadsIntoDocument(bookmark, document, pageCount)) return true;
  // A hostile outline nested past any real one is cut there.
  if (depth >= 256) return false;
  std::vector<PDBookmark> children;
  ListChildren(bookmark, children);
  for (const PDBookmark child : children) {
    if (KeepsAny(child, document, pageCount, depth + 1, pump)) return true;
  }
  return false;
}

// Destroys, below `parent`, every bookmark that leads to none of the document's pages
// and has no descendant that does: each at the top of what goes, so that one call takes
// a whole branch (the host's outline changes, and is read again, at every destroy).
// The children are listed before any of them is destroyed, so the walk never follows a
// link out of a destroyed bookmark.
void PruneBelow(PDBookmark parent, PDDoc document, ASInt32 pageCount, int depth,
                CPeriodicPump& pump) {
  std::vector<PDBookmark> children;
  ListChildren(parent, children);
  for (const PDBookmark child : children) {
    if (!KeepsAny(child, document, pageCount, depth + 1, pump)) {
      DestroyBookmark(child);
    } else if (depth < 256) {
      PruneBelow(child, document, pageCount, depth + 1, pump);
    }
  }
}

// The host asks it between pages while it copies them: the windows stay alive, and
// Stop is taken between files, so the copy itself is never cancelled.
ASBool HOSTCALL PumpWhileCopying(void* pump) {
  static_cast<CPeriodicPump*>(pump)->Step();
  return false;
}

void CloseDocument(PDDoc document) {
  HOST_DURING
    host::PDDocClose(document);
  HOST_HANDLER
  HOST_END_HANDLER
}

}  // namespace

BookmarkFileResult SaveBookmarkFile(PDDoc source, int first, int last, const std::string& path,
                                    CPeriodicPump& pump) {
  BookmarkFileResult result;
  const char* text = path.c_str();
  PDDoc volatile document = nullptr;
  ASPathName volatile pathName = nullptr;
  ASErrorCode volatile error = 0;
  bool volatile failed = false;
  HOST_DURING
    document = host::PDDocCreate();
    host::PDDocInsertPages(document, -1, source, first - 1, last - first + 1, PDInsertBookmarks,
                           nullptr, nullptr, &PumpWhileCopying, &pump);
    PruneBelow(host::PDDocGetBookmarkRoot(document), document, host::PDDocGetNumPages(document), 0,
               pump);
    pathName = NewHostPath(text);
    host::PDDocSave(document, PDSaveFull | PDSaveCollectGarbage, pathName,
                    host::ASGetDefaultFileSys(), nullptr, nullptr);
    // Saving and closing each take the host a while: the windows get their turn between.
    pump.Step();
  HOST_HANDLER
    error = HOST_ERRORCODE;
    failed = true;
  HOST_END_HANDLER
  ReleaseHostPath(pathName);
  if (document) CloseDocument(document);
  pump.Step();
  result.saved = !failed;
  if (failed) result.error = HostErrorText(error);
  return result;
}
