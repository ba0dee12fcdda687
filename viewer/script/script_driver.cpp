#include "script/script_driver.h"

#include "script/win32.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/driver_services.h"
#include "core/exception_frames.h"
#include "script/dialog_kinds.h"
#include "script/driver_context.h"
#include "script/script_parser.h"
#include "script/step_runner.h"
#include "script/ui_thread.h"
#include "script/ui_windows.h"

namespace viewer::script {
namespace {

Script g_script;
bool g_loaded = false;

// How long the viewer may take to close down after the script has ended before the
// driver ends the process itself, so that a stuck window cannot hang a test run.
constexpr DWORD kExitGraceMs = 30000;

std::optional<std::string> Environment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (!value) return std::nullopt;
  return std::string(value);
}

// Asks the viewer to exit and never returns. The driver thread does not end on its
// own: a thread that ends while the process is exiting runs its detach work against
// the process's own shutdown (seen to crash Wine's exit), whereas a waiting thread is
// simply stopped. If the viewer is still there after the grace time, it is ended.
[[noreturn]] void Finish(int exitCode) {
  // A plug-in that broke the host's rules fails the script, whatever its steps saw.
  if (exitCode == 0 && core::PluginFaultCount() > 0) exitCode = 1;
  std::fflush(stdout);
  std::fflush(stderr);
  viewer::RunOnUiThread([exitCode] { viewer::AppQuit(exitCode); });
  Sleep(kExitGraceMs);
  std::fprintf(stderr, "script: the viewer had not exited %u s after the script ended\n",
               static_cast<unsigned>(kExitGraceMs / 1000));
  std::fflush(stderr);
  ExitProcess(static_cast<UINT>(exitCode));
}

// A message box left open is the usual reason why later steps time out; one the
// failure already quotes is not repeated.
std::string OpenMessageBoxes(const std::string& why) {
  std::string note;
  for (HWND window : ProcessTopWindows()) {
    if (!IsMessageBox(window)) continue;
    std::string text = Quoted(MessageBoxText(window, 1000));
    if (why.find(text) == std::string::npos) note += "; a message box is open: " + text;
  }
  return note;
}

void ReportFailure(const Step& step, const std::string& why) {
  std::string report = FailureReport(g_script.file, step, why + OpenMessageBoxes(why));
  std::fprintf(stderr, "%s\n", report.c_str());
  std::fflush(stderr);
}

DWORD WINAPI DriveScript(LPVOID) {
  HWND mainWindow = OnUiThread([] { return viewer::AppMainWindow(); });
  DriverContext context(mainWindow, g_script.timeoutMs);
  for (const Step& step : g_script.steps) {
    context.trace(g_script.file + ":" + std::to_string(step.line) + ": " + step.source + " (at " +
                  std::to_string(static_cast<long>(context.elapsedMs())) + " ms)");
    try {
      const int faultsBefore = core::PluginFaultCount();
      const StepOutcome outcome = RunStep(context, step);
      if (core::PluginFaultCount() != faultsBefore) {
        throw StepFailure{"the plug-in broke the host's rules (the viewer's report is above)"};
      }
      if (outcome == StepOutcome::Quit) break;
    } catch (const StepFailure& failure) {
      ReportFailure(step, failure.why);
      Finish(1);
    } catch (const std::exception& error) {
      ReportFailure(step, error.what());
      Finish(1);
    }
  }
  Finish(0);
}

}  // namespace

bool LoadScript(const std::string& path, std::string* error) {
  char cwd[4096];
  std::string currentDir = getcwd(cwd, sizeof cwd) ? cwd : ".";
  g_loaded = LoadScriptFile(path, currentDir, Environment, &g_script, error);
  return g_loaded;
}

void StartDriver() {
  if (!g_loaded) return;
  // A thread of Wine's own: the driver calls Win32 throughout.
  HANDLE thread = CreateThread(nullptr, 0, DriveScript, nullptr, 0, nullptr);
  if (thread) {
    CloseHandle(thread);
  } else {
    std::fprintf(stderr, "script: cannot start the driver thread\n");
    viewer::AppQuit(1);
  }
}

}  // namespace viewer::script
