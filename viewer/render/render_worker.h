// A thread that draws pages with poppler for the user-interface thread, one at a time:
// it is handed a job, draws it, and posts `message` to `window` when the result can be
// taken. A poppler call cannot be cancelled, so a worker stuck in one is abandoned: its
// thread keeps what it uses alive, drops its result when the call returns, then ends,
// and never touches the window again. Nobody ever waits for the thread.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "render/render_book.h"
#include "render/render_source.h"

namespace viewer::render {

struct RenderJob {
  RenderTicket ticket = 0;
  SharedSource source;
  int page = 0;  // 0-based page of the source
  double pixelsPerPoint = 1;
};

struct RenderResult {
  RenderTicket ticket = 0;
  RenderOutcome outcome = RenderOutcome::Refused;
  RasterImage image;
};

class RenderWorker {
 public:
  // Starts the thread; Started() is false when it could not.
  RenderWorker(HWND window, UINT message);
  // Ends the thread when idle, or abandons it when drawing; does not wait.
  ~RenderWorker();
  RenderWorker(const RenderWorker&) = delete;
  RenderWorker& operator=(const RenderWorker&) = delete;

  bool Started() const { return started_; }
  // Hands a job to the idle worker.
  void Hand(RenderJob job);
  // The result of the job handed, once drawn.
  std::optional<RenderResult> TakeResult();
  // Gives the worker up: see above. Its thread is lowered to the least priority, so a
  // page that never ends takes only time nothing else wants.
  void Abandon();

 private:
  struct Shared;
  static DWORD WINAPI Run(LPVOID shared);
  std::shared_ptr<Shared> shared_;
  bool started_ = false;
};

}  // namespace viewer::render
