#include "script/ui_input.h"

#include <atomic>
#include <cstdlib>

#include "script/driver_context.h"

namespace viewer::script {
namespace {

std::atomic<long> g_buttonReleases{0};
std::atomic<HWND> g_lastReleaseWindow{nullptr};
std::atomic<long> g_keyReleases{0};
std::atomic<DWORD> g_slowTakingMs{0};

// Both hooks run on the watched thread as it takes input off its queue.
LRESULT CALLBACK WatchMouse(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && (wParam == WM_LBUTTONUP || wParam == WM_NCLBUTTONUP)) {
    g_lastReleaseWindow = reinterpret_cast<MOUSEHOOKSTRUCT*>(lParam)->hwnd;
    ++g_buttonReleases;
    if (g_slowTakingMs) Sleep(g_slowTakingMs);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK WatchKeyboard(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && (lParam & 0x80000000)) ++g_keyReleases;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::atomic<HWND> g_postedWindow{nullptr};
std::atomic<UINT> g_postedMessage{0};
std::atomic<WPARAM> g_postedWParam{0};
std::atomic<long> g_postedTaken{0};

LRESULT CALLBACK WatchPosted(int code, WPARAM removal, LPARAM lParam) {
  const MSG* message = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && removal == PM_REMOVE && message->hwnd == g_postedWindow &&
      message->message == g_postedMessage && message->wParam == g_postedWParam) {
    ++g_postedTaken;
  }
  return CallNextHookEx(nullptr, code, removal, lParam);
}

POINT g_lastClickPoint{-10000, -10000};
DWORD g_lastClickTime = 0;

bool IsExtendedKey(WORD key) {
  return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT ||
         key == VK_INSERT || key == VK_DELETE || key == VK_HOME || key == VK_END ||
         key == VK_PRIOR || key == VK_NEXT;
}

}  // namespace

bool BringToForeground(HWND root, int timeoutMs) {
  if (GetForegroundWindow() == root) return true;
  SetForegroundWindow(root);
  if (GetForegroundWindow() != root) {
    // Joining the window's input state lets this thread activate it.
    DWORD mine = GetCurrentThreadId();
    DWORD theirs = GetWindowThreadProcessId(root, nullptr);
    bool attached = mine != theirs && AttachThreadInput(mine, theirs, TRUE);
    SetForegroundWindow(root);
    BringWindowToTop(root);
    SetActiveWindow(root);
    if (attached) AttachThreadInput(mine, theirs, FALSE);
  }
  return WaitQuietly(timeoutMs, [&] { return GetForegroundWindow() == root; });
}

void SendMouseClick(POINT point, const POINT* leaveTo) {
  const DWORD now = GetTickCount();
  const DWORD doubleClickTime = GetDoubleClickTime();
  if (std::abs(point.x - g_lastClickPoint.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
      std::abs(point.y - g_lastClickPoint.y) <= GetSystemMetrics(SM_CYDOUBLECLK) &&
      now - g_lastClickTime <= doubleClickTime) {
    Sleep(doubleClickTime - (now - g_lastClickTime) + 50);
  }
  // With `leaveTo` the window system's pointer stays there while the events go to
  // `point`, as when it reports the pointer's motion late.
  const POINT pointer = leaveTo ? *leaveTo : point;
  SetCursorPos(pointer.x, pointer.y);
  // Each event carries the point too: a motion the window system reports late (a
  // window mapped under the old pointer place) must not move the press elsewhere.
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT inputs[2] = {};
  auto normalized = [](long offset, long size) {
    return static_cast<LONG>((static_cast<long long>(offset) * 65536 + size - 1) / size);
  };
  auto moveTo = [&](INPUT& input, POINT to) {
    input.type = INPUT_MOUSE;
    input.mi.dx = normalized(to.x - left, width);
    input.mi.dy = normalized(to.y - top, height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  };
  moveTo(inputs[0], point);
  moveTo(inputs[1], point);
  inputs[0].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
  g_lastClickPoint = point;
  g_lastClickTime = GetTickCount();
}

void SendKey(WORD virtualKey) {
  INPUT inputs[2] = {};
  WORD scan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  DWORD extended = IsExtendedKey(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0;
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scan;
    input.ki.dwFlags = extended;
  }
  inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

void SyncWithThread(const DriverContext& context, HWND window) {
  HWND anchor = window;
  HWND main = context.mainWindow();
  if (main && IsWindow(main) &&
      GetWindowThreadProcessId(main, nullptr) == GetWindowThreadProcessId(window, nullptr)) {
    anchor = main;
  }
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(anchor, WM_NULL, 0, 0, SMTO_NORMAL,
                      static_cast<UINT>(context.timeoutMs()), &ignored);
}

void PostAndSync(const DriverContext& context, HWND window, UINT message, WPARAM wParam,
                 LPARAM lParam) {
  g_postedWindow = window;
  g_postedMessage = message;
  g_postedWParam = wParam;
  const long before = g_postedTaken;
  DWORD thread = GetWindowThreadProcessId(window, nullptr);
  HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, WatchPosted, nullptr, thread);
  PostMessageA(window, message, wParam, lParam);
  if (hook) {
    WaitQuietly(context.timeoutMs(), [&] { return g_postedTaken != before; });
    UnhookWindowsHookEx(hook);
  }
  g_postedWindow = nullptr;
  SyncWithThread(context, window);
}

InputWatch::InputWatch(HWND window, DWORD slowTakingMs) {
  DWORD thread = GetWindowThreadProcessId(window, nullptr);
  g_slowTakingMs = slowTakingMs;
  buttonReleasesBefore_ = g_buttonReleases;
  keyReleasesBefore_ = g_keyReleases;
  mouseHook_ = SetWindowsHookExA(WH_MOUSE, WatchMouse, nullptr, thread);
  keyboardHook_ = SetWindowsHookExA(WH_KEYBOARD, WatchKeyboard, nullptr, thread);
}

InputWatch::~InputWatch() {
  g_slowTakingMs = 0;
  if (mouseHook_) UnhookWindowsHookEx(mouseHook_);
  if (keyboardHook_) UnhookWindowsHookEx(keyboardHook_);
}

HWND InputWatch::WaitButtonRelease(int timeoutMs) const {
  if (!WaitQuietly(timeoutMs, [&] { return g_buttonReleases != buttonReleasesBefore_; })) {
    return nullptr;
  }
  return g_lastReleaseWindow;
}

bool InputWatch::WaitKeyRelease(int timeoutMs) const {
  return WaitQuietly(timeoutMs, [&] { return g_keyReleases != keyReleasesBefore_; });
}

}  // namespace viewer::script
