// The keyboard focus and the tab order of the target's controls.
#include "script/win32.h"

#include <string>
#include <vector>

#include "script/script_values.h"
#include "script/steps.h"
#include "script/ui_windows.h"

namespace viewer::script {
namespace {

// Static labels and group boxes have no id of their own: -1 in a template, 0xFFFF
// when it was kept in 16 bits.
bool HasNoId(int id) { return id == -1 || id == 0xFFFF; }

// A window as a failure names it: a control by its id, anything else by its class.
std::string WindowName(HWND window) {
  const std::string kind = " (" + ClassOf(window) + ")";
  if (!(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) {
    return "the window " + Quoted(CaptionOf(window)) + kind;
  }
  const int id = GetDlgCtrlID(window);
  return HasNoId(id) ? "a control without an id" + kind : ControlName(id) + kind;
}

std::string FocusText(HWND target, HWND focus) {
  if (!focus) return "no window of the target's thread has the keyboard focus";
  std::string name = WindowName(focus);
  // A control's own child, such as the edit field of a drop-down combo box.
  HWND parent = GetParent(focus);
  if (parent && parent != target && IsChild(target, parent)) name += " in " + WindowName(parent);
  if (focus != target && !IsChild(target, focus)) name += ", outside the target";
  return "the focus is on " + name;
}

// The ids of the target's children in window order, which is the order the Tab key
// goes through them; children without an id are left out.
std::vector<int> TabOrderOf(HWND target) {
  std::vector<int> ids;
  for (HWND child : ChildrenOf(target)) {
    const int id = GetDlgCtrlID(child);
    if (!HasNoId(id)) ids.push_back(id);
  }
  return ids;
}

}  // namespace

void RunExpectFocus(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND target = context.target();
  HWND control = WaitForControl(context, id);
  WaitFor(context, [&]() -> std::string {
    // The focus may rest on a window inside the control (a drop-down combo box gives
    // it to its edit field).
    HWND focus = FocusOnThreadOf(target);
    if (focus && (focus == control || IsChild(control, focus))) return {};
    return FocusText(target, focus);
  });
}

void RunExpectTabOrder(DriverContext& context, const Step& step) {
  // The script was checked when it was loaded, so the list is good.
  const std::vector<int> wanted = ParseIdList(step.args[0]).value_or(std::vector<int>{});
  HWND target = context.target();
  WaitFor(context, [&]() -> std::string {
    const std::vector<int> order = TabOrderOf(target);
    if (order == wanted) return {};
    return order.empty() ? "the target has no child windows with an id"
                         : "the tab order is " + FormatNumberList(order);
  });
}

}  // namespace viewer::script
