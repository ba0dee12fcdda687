#include "application.h"

CApplication* CApplication::current_ = nullptr;

CApplication::CApplication() { current_ = this; }

CApplication::~CApplication() {
  if (current_ == this) current_ = nullptr;
}

CApplication* CApplication::Current() { return current_; }

HINSTANCE CApplication::Module() const {
  if (module_) return module_;
  // Not told by the host: the module that holds this code.
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&current_), &self);
  return self;
}

HWND CApplication::DialogOwner() const {
  if (hostWindow_ && IsWindow(hostWindow_)) return hostWindow_;
  return GetActiveWindow();
}
