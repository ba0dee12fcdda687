#include "script/ui_windows.h"

#include "script/driver_context.h"

namespace viewer::script {
namespace {

struct TopWindowList {
  std::vector<HWND> windows;
  bool hiddenToo;
};

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM data) {
  auto* list = reinterpret_cast<TopWindowList*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == GetCurrentProcessId() && (list->hiddenToo || IsWindowVisible(window))) {
    list->windows.push_back(window);
  }
  return TRUE;
}

std::string Narrow(const wchar_t* text, int length) {
  if (length <= 0) return {};
  int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string result(size, '\0');
  WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), size, nullptr, nullptr);
  return result;
}

}  // namespace

std::vector<HWND> ProcessTopWindows(bool hiddenToo) {
  TopWindowList list{{}, hiddenToo};
  EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&list));
  return list.windows;
}

HWND FindTopWindowByCaption(const std::string& caption) {
  for (HWND window : ProcessTopWindows()) {
    if (CaptionOf(window) == caption) return window;
  }
  return nullptr;
}

std::string CaptionOf(HWND window) {
  wchar_t text[1024];
  int length = InternalGetWindowText(window, text, 1024);
  return Narrow(text, length);
}

std::string ClassOf(HWND window) {
  char name[256];
  int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

bool IsDialogClass(HWND window) { return ClassOf(window) == "#32770"; }

LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int timeoutMs,
                    bool* answered) {
  DWORD_PTR result = 0;
  LRESULT ok = SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL,
                                   static_cast<UINT>(timeoutMs), &result);
  if (answered) *answered = ok != 0;
  return static_cast<LRESULT>(result);
}

LRESULT SendForAnswer(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                      int timeoutMs) {
  bool answered = false;
  LRESULT result = SendBounded(window, message, wParam, lParam, timeoutMs, &answered);
  if (!answered) {
    if (!IsWindow(window)) Fail("the window went away");
    Fail("the user-interface thread did not answer within the timeout");
  }
  return result;
}

std::string TextOf(HWND window, int timeoutMs) {
  LRESULT length = SendForAnswer(window, WM_GETTEXTLENGTH, 0, 0, timeoutMs);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  LRESULT got = SendForAnswer(window, WM_GETTEXT, text.size(),
                              reinterpret_cast<LPARAM>(text.data()), timeoutMs);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

HWND FindControl(HWND parent, int id) {
  if (HWND direct = GetDlgItem(parent, id)) return direct;
  for (HWND child : ChildrenOf(parent)) {
    if (HWND found = FindControl(child, id)) return found;
  }
  return nullptr;
}

HWND FocusOnThreadOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

bool IsShown(HWND window) { return IsWindow(window) && IsWindowVisible(window); }

bool CanTakeInput(HWND window) {
  for (HWND w = window; w; w = GetAncestor(w, GA_PARENT)) {
    if (w == GetDesktopWindow()) break;
    if (!IsWindowVisible(w) || !IsWindowEnabled(w)) return false;
  }
  return true;
}

}  // namespace viewer::script
