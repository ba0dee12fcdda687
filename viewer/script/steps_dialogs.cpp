#include "script/win32.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "script/dialog_kinds.h"
#include "script/script_values.h"
#include "script/steps.h"
#include "script/thread_hop.h"
#include "script/ui_click.h"
#include "script/ui_input.h"
#include "script/ui_windows.h"

namespace viewer::script {
namespace {

// How often a watch for a message box looks.
constexpr DWORD kWatchPollMs = 20;

using Recognizer = bool (*)(HWND);

// The topmost enabled window of this kind (a dialog with a box over it is disabled).
HWND WaitForDialog(const DriverContext& context, Recognizer isKind, const std::string& kind) {
  HWND found = nullptr;
  WaitFor(context, [&]() -> std::string {
    for (HWND window : ProcessTopWindows()) {
      if (IsWindowEnabled(window) && isKind(window)) {
        found = window;
        return {};
      }
    }
    return "no " + kind + " appeared";
  });
  return found;
}

HWND WaitForPrintDialog(const DriverContext& context) {
  HWND found = nullptr;
  WaitFor(context, [&]() -> std::string {
    for (HWND window : ProcessTopWindows()) {
      if (IsWindowEnabled(window) && IsDialogClass(window) && CaptionOf(window) == "Print") {
        found = window;
        return {};
      }
    }
    return "no dialog captioned \"Print\" appeared";
  });
  return found;
}

// Waits for the dialog to close, or to raise a message box of its own (a question
// such as whether to replace a file), which the script answers with answer-box.
void WaitUntilClosed(const DriverContext& context, HWND dialog, const std::string& kind) {
  WaitFor(context, [&]() -> std::string {
    if (!IsShown(dialog)) return {};
    for (HWND window : ProcessTopWindows()) {
      if (window != dialog && GetWindow(window, GW_OWNER) == dialog && IsMessageBox(window)) {
        context.trace("the " + kind + " asks: " + MessageBoxText(window, context.timeoutMs()));
        return {};
      }
    }
    return "the " + kind + " is still shown";
  });
}

void PressButton(const DriverContext& context, HWND dialog, int id, const std::string& label,
                 const std::string& kind) {
  HWND button = GetDlgItem(dialog, id);
  if (!button || !IsWindowVisible(button)) button = FindButtonByLabel(dialog, label, context.timeoutMs());
  if (!button) Fail("the " + kind + " has no " + Quoted(label) + " button");
  ClickControl(context, button, Quoted(label) + " button");
}

void SetTextOf(const DriverContext& context, HWND control, const std::string& text) {
  bool answered = false;
  SendBounded(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), context.timeoutMs(),
              &answered);
  WaitFor(context, [&]() -> std::string {
    std::string now = TextOf(control, context.timeoutMs());
    return now == text ? "" : "the box shows " + Quoted(now);
  });
}

HWND FirstComboBox(HWND parent) {
  for (HWND child : ChildrenOf(parent)) {
    if (ToLower(ClassOf(child)) == "combobox") return child;
    if (HWND inner = FirstComboBox(child)) return inner;
  }
  return nullptr;
}

std::string ComboItems(const DriverContext& context, HWND combo) {
  std::string items;
  LRESULT count = SendForAnswer(combo, CB_GETCOUNT, 0, 0, context.timeoutMs());
  for (LRESULT i = 0; i < count; ++i) {
    LRESULT length = SendForAnswer(combo, CB_GETLBTEXTLEN, i, 0, context.timeoutMs());
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    SendForAnswer(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()), context.timeoutMs());
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    items += (items.empty() ? "" : ", ") + Quoted(text);
  }
  return items.empty() ? "none" : items;
}

}  // namespace

void RunAnswerBox(DriverContext& context, const Step& step) {
  const std::string& wantedText = step.args[0];
  const std::string& label = step.args[1];
  HWND box = WaitForDialog(context, IsMessageBox, "message box");
  std::string text = MessageBoxText(box, context.timeoutMs());
  if (text.find(wantedText) == std::string::npos) {
    Fail("the message box that appeared says " + Quoted(text));
  }
  if (step.args.size() > 2 && CaptionOf(box) != step.args[2]) {
    Fail("the message box is captioned " + Quoted(CaptionOf(box)));
  }
  std::string labels;
  HWND button = FindButtonByLabel(box, label, context.timeoutMs(), &labels);
  if (!button) Fail("the message box has no button " + Quoted(label) + " (it has " + labels + ")");
  ClickControl(context, button, Quoted(label) + " button");
  WaitUntilClosed(context, box, "message box");
}

void RunExpectNoBox(DriverContext& context, const Step& step) {
  auto shownBox = [&]() -> std::string {
    for (HWND window : ProcessTopWindows()) {
      if (IsMessageBox(window)) {
        return "a message box says " + Quoted(MessageBoxText(window, context.timeoutMs()));
      }
    }
    return {};
  };
  if (step.args.empty()) {
    WaitFor(context, shownBox);
    return;
  }
  // Watched for the whole time: after an action that runs on its own, a box may come
  // later than the first look.
  const int watchMs = ParseSecondsAsMilliseconds(step.args[0]).value_or(0);
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    const std::string seen = shownBox();
    if (!seen.empty()) Fail(seen + ", within " + step.args[0] + " s");
    if (GetTickCount64() - start >= static_cast<ULONGLONG>(watchMs)) return;
    Sleep(kWatchPollMs);
  }
}

void RunAnswerFile(DriverContext& context, const Step& step) {
  HWND dialog = WaitForDialog(context, IsFileDialog, "file dialog");
  if (step.args[0] == "cancel") {
    PressButton(context, dialog, IDCANCEL, "Cancel", "file dialog");
  } else {
    SetTextOf(context, FileNameBox(dialog), WindowsPathOf(step.args[0]));
    PressButton(context, dialog, IDOK, "OK", "file dialog");
  }
  WaitUntilClosed(context, dialog, "file dialog");
}

std::string ItemText(HWND tree, HTREEITEM item) {
  char text[MAX_PATH] = {};
  TVITEMA data{};
  data.mask = TVIF_TEXT;
  data.hItem = item;
  data.pszText = text;
  data.cchTextMax = sizeof text;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
  return text;
}

// The child of `parent`, opened first so that the chooser lists its folders, whose
// text `matches` accepts; null when none does.
template <typename Match>
HTREEITEM OpenChild(HWND tree, HTREEITEM parent, Match matches) {
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
  for (auto child = reinterpret_cast<HTREEITEM>(
           SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parent)));
       child; child = reinterpret_cast<HTREEITEM>(SendMessageA(
                  tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)))) {
    if (matches(ItemText(tree, child))) return child;
  }
  return nullptr;
}

bool SameName(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// Opens the tree down the path, as a user's clicks would: the root's "/" (the file
// system's own root, which drive Z: shows), then each folder; selects the last.
std::string SelectFolder(HWND tree, const std::string& linuxPath) {
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  if (!item) return "the folder chooser shows no tree";
  item = OpenChild(tree, item, [](const std::string& text) { return text == "/"; });
  if (!item) return "the folder chooser shows no \"/\"";
  size_t start = 1;
  while (start < linuxPath.size()) {
    const size_t end = std::min(linuxPath.find('/', start), linuxPath.size());
    const std::string name = linuxPath.substr(start, end - start);
    start = end + 1;
    if (name.empty()) continue;
    item = OpenChild(tree, item, [&](const std::string& text) { return SameName(text, name); });
    if (!item) return "the folder chooser shows no folder " + Quoted(name);
  }
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  return {};
}

void RunAnswerFolder(DriverContext& context, const Step& step) {
  HWND dialog = WaitForDialog(context, IsFolderDialog, "folder chooser");
  if (step.args[0] == "cancel") {
    PressButton(context, dialog, IDCANCEL, "Cancel", "folder chooser");
  } else {
    if (step.args[0].empty() || step.args[0][0] != '/') Fail("the folder must be an absolute path");
    HWND tree = FolderTree(dialog);
    std::string problem;
    RunOnWindowThread(context, tree, [&] { problem = SelectFolder(tree, step.args[0]); });
    if (!problem.empty()) Fail(problem);
    PressButton(context, dialog, IDOK, "OK", "folder chooser");
  }
  WaitUntilClosed(context, dialog, "folder chooser");
}

void RunAnswerColour(DriverContext& context, const Step& step) {
  HWND dialog = WaitForDialog(context, IsColourDialog, "colour dialog");
  if (step.args[0] == "cancel") {
    PressButton(context, dialog, IDCANCEL, "Cancel", "colour dialog");
  } else {
    // The dialog takes each channel from its edit box as the box reports the change.
    for (int channel = 0; channel < 3; ++channel) {
      SetTextOf(context, ColourEdit(dialog, channel), step.args[channel]);
    }
    PressButton(context, dialog, IDOK, "OK", "colour dialog");
  }
  WaitUntilClosed(context, dialog, "colour dialog");
}

void RunAnswerPrint(DriverContext& context, const Step& step) {
  HWND dialog = WaitForPrintDialog(context);
  if (step.args.size() > 1) {
    const std::string& printer = step.args[1];
    HWND combo = FirstComboBox(dialog);
    if (!combo) Fail("the Print dialog has no printer list");
    LRESULT index = SendForAnswer(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(printer.c_str()), context.timeoutMs());
    if (index < 0) {
      Fail("the Print dialog offers no printer " + Quoted(printer) + " (it offers " +
           ComboItems(context, combo) + ")");
    }
    SendForAnswer(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, context.timeoutMs());
    PostAndSync(context, GetParent(combo), WM_COMMAND,
                MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  }
  if (step.args[0] == "ok") {
    PressButton(context, dialog, IDOK, "OK", "Print dialog");
  } else {
    PressButton(context, dialog, IDCANCEL, "Cancel", "Print dialog");
  }
  WaitUntilClosed(context, dialog, "Print dialog");
}

}  // namespace viewer::script
