#include "script/win32.h"

#include <commctrl.h>

#include <optional>
#include <vector>

#include "script/steps.h"
#include "script/ui_click.h"
#include "script/ui_input.h"
#include "script/ui_windows.h"

namespace viewer::script {
namespace {

std::string CheckStateName(LRESULT state) {
  return state == BST_CHECKED ? "on" : state == BST_INDETERMINATE ? "indeterminate" : "off";
}

LRESULT CheckState(const DriverContext& context, HWND control) {
  return SendForAnswer(control, BM_GETCHECK, 0, 0, context.timeoutMs());
}

// The menu item with this command, searched through the menu's submenus.
std::string MenuItemProblem(HMENU menu, int id) {
  if (!menu) return "the target has no menu";
  UINT state = GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND);
  if (state == static_cast<UINT>(-1)) return "the target's menu has no item " + std::to_string(id);
  if (state & (MF_GRAYED | MF_DISABLED)) return "menu item " + std::to_string(id) + " is disabled";
  return {};
}

WORD VirtualKeyOf(const std::string& name) {
  static const struct { const char* name; WORD key; } keys[] = {
      {"enter", VK_RETURN}, {"escape", VK_ESCAPE}, {"space", VK_SPACE}, {"tab", VK_TAB},
      {"up", VK_UP},        {"down", VK_DOWN},     {"left", VK_LEFT},   {"right", VK_RIGHT},
  };
  for (const auto& key : keys) {
    if (name == key.name) return key.key;
  }
  Fail("unknown key " + name);
}

}  // namespace

void RunWaitWindow(DriverContext& context, const Step& step) {
  HWND found = nullptr;
  WaitFor(context, [&]() -> std::string {
    found = FindTopWindowByCaption(step.args[0]);
    return found ? "" : "no window of this process is captioned " + Quoted(step.args[0]);
  });
  context.pushTarget(found);
}

// The close box of the target's caption, found by asking the window what lies under
// points of its caption row, from the right edge inwards.
std::optional<POINT> CloseBoxPoint(const DriverContext& context, HWND window) {
  RECT frame;
  if (!GetWindowRect(window, &frame)) return std::nullopt;
  const int captionHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  for (int y = frame.top + 2; y < frame.top + captionHeight; y += 2) {
    for (int x = frame.right - 2; x > frame.right - 120 && x > frame.left; x -= 2) {
      LRESULT hit = SendForAnswer(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), context.timeoutMs());
      if (hit == HTCLOSE) return POINT{x, y};
    }
  }
  return std::nullopt;
}

void RunCloseBox(DriverContext& context, const Step& step) {
  (void)step;
  HWND target = context.lastTarget();
  if (!target) Fail("there is no target window (use wait-window)");
  // A disabled window (a dialog while its command runs) drops the click, as it would a
  // user's: wait, as a user would, until it takes input.
  WaitQuietly(context.timeoutMs(), [&] { return !IsWindow(target) || IsWindowEnabled(target); });
  std::optional<POINT> point = CloseBoxPoint(context, target);
  if (point && BringToForeground(target, 2000) && WindowFromPoint(*point) == target) {
    SendMouseClick(*point);
    SyncWithThread(context, target);
    context.trace("close-box: real click");
    return;
  }
  // As the system menu's Close would do when the box cannot be clicked.
  PostAndSync(context, target, WM_SYSCOMMAND, SC_CLOSE, 0);
  context.trace("close-box: posted SC_CLOSE");
}

void RunWaitGone(DriverContext& context, const Step& step) {
  (void)step;
  HWND target = context.lastTarget();
  if (!target) Fail("there is no target window (use wait-window)");
  WaitFor(context, [&]() -> std::string {
    return IsShown(target) ? "the target " + Quoted(CaptionOf(target)) + " is still shown" : "";
  });
  context.popTarget();
}

// A face the system does not have is stood in for by another, whose name the device
// context then gives.
void RunExpectFont(DriverContext&, const Step& step) {
  const std::string& face = step.args[0];
  LOGFONTA wanted{};
  wanted.lfHeight = -16;
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(wanted.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT font = CreateFontIndirectA(&wanted);
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  char got[LF_FACESIZE] = {};
  GetTextFaceA(dc, sizeof got, got);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  if (face != got) Fail("the system has no font " + Quoted(face) + ": " + Quoted(got) + " stands in for it");
}

void RunExpectNoWindow(DriverContext& context, const Step& step) {
  WaitFor(context, [&]() -> std::string {
    return FindTopWindowByCaption(step.args[0]) ? "a window captioned " + Quoted(step.args[0]) +
                                                      " is shown"
                                                : "";
  });
}

void RunExpectWindowCount(DriverContext& context, const Step& step) {
  const size_t wanted = static_cast<size_t>(NumberArg(step, 1));
  WaitFor(context, [&]() -> std::string {
    size_t count = 0;
    for (HWND window : ProcessTopWindows()) {
      if (CaptionOf(window) == step.args[0]) ++count;
    }
    return count == wanted ? "" : std::to_string(count) + " windows are captioned " +
                                      Quoted(step.args[0]);
  });
}

void RunClick(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND control = WaitForControl(context, id);
  ClickControl(context, control, ControlName(id));
}

void RunSetText(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND control = WaitForControl(context, id);
  bool answered = false;
  SendBounded(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.args[1].c_str()),
              context.timeoutMs(), &answered);
  WaitFor(context, [&]() -> std::string {
    std::string now = TextOf(control, context.timeoutMs());
    return now == step.args[1] ? "" : ControlName(id) + " shows " + Quoted(now);
  });
}

// The tip text that a tooltip control of this process holds for the control, or
// nullopt when none has a tool for it. Tools are asked for by window handle, as a
// dialog registers them (TTF_IDISHWND).
std::optional<std::string> TooltipTextOf(const DriverContext& context, HWND control) {
  std::optional<std::string> found;
  const HWND owner = GetAncestor(control, GA_ROOT);
  // A tooltip window is hidden until it shows a tip.
  for (HWND tip : ProcessTopWindows(true)) {
    if (ClassOf(tip) != TOOLTIPS_CLASSA || GetWindow(tip, GW_OWNER) != owner) continue;
    char text[1024] = "";
    TTTOOLINFOA info{};
    info.cbSize = sizeof info;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.uFlags = TTF_IDISHWND;
    info.lpszText = text;
    if (SendForAnswer(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info),
                      context.timeoutMs())) {
      SendForAnswer(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info),
                    context.timeoutMs());
      found = text;
    }
  }
  return found;
}

void RunExpectTooltip(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND control = WaitForControl(context, id);
  WaitFor(context, [&]() -> std::string {
    std::optional<std::string> tip = TooltipTextOf(context, control);
    if (!tip) return ControlName(id) + " has no tooltip";
    return *tip == step.args[1] ? "" : "its tooltip is " + Quoted(*tip);
  });
}

void RunExpectText(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND control = WaitForControl(context, id);
  WaitFor(context, [&]() -> std::string {
    std::string now = TextOf(control, context.timeoutMs());
    return now == step.args[1] ? "" : "the text is " + Quoted(now);
  });
}

void RunCheck(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND control = WaitForControl(context, id);
  if (CheckStateName(CheckState(context, control)) == step.args[1]) return;
  ClickControl(context, control, ControlName(id));
  WaitFor(context, [&]() -> std::string {
    std::string now = CheckStateName(CheckState(context, control));
    return now == step.args[1] ? "" : ControlName(id) + " is " + now;
  });
}

void RunExpectCheck(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND control = WaitForControl(context, id);
  WaitFor(context, [&]() -> std::string {
    std::string now = CheckStateName(CheckState(context, control));
    return now == step.args[1] ? "" : "it is " + now;
  });
}

void RunExpectEnabled(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND control = WaitForControl(context, id);
  const bool wanted = step.args[1] == "yes";
  WaitFor(context, [&]() -> std::string {
    bool enabled = IsWindowEnabled(control) != FALSE;
    return enabled == wanted ? "" : enabled ? "it is enabled" : "it is disabled";
  });
}

void RunMenuCommand(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND target = context.target();
  WaitFor(context, [&]() -> std::string {
    if (!CanTakeInput(target)) return "the target is disabled or hidden";
    return MenuItemProblem(GetMenu(target), id);
  });
  PostAndSync(context, target, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// Whatever the target's state: a click that was already queued when the target became
// busy arrives like this.
void RunPostClick(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND control = WaitForControl(context, id);
  PostAndSync(context, GetParent(control), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
              reinterpret_cast<LPARAM>(control));
}

void RunExpectMenuCommand(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND target = context.target();
  WaitFor(context, [&]() -> std::string {
    HMENU menu = GetMenu(target);
    if (!menu) return "the target has no menu";
    char label[512] = {};
    if (GetMenuStringA(menu, static_cast<UINT>(id), label, sizeof label, MF_BYCOMMAND) <= 0 &&
        GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) == static_cast<UINT>(-1)) {
      return "the target's menu has no item " + std::to_string(id);
    }
    return step.args[1] == label ? "" : "its label is " + Quoted(label);
  });
}

void RunKey(DriverContext& context, const Step& step) {
  const WORD key = VirtualKeyOf(step.args[0]);
  HWND target = context.target();
  HWND root = GetAncestor(target, GA_ROOT);
  WaitFor(context, [&]() -> std::string {
    if (!CanTakeInput(root)) return "the target is disabled or hidden";
    if (!BringToForeground(root, 2000)) return "the target cannot be brought to the foreground";
    HWND focus = FocusOnThreadOf(root);
    if (!focus || (focus != root && !IsChild(root, focus))) {
      return "no control of the target has the keyboard focus";
    }
    return {};
  });
  InputWatch watch(root);
  SendKey(key);
  if (watch.watching() && !watch.WaitKeyRelease(context.timeoutMs())) {
    Fail("the key did not reach the target within the timeout");
  }
  SyncWithThread(context, root);
}

}  // namespace viewer::script
