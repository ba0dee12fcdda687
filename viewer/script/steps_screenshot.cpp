#include <vector>

#include "render/render_activity.h"
#include "script/png_writer.h"
#include "script/screen_capture.h"
#include "script/steps.h"
#include "script/ui_input.h"
#include "script/ui_windows.h"

namespace viewer::script {
namespace {

// How long the picture must stay the same to count as settled.
constexpr DWORD kSettledMs = 60;

BOOL CALLBACK FindPendingPaint(HWND window, LPARAM found) {
  if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

bool PaintPending() {
  bool found = false;
  for (HWND window : ProcessTopWindows()) {
    FindPendingPaint(window, reinterpret_cast<LPARAM>(&found));
    if (!found) EnumChildWindows(window, FindPendingPaint, reinterpret_cast<LPARAM>(&found));
    if (found) return true;
  }
  return false;
}

bool SamePicture(const RgbImage& a, const RgbImage& b) {
  return a.width == b.width && a.height == b.height && a.rgb == b.rgb;
}

// Pages are drawn on render threads and handed to their views later: a view that has
// painted may still wait for its page. A view counts as drawing from before its paint
// validates it until its requests are made, and a rendering until its view has asked to
// paint again, so: no paint pending, then nothing drawing, then (a rendering may just
// have been handed over) no paint pending again.
bool ViewsDrawn() {
  return !PaintPending() && render::RenderActivity() == 0 && !PaintPending();
}

// The screen may lag behind the windows: what a window has painted reaches the
// screen when its thread next waits. Wait for the windows to have painted their pages,
// then for the picture to stay the same.
RgbImage SettledPicture(const DriverContext& context, const RECT& area) {
  WaitQuietly(context.timeoutMs(), ViewsDrawn);
  const DWORD start = GetTickCount();
  RgbImage picture = CaptureScreenRect(area);
  while (GetTickCount() - start < static_cast<DWORD>(context.timeoutMs())) {
    Sleep(kSettledMs);
    RgbImage again = CaptureScreenRect(area);
    if (SamePicture(picture, again)) break;
    picture = std::move(again);
  }
  return picture;
}

}  // namespace

void RunScreenshot(DriverContext& context, const Step& step) {
  HWND window = nullptr;
  if (step.command == Command::Screenshot) window = context.target();
  if (step.command == Command::ScreenshotMain) window = context.mainWindow();
  if (window && !IsWindow(window)) Fail("the window no longer exists");

  SyncWithThread(context, context.mainWindow());
  if (window) SyncWithThread(context, window);
  RECT area = WholeScreen();
  if (window) GetWindowRect(window, &area);
  RgbImage picture = SettledPicture(context, area);
  std::string error;
  if (!WritePng(step.args[0], picture, &error)) Fail(error);
}

}  // namespace viewer::script
