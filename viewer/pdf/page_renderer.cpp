#include "pdf/page_renderer.h"

#include <algorithm>
#include <chrono>
#include <exception>

#include "render/poppler_pages.h"
#include "render/render_activity.h"
#include "render/render_limit.h"
#include "render/render_worker.h"

namespace viewer::pdf {
namespace {

const char kWindowClass[] = "ViewerPageRenderer";
constexpr UINT kResultMessage = WM_APP + 1;
constexpr UINT kPumpMessage = WM_APP + 2;
constexpr UINT_PTR kDeadlineTimer = 1;

using Clock = render::RenderBook::Clock;

}  // namespace

PageRenderer::PageRenderer(PdfDocument& doc)
    : doc_(doc), sources_(doc), book_(render::RenderLimit()) {
  render::QuietPoppler();
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kWindowClass;
    return RegisterClassA(&wc) != 0;
  }();
  if (registered) {
    // A message-only window: the render thread's results come back through it.
    window_ = CreateWindowExA(0, kWindowClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  }
  if (window_ != nullptr) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
}

PageRenderer::~PageRenderer() {
  // The worker lets go of the window before it is destroyed; a thread stuck in poppler
  // is left to itself, never waited for.
  worker_.reset();
  if (window_ != nullptr) DestroyWindow(window_);
  render::AddRenderActivity(-published_);
}

LRESULT CALLBACK PageRenderer::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  auto* renderer = reinterpret_cast<PageRenderer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (renderer == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    switch (message) {
      case kResultMessage:
        renderer->TakeResult();
        return 0;
      case kPumpMessage:
        renderer->pumpPosted_ = false;
        renderer->Pump();
        return 0;
      case WM_TIMER:
        if (wParam == kDeadlineTimer) renderer->CheckDeadline();
        return 0;
      default:
        break;
    }
  } catch (const std::exception&) {
    // A client's failure must not cross Wine's user32; the next message carries on.
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

RenderTicket PageRenderer::Request(int page, double pixelsPerPoint, bool urgent,
                                   RenderClient* client) {
  Job job;
  job.page = page;
  job.pixelsPerPoint = pixelsPerPoint;
  job.client = client;
  try {
    job.look = doc_.LookOf(page);
    job.plan = sources_.Plan(page);
  } catch (const std::exception&) {
    job.plan = {};  // answered as refused
  }
  const RenderTicket ticket = book_.Add(urgent);
  jobs_.emplace(ticket, std::move(job));
  Publish();
  PostPump();
  return ticket;
}

void PageRenderer::Cancel(RenderTicket ticket) {
  if (jobs_.erase(ticket) == 0) return;
  book_.Cancel(ticket);
  Publish();
}

bool PageRenderer::DisplayedSize(int page, double* width, double* height) {
  return sources_.DisplayedSize(page, width, height);
}

void PageRenderer::PostPump() {
  if (pumpPosted_ || window_ == nullptr) return;
  pumpPosted_ = PostMessageA(window_, kPumpMessage, 0, 0) != 0;
}

bool PageRenderer::KnownStuck(const render::PagePlan& plan) const {
  return std::any_of(stuck_.begin(), stuck_.end(), [&](const auto& entry) {
    return entry.first == plan.source && entry.second == plan.page;
  });
}

void PageRenderer::Pump() {
  while (!book_.Drawing()) {
    const std::optional<RenderTicket> next = book_.StartNext(Clock::now());
    if (!next) break;
    const auto found = jobs_.find(*next);
    if (found == jobs_.end()) {
      book_.Finish(*next);
      continue;
    }
    const Job& job = found->second;
    if (job.plan.source == nullptr || KnownStuck(job.plan)) {
      const RenderOutcome outcome =
          job.plan.source == nullptr ? RenderOutcome::Refused : RenderOutcome::TimedOut;
      book_.Finish(*next);
      Deliver(*next, outcome, RasterImage{});
      continue;
    }
    if (!worker_ && window_ != nullptr) {
      worker_ = std::make_unique<render::RenderWorker>(window_, kResultMessage);
      if (!worker_->Started()) worker_.reset();
    }
    if (!worker_) {
      book_.Finish(*next);
      Deliver(*next, RenderOutcome::Refused, RasterImage{});
      continue;
    }
    worker_->Hand(render::RenderJob{*next, job.plan.source, job.plan.page, job.pixelsPerPoint});
    ArmDeadlineTimer();
  }
  Publish();
}

void PageRenderer::ArmDeadlineTimer() {
  const auto deadline = book_.Deadline();
  if (!deadline) {
    KillTimer(window_, kDeadlineTimer);
    return;
  }
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(*deadline - Clock::now());
  SetTimer(window_, kDeadlineTimer, static_cast<UINT>(std::max<long long>(left.count(), 1)),
           nullptr);
}

void PageRenderer::TakeResult() {
  if (!worker_) return;
  std::optional<render::RenderResult> result = worker_->TakeResult();
  if (!result) return;
  KillTimer(window_, kDeadlineTimer);
  const RenderTicket ticket = result->ticket;
  const auto found = jobs_.find(ticket);
  if (found != jobs_.end() && result->outcome == RenderOutcome::SourceRefused &&
      found->second.plan.whole) {
    // poppler cannot read the whole document: the page is drawn from a copy of its own,
    // if it still looks as it did when it was asked for.
    Job& job = found->second;
    sources_.Refused(job.plan.source);
    bool same = false;
    try {
      same = job.page < doc_.PageCount() && doc_.LookOf(job.page) == job.look;
      if (same) job.plan = sources_.Plan(job.page);
    } catch (const std::exception&) {
      same = false;
    }
    if (same) {
      book_.Requeue(ticket);
      Pump();
      return;
    }
  }
  const bool wanted = book_.Finish(ticket);
  const RenderOutcome outcome = result->outcome == RenderOutcome::SourceRefused
                                    ? RenderOutcome::Refused
                                    : result->outcome;
  if (wanted) Deliver(ticket, outcome, result->image);
  jobs_.erase(ticket);
  Pump();
}

void PageRenderer::CheckDeadline() {
  const std::optional<RenderTicket> given = book_.GiveUpOverdue(Clock::now());
  if (!given) {
    ArmDeadlineTimer();  // early, as timers may be: wait for the rest
    return;
  }
  KillTimer(window_, kDeadlineTimer);
  if (worker_) worker_->Abandon();
  worker_.reset();  // a fresh worker takes the next pages
  const auto found = jobs_.find(*given);
  if (found != jobs_.end()) {
    stuck_.emplace_back(found->second.plan.source, found->second.plan.page);
    Deliver(*given, RenderOutcome::TimedOut, RasterImage{});
  }
  Pump();
}

// The job leaves the books before its client hears of it, so the client may ask again.
void PageRenderer::Deliver(RenderTicket ticket, RenderOutcome outcome, const RasterImage& image) {
  const auto found = jobs_.find(ticket);
  if (found == jobs_.end()) return;
  RenderClient* client = found->second.client;
  jobs_.erase(found);
  if (client != nullptr) client->PageRendered(ticket, outcome, image);
  // After the client has asked its window to paint again, so the script runner sees
  // either activity or a pending paint.
  Publish();
}

void PageRenderer::Publish() {
  const int outstanding = static_cast<int>(book_.Outstanding());
  render::AddRenderActivity(outstanding - published_);
  published_ = outstanding;
}

}  // namespace viewer::pdf
