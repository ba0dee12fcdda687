// The framework's application object: one per module, it knows where the
// module's resources are and which window its modal dialogs belong to.
#pragma once

#include <windows.h>

class CApplication {
 public:
  CApplication();
  virtual ~CApplication();
  CApplication(const CApplication&) = delete;
  CApplication& operator=(const CApplication&) = delete;

  // The application object of this module, or null outside its lifetime.
  static CApplication* Current();

  // The module whose dialog templates, bitmaps and cursors are loaded.
  void SetModule(HINSTANCE module) { module_ = module; }
  HINSTANCE Module() const;

  // The host's main window, owner of the modal dialogs.
  void SetHostWindow(HWND window) { hostWindow_ = window; }
  HWND DialogOwner() const;

 private:
  static CApplication* current_;
  HINSTANCE module_ = nullptr;
  HWND hostWindow_ = nullptr;
};
