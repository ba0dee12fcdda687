#include "render/render_worker.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "render/poppler_pages.h"

namespace viewer::render {

struct RenderWorker::Shared {
  HWND window = nullptr;
  UINT message = 0;
  std::mutex mutex;
  std::condition_variable wake;
  std::optional<RenderJob> job;
  std::optional<RenderResult> result;
  bool given_up = false;  // stop, abandoned or not: the window is no longer ours to post to
  std::atomic<long> linuxThread{0};
};

RenderWorker::RenderWorker(HWND window, UINT message) : shared_(std::make_shared<Shared>()) {
  shared_->window = window;
  shared_->message = message;
  // A Win32 thread, not std::thread: it posts to a window, and a bare pthread has no
  // Wine thread data. It holds its own reference to the shared state.
  auto* forThread = new std::shared_ptr<Shared>(shared_);
  HANDLE thread = CreateThread(nullptr, 0, Run, forThread, 0, nullptr);
  if (thread == nullptr) {
    delete forThread;
    return;
  }
  CloseHandle(thread);
  started_ = true;
}

RenderWorker::~RenderWorker() {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  shared_->given_up = true;
  shared_->wake.notify_all();
}

void RenderWorker::Hand(RenderJob job) {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  shared_->job = std::move(job);
  shared_->result.reset();
  shared_->wake.notify_all();
}

std::optional<RenderResult> RenderWorker::TakeResult() {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  std::optional<RenderResult> taken = std::move(shared_->result);
  shared_->result.reset();
  return taken;
}

void RenderWorker::Abandon() {
  {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->given_up = true;
    shared_->wake.notify_all();
  }
  // Win32 thread priorities change nothing under Wine here; the kernel's do.
  const long thread = shared_->linuxThread.load();
  if (thread != 0) setpriority(PRIO_PROCESS, static_cast<id_t>(thread), 19);
}

DWORD WINAPI RenderWorker::Run(LPVOID param) {
  std::shared_ptr<Shared> shared = std::move(*static_cast<std::shared_ptr<Shared>*>(param));
  delete static_cast<std::shared_ptr<Shared>*>(param);
  shared->linuxThread.store(static_cast<long>(syscall(SYS_gettid)));
  PopplerPages pages;
  for (;;) {
    RenderJob job;
    {
      std::unique_lock<std::mutex> lock(shared->mutex);
      shared->wake.wait(lock, [&] { return shared->given_up || shared->job.has_value(); });
      if (shared->given_up) break;
      job = std::move(*shared->job);
      shared->job.reset();
    }
    RenderResult result;
    result.ticket = job.ticket;
    try {
      result.outcome = pages.Render(job.source, job.page, job.pixelsPerPoint, &result.image);
    } catch (const std::exception&) {
      result.outcome = RenderOutcome::Refused;
      result.image = RasterImage{};
    }
    std::lock_guard<std::mutex> lock(shared->mutex);
    // Under the lock: once the owner has given the worker up, nothing is posted.
    if (shared->given_up) break;
    shared->result = std::move(result);
    PostMessageA(shared->window, shared->message, 0, 0);
  }
  return 0;
}

}  // namespace viewer::render
