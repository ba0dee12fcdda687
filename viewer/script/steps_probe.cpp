// probe-start / probe-stop: how long the target window's thread keeps input waiting
// while the steps between them run. A thread of the driver sends the target an empty
// message again and again; the thread that owns the window takes it only when it
// looks at its queue, so the longest wait for an answer is the longest time the
// window did not answer input.
#include <cstdio>
#include <memory>

#include "script/driver_context.h"
#include "script/steps.h"

namespace viewer::script {
namespace {

// How often the probe asks: a window that answers at once is asked again this soon.
constexpr DWORD kProbePauseMs = 2;
// A window that does not answer for this long is taken to be hung for good.
constexpr UINT kProbeGiveUpMs = 60000;

class ResponseProbe {
 public:
  explicit ResponseProbe(HWND window) : window_(window) {
    QueryPerformanceFrequency(&frequency_);
    stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, &ResponseProbe::Run, this, 0, nullptr);
  }
  ~ResponseProbe() {
    SetEvent(stop_);
    if (thread_) {
      WaitForSingleObject(thread_, INFINITE);
      CloseHandle(thread_);
    }
    CloseHandle(stop_);
  }
  ResponseProbe(const ResponseProbe&) = delete;
  ResponseProbe& operator=(const ResponseProbe&) = delete;

  bool Running() const { return thread_ != nullptr; }
  double LongestMs() const { return longestMs_; }
  // How long ago, in ms, the longest wait began: where to look for what blocked.
  double LongestBeganMsAgo() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - longestBegan_.QuadPart) /
           static_cast<double>(frequency_.QuadPart);
  }
  long Answers() const { return answers_; }
  bool Hung() const { return hung_; }

 private:
  static DWORD WINAPI Run(void* self) {
    static_cast<ResponseProbe*>(self)->Loop();
    return 0;
  }

  void Loop() {
    while (WaitForSingleObject(stop_, kProbePauseMs) == WAIT_TIMEOUT) {
      LARGE_INTEGER before, after;
      QueryPerformanceCounter(&before);
      DWORD_PTR result = 0;
      const LRESULT answered = SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL,
                                                   kProbeGiveUpMs, &result);
      QueryPerformanceCounter(&after);
      if (!answered) {
        // Gone (the dialog closed) or hung: either way there is nothing more to learn.
        hung_ = IsWindow(window_) != FALSE;
        return;
      }
      const double waited =
          1000.0 * static_cast<double>(after.QuadPart - before.QuadPart) / frequency_.QuadPart;
      if (waited > longestMs_) {
        longestMs_ = waited;
        longestBegan_ = before;
      }
      ++answers_;
    }
  }

  HWND window_;
  HANDLE stop_ = nullptr;
  HANDLE thread_ = nullptr;
  LARGE_INTEGER frequency_{};
  // Written by the probe thread, read after it has ended.
  double longestMs_ = 0;
  LARGE_INTEGER longestBegan_{};
  long answers_ = 0;
  bool hung_ = false;
};

std::unique_ptr<ResponseProbe>& Probe() {
  static std::unique_ptr<ResponseProbe> probe;
  return probe;
}

}  // namespace

void RunProbeStart(DriverContext& context, const Step&) {
  auto probe = std::make_unique<ResponseProbe>(context.target());
  if (!probe->Running()) Fail("cannot start the probe's thread");
  Probe() = std::move(probe);
}

void RunProbeStop(DriverContext& context, const Step& step) {
  if (!Probe()) Fail("no probe-start before this line");
  std::unique_ptr<ResponseProbe> probe = std::move(Probe());
  const double longest = probe->LongestMs();
  const long answers = probe->Answers();
  const bool hung = probe->Hung();
  const double began = context.elapsedMs() - probe->LongestBeganMsAgo();
  probe.reset();
  std::printf("probe %s: longest wait %.1f ms over %ld answers%s, from %.1f ms\n",
              step.args[0].c_str(), longest, answers, hung ? " (then no answer for 60 s)" : "",
              longest > 0 ? began : 0.0);
  std::fflush(stdout);
}

}  // namespace viewer::script
