// expect-host-objects-released: the plug-ins have given back every object the host
// handed them for one use: content elements, page contents, pages, and the documents
// they made (PDDocCreate) and must close. What stays rightly held between calls is not
// counted here: documents shown in windows belong to their windows, system fonts to
// the host's font list, and neither is released by a plug-in.
#include <string>

#include "host/acquired_pages.h"
#include "host/created_documents.h"
#include "pdf/pde_handles.h"
#include "script/steps.h"
#include "script/ui_thread.h"

namespace viewer::script {
namespace {

struct HeldObjects {
  size_t elements = 0;      // fonts, colour spaces, graphics states, text
  size_t pageContents = 0;  // content elements too, but counted on their own
  size_t pages = 0;
  size_t documents = 0;     // made by a plug-in, not closed
};

HeldObjects CountHeld() {
  const pdf::ElementHandles& handles = pdf::HostElements();
  HeldObjects held;
  held.pageContents = handles.CountOf(pdf::ElementKind::Content);
  held.elements = handles.size() - held.pageContents;
  held.pages = host::AcquiredPageCount();
  held.documents = host::CreatedDocumentCount();
  return held;
}

std::string Counted(size_t count, const std::string& what) {
  return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

}  // namespace

void RunExpectHostObjectsReleased(DriverContext& context, const Step&) {
  WaitFor(context, []() -> std::string {
    // Read on the UI thread, where the host calls run; a command still running holds
    // its objects for a while, so this waits as every expectation does.
    const HeldObjects held = OnUiThread([] { return CountHeld(); });
    if (held.elements == 0 && held.pageContents == 0 && held.pages == 0 && held.documents == 0) {
      return {};
    }
    return "the plug-ins still hold " + Counted(held.elements, "content element") + ", " +
           Counted(held.pageContents, "page content") + ", " + Counted(held.pages, "page") +
           " and " + Counted(held.documents, "document");
  });
}

}  // namespace viewer::script
