#include "script/ui_click.h"

#include "script/ui_input.h"
#include "script/ui_windows.h"

namespace viewer::script {
namespace {

constexpr int kForegroundWaitMs = 2000;
// Longer than the window system's own pointer position is trusted to be fresh.
constexpr int kSlowTakingMs = 250;

bool IsButton(HWND control) { return ClassOf(control) == "Button"; }

LONG ButtonType(HWND control) { return GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK; }

bool IsSameOrInside(HWND outer, HWND window) {
  return window == outer || IsChild(outer, window);
}

// Why real input cannot reach this point of the control now, or "" when it can.
std::string RealInputObstacle(HWND control, POINT screenPoint) {
  HWND root = GetAncestor(control, GA_ROOT);
  if (!BringToForeground(root, kForegroundWaitMs)) {
    return "its window could not be brought to the foreground";
  }
  HWND hit = WindowFromPoint(screenPoint);
  if (!hit) return "the point is off the screen";
  if (!IsSameOrInside(control, hit)) {
    return "the point is covered by " + ClassOf(hit) + " " + Quoted(CaptionOf(hit));
  }
  return {};
}

void WaitUntilReady(const DriverContext& context, HWND control, const std::string& name) {
  WaitFor(context, [&]() -> std::string {
    if (!IsWindow(control)) return name + " no longer exists";
    if (!IsWindowVisible(control)) return name + " is hidden";
    if (!IsWindowEnabled(control)) return name + " is disabled";
    if (!CanTakeInput(control)) return "the window of " + name + " is disabled or hidden";
    return {};
  });
}

void ClickByRealInput(const DriverContext& context, HWND control, POINT screenPoint,
                      const std::string& name, const POINT* leaveTo = nullptr) {
  InputWatch watch(control, leaveTo ? kSlowTakingMs : 0);
  SendMouseClick(screenPoint, leaveTo);
  if (watch.watching()) {
    HWND reached = watch.WaitButtonRelease(context.timeoutMs());
    if (!reached) Fail("the click did not reach " + name + " within the timeout");
    if (!IsSameOrInside(control, reached) && IsWindow(control)) {
      Fail("the click reached " + ClassOf(reached) + " " + Quoted(CaptionOf(reached)) +
           " instead of " + name);
    }
  }
  SyncWithThread(context, GetAncestor(control, GA_ROOT));
}

}  // namespace

bool IsAutoCheckButton(HWND control) {
  if (!IsButton(control)) return false;
  LONG type = ButtonType(control);
  return type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}

ClickWay ClickControl(const DriverContext& context, HWND control, const std::string& name) {
  WaitUntilReady(context, control, name);
  const bool autoCheck = IsAutoCheckButton(control);
  const LRESULT before =
      autoCheck ? SendForAnswer(control, BM_GETCHECK, 0, 0, context.timeoutMs()) : 0;

  RECT client;
  GetClientRect(control, &client);
  POINT point{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
  ClientToScreen(control, &point);

  ClickWay way = ClickWay::RealInput;
  std::string obstacle = RealInputObstacle(control, point);
  if (obstacle.empty()) {
    ClickByRealInput(context, control, point, name);
    context.trace("clicked " + name + " by real input");
  } else {
    if (!IsButton(control)) Fail("real input cannot reach " + name + ": " + obstacle);
    context.trace("click on " + name + " by notification: " + obstacle);
    way = ClickWay::Notification;
    if (autoCheck) {
      WPARAM next = ButtonType(control) == BS_AUTORADIOBUTTON ? BST_CHECKED
                    : before == BST_CHECKED                    ? BST_UNCHECKED
                                                               : BST_CHECKED;
      SendForAnswer(control, BM_SETCHECK, next, 0, context.timeoutMs());
    }
    PostAndSync(context, GetParent(control), WM_COMMAND,
                MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED), reinterpret_cast<LPARAM>(control));
  }

  if (autoCheck) {
    const bool radio = ButtonType(control) == BS_AUTORADIOBUTTON;
    WaitFor(context, [&]() -> std::string {
      if (!IsWindow(control)) return {};
      LRESULT now = SendForAnswer(control, BM_GETCHECK, 0, 0, context.timeoutMs());
      if (radio ? now == BST_CHECKED : now != before) return {};
      return "the click did not change the check state of " + name;
    });
  }
  return way;
}

void ClickControlAt(const DriverContext& context, HWND control, POINT clientPoint,
                    const POINT* leaveTo) {
  const std::string name = "the " + ClassOf(control);
  WaitUntilReady(context, control, name);
  POINT point = clientPoint;
  ClientToScreen(control, &point);
  std::string obstacle = RealInputObstacle(control, point);
  if (!obstacle.empty()) Fail("real input cannot reach " + name + ": " + obstacle);
  ClickByRealInput(context, control, point, name, leaveTo);
}

}  // namespace viewer::script
