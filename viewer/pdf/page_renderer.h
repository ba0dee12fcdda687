// Draws the pages of a PdfDocument for its views, away from the user-interface thread.
// What reads the qpdf document (which bytes poppler reads, page sizes) happens here, on
// the user-interface thread; a render thread runs poppler over those bytes and hands
// the picture back through this thread's message loop. A page that takes longer than
// the time limit is given up: its view shows that it could not be drawn, the thread
// stuck in it is abandoned, and a fresh one draws the next pages.
#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "pdf/pdf_document.h"
#include "render/page_sources.h"
#include "render/render_book.h"
#include "render/render_source.h"

namespace viewer::render {
class RenderWorker;
}

namespace viewer::pdf {

using render::RasterImage;
using render::RenderOutcome;
using render::RenderTicket;

// A view that asks for renderings.
class RenderClient {
 public:
  // The rendering asked for with ticket has ended: Drawn with the picture, or why not
  // (never SourceRefused).
  virtual void PageRendered(RenderTicket ticket, RenderOutcome outcome,
                            const RasterImage& image) = 0;

 protected:
  ~RenderClient() = default;
};

class PageRenderer {
 public:
  explicit PageRenderer(PdfDocument& doc);
  ~PageRenderer();
  PageRenderer(const PageRenderer&) = delete;
  PageRenderer& operator=(const PageRenderer&) = delete;

  // Asks for page (0-based) drawn at pixelsPerPoint. The client hears of it later, from
  // this thread's message loop, never from inside this call; urgent requests (the page
  // in view) are drawn before the others.
  RenderTicket Request(int page, double pixelsPerPoint, bool urgent, RenderClient* client);
  // The client no longer wants it and will not hear of it.
  void Cancel(RenderTicket ticket);
  // The page's size in points as displayed (crop box, turned by its rotation).
  bool DisplayedSize(int page, double* width, double* height);

 private:
  struct Job {
    int page = 0;  // of the document, when asked
    PageLook look;
    double pixelsPerPoint = 1;
    render::PagePlan plan;
    RenderClient* client = nullptr;
  };
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void PostPump();
  void Pump();
  void TakeResult();
  // The deadline timer follows the rendering being drawn, if any.
  void ArmDeadlineTimer();
  void CheckDeadline();
  void Deliver(RenderTicket ticket, RenderOutcome outcome, const RasterImage& image);
  bool KnownStuck(const render::PagePlan& plan) const;
  void Publish();

  PdfDocument& doc_;
  render::PageSources sources_;
  render::RenderBook book_;
  std::unordered_map<RenderTicket, Job> jobs_;  // asked for and still wanted
  std::unique_ptr<render::RenderWorker> worker_;
  HWND window_ = nullptr;  // where results and wake-ups arrive
  bool pumpPosted_ = false;
  // Pages of sources that ran out of time: asked again, they are given up at once.
  std::vector<std::pair<render::SharedSource, int>> stuck_;
  int published_ = 0;  // this document's share of the viewer's render activity
};

}  // namespace viewer::pdf
