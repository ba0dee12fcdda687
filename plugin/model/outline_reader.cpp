#include "outline_reader.h"

#include <cstring>
#include <optional>
#include <vector>

#include "ansi_text.h"
#include "bookmark_label.h"
#include "bookmark_title.h"
#include "title_text.h"
#include "framework/message_pump.h"
#include "framework/stopwatch.h"
#include "host/error_frame.h"

namespace {

// Room left in a label for its page part ("     (Pages: N-N)") and the terminating zero.
constexpr size_t kLongestTitle = kLabelBufferSize - 64;

// A visit that has children left: the child being visited, and what it inherits.
struct OpenVisit {
  PDBookmark child;
  int32_t childLevel;
  int32_t childFlag;
  bool childVisited;
};

// Visits the outline depth first: a bookmark, its children, then its next sibling.
// Each bookmark's visit runs in error frames of its own: an error while visiting it
// ends that visit (with the rest of its subtree) silently, and its parent goes on with
// the next sibling. The walk keeps its own stack of open visits instead of recursing,
// so a deeply nested outline cannot exhaust the host thread's stack.
//
// Everything called inside a frame holds no objects with destructors: a raise jumps
// straight back to the frame. Values that outlive a frame are members.
class OutlineReader {
 public:
  OutlineReader(BookmarkModel& model, PDDoc document, int32_t layeredFlag, bool timed)
      : model_(model), document_(document), layeredFlag_(layeredFlag), timed_(timed),
        pump_(timed) {}

  // Runs inside the caller's frame: a raise from the root's lookup ends the walk.
  void WalkOutline() {
    const double started = timed_ ? clock_.ElapsedMs() : 0;
    const PDBookmark root = host::PDDocGetBookmarkRoot(document_);
    if (timed_) frameMs_ += clock_.ElapsedMs() - started;
    Walk(root);
  }

  double HostCallsMs() const { return frameMs_ - pump_.PumpedMs(); }
  const CPeriodicPump& Pump() const { return pump_; }

 private:
  void Walk(PDBookmark root) {
    VisitBegin(root, model_.startLevel, model_.startFlag);
    while (!path_.empty() && !full_) {
      OpenVisit& open = path_.back();
      if (!open.childVisited) {
        open.childVisited = true;
        const OpenVisit next = open;
        VisitBegin(next.child, next.childLevel, next.childFlag);
      } else {
        VisitNextChild();
      }
    }
  }

  void VisitBegin(PDBookmark bookmark, int32_t level, int32_t inheritedFlag) {
    const double started = timed_ ? clock_.ElapsedMs() : 0;
    HOST_DURING
      OwnSteps(bookmark, level, inheritedFlag);
    HOST_HANDLER
    HOST_END_HANDLER
    if (timed_) frameMs_ += clock_.ElapsedMs() - started;
  }

  // The bookmark's own steps, then its first child becomes the open visit's child.
  void OwnSteps(PDBookmark bookmark, int32_t level, int32_t inheritedFlag) {
    if (!host::PDBookmarkIsValid(bookmark)) return;

    std::memset(titleBuffer_, 0, sizeof titleBuffer_);
    const ASInt32 length = host::PDBookmarkGetTitle(bookmark, titleBuffer_, kTitleBufferSize);
    ReadTitle(length);

    int32_t flag = inheritedFlag;
    if (host::PDBookmarkIsValid(bookmark)) {
      const PDAction action = host::PDBookmarkGetAction(bookmark);
      if (host::PDActionIsValid(action)) {
        const PDViewDestination destination =
            host::PDViewDestResolve(host::PDActionGetDest(action), document_);
        PDPageNumber page = 0;
        if (host::PDViewDestIsValid(destination)) {
          ASAtom fitType = ASAtomNull;
          ASFixedRect destinationRect{};
          ASFixed zoom = 0;
          host::PDViewDestGetAttr(destination, &page, &fitType, &destinationRect, &zoom);
          flag = layeredFlag_;
        }
        if (!AppendBookmarkEntry(model_, level, page + 1, flag, title_, action)) {
          full_ = true;
          return;
        }
        pump_.Step();
      }
    }

    if (host::PDBookmarkHasChildren(bookmark)) {
      const PDBookmark child = host::PDBookmarkGetFirstChild(bookmark);
      if (host::PDBookmarkIsValid(child)) path_.push_back({child, level + 1, flag, false});
    }
  }

  // The title in the host's encoding, from the bytes the host handed over: Unicode
  // titles through the system's conversion, the others through the host's; control
  // characters become blanks, and the title is cut on a character boundary so that its
  // label never needs cutting.
  void ReadTitle(ASInt32 reportedLength) {
    const std::string_view stored = StoredTitleBytes(titleBuffer_, reportedLength);
    if (!ReadUnicodeTitle(stored)) {
      title_.assign(stored);
      host::PDXlateToHost(title_.data(), title_.data(), static_cast<ASInt32>(title_.size()));
      // A translation may come out shorter (the host zero-fills after it).
      title_.resize(strnlen(title_.data(), title_.size()));
      BlankControlBytes(title_);
    }
    CutAnsiText(title_, kLongestTitle);
  }

  // No host call here: the decoded text's storage lives only in this call.
  bool ReadUnicodeTitle(std::string_view stored) {
    std::optional<std::u16string> unicode = DecodeMarkedTitle(stored);
    if (!unicode) return false;
    BlankControlCharacters(*unicode);
    title_ = UnicodeToAnsi(*unicode);
    return true;
  }

  // After a child's visit: on to its next sibling, or the open visit is done. This is
  // still the parent's visit: an error here ends it.
  void VisitNextChild() {
    const double started = timed_ ? clock_.ElapsedMs() : 0;
    HOST_DURING
      OpenVisit& open = path_.back();
      const PDBookmark next = host::PDBookmarkGetNext(open.child);
      if (host::PDBookmarkIsValid(next)) {
        open.child = next;
        open.childVisited = false;
      } else {
        path_.pop_back();
      }
    HOST_HANDLER
      path_.pop_back();
    HOST_END_HANDLER
    if (timed_) frameMs_ += clock_.ElapsedMs() - started;
  }

  BookmarkModel& model_;
  PDDoc document_;
  int32_t layeredFlag_;
  bool timed_;
  CPeriodicPump pump_;
  CStopwatch clock_;
  double frameMs_ = 0;
  bool full_ = false;
  std::vector<OpenVisit> path_;
  std::string title_;
  char titleBuffer_[kTitleBufferSize];
};

constexpr const char* kDamagedOutlineNote = "error! please check your bookmarks are valid.";

}  // namespace

void ReadBookmarkOutline(BookmarkModel& model, int layeredPdf, BuildTiming& timing) {
  const bool timed = TimingLogEnabled();
  const CStopwatch watch;
  model.entryCount = 0;
  model.startLevel = 0;
  model.startFlag = layeredPdf ? 1 : 0;

  // A host that raises here has no document to offer: the model stays empty.
  PDDoc volatile document = nullptr;
  HOST_DURING
    if (AVDoc view = host::AVAppGetActiveDoc()) document = host::AVDocGetPDDoc(view);
    if (document) model.pageCount = host::PDDocGetNumPages(document);
  HOST_HANDLER
    document = nullptr;
  HOST_END_HANDLER
  if (!document) return;

  // The reader lives outside the frame: a raise skips destructors.
  OutlineReader reader(model, document, model.startFlag, timed);
  HOST_DURING
    reader.WalkOutline();
  HOST_HANDLER
    host::AVAlertNote(kDamagedOutlineNote);
  HOST_END_HANDLER

  if (!timed) return;
  timing.walkMs = watch.ElapsedMs();
  timing.hostCallsMs = reader.HostCallsMs();
  timing.pumpMs = reader.Pump().PumpedMs();
  timing.pumps = reader.Pump().Pumps();
  timing.entries = model.entryCount;
}
