#include "data_exchange.h"

#include "integer_text.h"

namespace {

constexpr const char* kIntegerPrompt = "Please enter an integer.";

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

bool IsEdit(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return lstrcmpiA(className, "Edit") == 0;
}

// The caption of the dialog the prompt belongs to.
std::string PromptCaption(HWND dialog) {
  std::string caption = dialog ? WindowText(dialog) : std::string();
  return caption.empty() ? std::string("Tessaly") : caption;
}

}  // namespace

HWND CDataExchange::Control(int id) const {
  if (failed_) return nullptr;
  return GetDlgItem(dialog_, id);
}

void CDataExchange::Fail(HWND control, const char* prompt) {
  failed_ = true;
  MessageBoxA(dialog_, prompt, PromptCaption(dialog_).c_str(), MB_OK | MB_ICONEXCLAMATION);
  if (!control) return;
  SetFocus(control);
  if (IsEdit(control)) SendMessageA(control, EM_SETSEL, 0, -1);
}

void ExchangeCheck(CDataExchange& dx, int id, int& value) {
  HWND control = dx.Control(id);
  if (!control) return;
  if (dx.SaveAndValidate()) {
    value = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  } else {
    SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void ExchangeInt(CDataExchange& dx, int id, int& value) {
  HWND control = dx.Control(id);
  if (!control) return;
  if (dx.SaveAndValidate()) {
    if (!ParseDialogInteger(WindowText(control), value)) dx.Fail(control, kIntegerPrompt);
  } else {
    SetWindowTextA(control, FormatDialogInteger(value).c_str());
  }
}

void ExchangeText(CDataExchange& dx, int id, std::string& value) {
  HWND control = dx.Control(id);
  if (!control) return;
  if (dx.SaveAndValidate()) {
    value = WindowText(control);
  } else {
    SetWindowTextA(control, value.c_str());
  }
}

// Only an entry that is the whole value (case aside) is selected: one that merely
// begins with it ("ArialMT" for "Arial") would replace the value at the next exchange.
void ExchangeComboText(CDataExchange& dx, int id, std::string& value) {
  HWND control = dx.Control(id);
  if (!control) return;
  if (dx.SaveAndValidate()) {
    value = WindowText(control);
    return;
  }
  const LRESULT index = SendMessageA(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(value.c_str()));
  if (index != CB_ERR) {
    SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  } else {
    SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextA(control, value.c_str());
  }
}
