#include "app/main_frame.h"

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>

#include "app/alerts.h"
#include "app/doc_window.h"
#include "app/guarded.h"
#include "app/host_commands.h"
#include "app/host_menus.h"
#include "app/host_toolbar.h"
#include "app/run_on_ui.h"

namespace viewer {
namespace {

const char kFrameClass[] = "ViewerFrame";
constexpr UINT kFirstMdiChildId = 50000;
constexpr UINT_PTR kEnableTimer = 1;
constexpr UINT kEnableTimerMs = 250;
constexpr DWORD kQuitGraceMs = 5000;

HWND frame = nullptr;
HWND mdiClient = nullptr;
DWORD uiThread = 0;
int quitCode = 0;

// Idle work runs while this loop, or a modal dialog or menu that says so
// (WM_ENTERIDLE), waits for input: as a host's idle time is, never from a plug-in's
// pumps, which drain the queue in the middle of the plug-in's own work.
void RunIdleWork() {
  MSG waiting;
  while (!PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE) && DocWindow::ReadAheadWhileIdle()) {
  }
}

void Layout(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  SendMessageA(Toolbar().handle(), TB_AUTOSIZE, 0, 0);
  const int top = Toolbar().Height();
  MoveWindow(mdiClient, 0, top, client.right, client.bottom - top, TRUE);
}

LRESULT ToolTipText(NMHDR* header) {
  const HostToolButton* button = Toolbar().OfCommand(static_cast<UINT>(header->idFrom));
  if (button == nullptr) return 0;
  if (header->code == TTN_GETDISPINFOA) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    info->lpszText = const_cast<char*>(button->helpText.c_str());
  } else {
    static WCHAR text[256];
    MultiByteToWideChar(CP_ACP, 0, button->helpText.c_str(), -1, text, 256);
    text[255] = 0;
    reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = text;
  }
  return 0;
}

LRESULT HandleFrameMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == RunOnUiMessage()) {
    RunPostedJob(lParam);
    return 0;
  }
  switch (message) {
    case WM_CREATE: {
      frame = hwnd;
      Toolbar().Create(hwnd);
      CLIENTCREATESTRUCT client{nullptr, kFirstMdiChildId};
      mdiClient = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                  0, 0, 0, 0, hwnd, nullptr, GetModuleHandleA(nullptr), &client);
      SetTimer(hwnd, kEnableTimer, kEnableTimerMs, nullptr);
      return 0;
    }
    case WM_SIZE:
      Layout(hwnd);
      return 0;  // not DefFrameProc: it would lay the MDI client over the toolbar
    case WM_TIMER:
      if (wParam == kEnableTimer) Toolbar().UpdateEnabled();
      return 0;
    case WM_ENTERIDLE:
      RunIdleWork();
      return 0;
    case WM_INITMENUPOPUP:
      Menus().UpdateEnabled(reinterpret_cast<HMENU>(wParam));
      break;
    case WM_COMMAND: {
      const UINT id = LOWORD(wParam);
      if (id >= HostMenus::kFirstCommandId && id <= HostMenus::kLastCommandId) {
        Menus().Execute(id);
        return 0;
      }
      if (Toolbar().OfCommand(id) != nullptr) {
        Toolbar().Execute(id);
        return 0;
      }
      break;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->code == TTN_GETDISPINFOA || header->code == TTN_GETDISPINFOW) {
        return ToolTipText(header);
      }
      break;
    }
    case WM_CLOSE:
      QuitApplication(0);
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd, kEnableTimer);
      return 0;
    default:
      break;
  }
  return DefFrameProcA(hwnd, mdiClient, message, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return HandleFrameMessage(hwnd, message, wParam, lParam); });
}

}  // namespace

UINT RunOnUiMessage() {
  static const UINT message = RegisterWindowMessageA("ViewerRunOnUiThread");
  return message;
}

bool CreateMainFrame(HINSTANCE instance) {
  uiThread = GetCurrentThreadId();
  WNDCLASSA wc{};
  wc.lpfnWndProc = FrameProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = kFrameClass;
  if (RegisterClassA(&wc) == 0) return false;
  HMENU bar = Menus().CreateMenuBar();
  // The frame covers the work area: the same layout on every run, with or without a
  // window manager.
  RECT area{0, 0, 1024, 768};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  HWND hwnd = CreateWindowExA(0, kFrameClass, kHostCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              area.left, area.top, area.right - area.left,
                              area.bottom - area.top, nullptr, bar, instance, nullptr);
  if (hwnd == nullptr) return false;
  BuildHostMenusAndToolbar();
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  Layout(hwnd);
  return true;
}

HWND MainFrameWindow() { return frame; }
HWND MdiClientWindow() { return mdiClient; }
DWORD UiThreadId() { return uiThread; }

int RunMessageLoop() {
  MSG msg;
  for (;;) {
    RunIdleWork();
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
    if (mdiClient != nullptr && TranslateMDISysAccel(mdiClient, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return quitCode;
}

namespace {

// Ends the process if the message loop has not ended it in time (a modal loop that
// never returns to the main loop, say).
DWORD WINAPI ExitAfterGrace(LPVOID) {
  Sleep(kQuitGraceMs);
  std::fflush(stdout);
  std::fflush(stderr);
  ExitProcess(static_cast<UINT>(quitCode));
}

}  // namespace

void QuitApplication(int exitCode) {
  quitCode = exitCode;
  std::fflush(stdout);
  std::fflush(stderr);
  if (GetCurrentThreadId() == uiThread) {
    PostQuitMessage(exitCode);
  } else {
    PostThreadMessageA(uiThread, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
  }
  // A Win32 thread, not std::thread: a bare pthread has no Wine thread data and
  // crashes the process when Wine signals it during exit.
  HANDLE grace = CreateThread(nullptr, 0, ExitAfterGrace, nullptr, 0, nullptr);
  if (grace) CloseHandle(grace);
}

}  // namespace viewer
