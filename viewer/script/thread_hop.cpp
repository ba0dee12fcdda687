#include "script/thread_hop.h"

#include <atomic>
#include <exception>

namespace viewer::script {
namespace {

enum JobState { kPending, kRunning, kDone, kAbandoned };

struct Job {
  const std::function<void()>* fn = nullptr;
  HHOOK hook = nullptr;
  std::atomic<int> state{kPending};
  std::exception_ptr failure;
};

// The message carries the job; the hook on the owning thread sees it before the
// window procedure does (which ignores a message it does not know).
UINT JobMessage() {
  static const UINT message = RegisterWindowMessageA("viewer.script.run-on-window-thread");
  return message;
}

LRESULT CALLBACK RunSentJob(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == JobMessage() && sent->wParam == 1) {
    Job* job = reinterpret_cast<Job*>(sent->lParam);
    int expected = kPending;
    if (job->state.compare_exchange_strong(expected, kRunning)) {
      // While the hook stands, every message sent on this thread asks the server
      // for the hook chain; the job's own messages must not pay that.
      UnhookWindowsHookEx(job->hook);
      try {
        (*job->fn)();
      } catch (...) {
        job->failure = std::current_exception();
      }
      job->state = kDone;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void RunOnWindowThread(const DriverContext& context, HWND window,
                       const std::function<void()>& fn) {
  DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (thread == GetCurrentThreadId()) {
    fn();
    return;
  }
  Job* job = new Job;
  job->fn = &fn;
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RunSentJob, nullptr, thread);
  if (!hook) {
    delete job;
    fn();   // no hook: the reads go across the threads one by one
    return;
  }
  job->hook = hook;
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(window, JobMessage(), 1, reinterpret_cast<LPARAM>(job), SMTO_NORMAL,
                      static_cast<UINT>(context.timeoutMs()), &ignored);
  int expected = kPending;
  if (job->state.compare_exchange_strong(expected, kAbandoned)) {
    // Not taken in time. The message may still arrive later, so the job stays
    // allocated and marked; the hook then leaves it alone.
    UnhookWindowsHookEx(hook);
    if (!IsWindow(window)) Fail("the window went away");
    Fail("the user-interface thread did not answer within the timeout");
  }
  while (job->state != kDone) Sleep(1);   // taken (and unhooked): it finishes on its own
  std::exception_ptr failure = job->failure;
  delete job;
  if (failure) std::rethrow_exception(failure);
}

}  // namespace viewer::script
