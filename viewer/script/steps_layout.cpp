// The target window's size, and where its controls stand in it.
#include <functional>

#include "script/measure_expression.h"
#include "script/steps.h"
#include "script/ui_input.h"
#include "script/ui_windows.h"

namespace viewer::script {
namespace {

struct Size {
  long width = 0;
  long height = 0;
};

Size OuterSize(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

std::string SizeText(Size size) {
  return std::to_string(size.width) + " x " + std::to_string(size.height) + " pixels";
}

// The control's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND control) {
  RECT rect = {};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// One side of an expected rectangle (x, y, width or height): a value, or any.
struct Expected {
  bool any = false;
  long value = 0;
  bool Matches(long seen) const { return any || seen == value; }
  std::string Text() const { return any ? "*" : std::to_string(value); }
};

std::string RectText(const long (&sides)[4]) {
  return std::to_string(sides[0]) + "," + std::to_string(sides[1]) + " " +
         std::to_string(sides[2]) + " x " + std::to_string(sides[3]);
}

std::string RectText(const Expected (&sides)[4]) {
  return sides[0].Text() + "," + sides[1].Text() + " " + sides[2].Text() + " x " +
         sides[3].Text();
}

using Expectation = std::function<void(Expected (&want)[4], std::string* where)>;

// Waits until the control stands where the expectation says, in its parent's client
// area; the expectation is asked again at each look, as the window may still change.
void WaitForPlace(const DriverContext& context, int id, HWND control, const Expectation& expect) {
  WaitFor(context, [&]() -> std::string {
    Expected want[4];
    std::string where;
    expect(want, &where);
    RECT rect = PlaceInParent(control);
    const long seen[4] = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    bool same = true;
    for (int i = 0; i < 4; ++i) same = same && want[i].Matches(seen[i]);
    if (same) return {};
    return ControlName(id) + " is at " + RectText(seen) + ", expected " + RectText(want) + where;
  });
}

}  // namespace

void RunResize(DriverContext& context, const Step& step) {
  HWND target = context.target();
  const Size wanted{NumberArg(step, 0), NumberArg(step, 1)};
  // Asynchronous: the window's own thread sizes it and runs its size handler, as when
  // the user drags the frame; the driver is not held by that handler.
  SetWindowPos(target, nullptr, 0, 0, static_cast<int>(wanted.width),
               static_cast<int>(wanted.height),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  WaitFor(context, [&]() -> std::string {
    Size now = OuterSize(target);
    if (now.width == wanted.width && now.height == wanted.height) return {};
    return "the window is " + SizeText(now) + " (a window may not be made smaller than " +
           std::to_string(GetSystemMetrics(SM_CXMINTRACK)) + " x " +
           std::to_string(GetSystemMetrics(SM_CYMINTRACK)) + ")";
  });
  SyncWithThread(context, target);
}

void RunMaximize(DriverContext& context, const Step& step) {
  (void)step;
  HWND target = context.target();
  ShowWindowAsync(target, SW_MAXIMIZE);
  WaitFor(context, [&]() -> std::string {
    return IsZoomed(target) ? "" : "the window is not maximised";
  });
  SyncWithThread(context, target);
}

void RunExpectRect(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND target = context.target();
  HWND control = WaitForControl(context, id);
  WaitForPlace(context, id, control, [&](Expected (&want)[4], std::string* where) {
    Size window = OuterSize(target);
    for (int i = 0; i < 4; ++i) {
      const std::string& measure = step.args[1 + i];
      want[i].any = IsAnyMeasure(measure);
      if (!want[i].any) {
        want[i].value = EvaluateMeasure(measure, window.width, window.height).value_or(0);
      }
    }
    // A window keeps no negative size: asked for one, it is made empty.
    for (int i = 2; i < 4; ++i) {
      if (want[i].value < 0) want[i].value = 0;
    }
    *where = " in a window of " + SizeText(window);
  });
}

void RunExpectRectDlu(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND target = context.target();
  HWND control = WaitForControl(context, id);
  // Each of the four converted on its own, as the dialog converts a template's
  // position and size when it creates the control (so no rounding of x + width).
  RECT units = {NumberArg(step, 1), NumberArg(step, 2), NumberArg(step, 3), NumberArg(step, 4)};
  if (!MapDialogRect(target, &units)) Fail("the target is not a dialog");
  const long pixels[4] = {units.left, units.top, units.right, units.bottom};
  WaitForPlace(context, id, control, [&](Expected (&want)[4], std::string* where) {
    for (int i = 0; i < 4; ++i) want[i].value = pixels[i];
    *where = " (the dialog units in pixels)";
  });
}

}  // namespace viewer::script
