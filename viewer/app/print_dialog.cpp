#include "app/print_dialog.h"

#include <cstring>

namespace viewer {
namespace {

enum ControlId : WORD { kPrinterList = 1001, kFromEdit = 1002, kToEdit = 1003, kCopiesEdit = 1004 };

// Classes of a dialog item template, by their predefined atoms.
enum class ItemClass : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082, ComboBox = 0x0085 };

// An in-memory dialog template (the viewer has no resources of its own).
class DialogTemplate {
 public:
  DialogTemplate(const char* caption, short width, short height) {
    AddLong(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    AddLong(0);
    countAt_ = words_.size();
    words_.push_back(0);
    for (short value : {short(0), short(0), width, height}) words_.push_back(WORD(value));
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    AddText(caption);
    words_.push_back(8);
    AddText("MS Shell Dlg");
  }

  void Add(ItemClass kind, WORD id, const char* text, DWORD style, short x, short y, short width,
           short height) {
    if (words_.size() % 2 != 0) words_.push_back(0);  // items start on a DWORD
    AddLong(style | WS_CHILD | WS_VISIBLE);
    AddLong(0);
    for (short value : {x, y, width, height}) words_.push_back(WORD(value));
    words_.push_back(id);
    words_.push_back(0xFFFF);
    words_.push_back(WORD(kind));
    AddText(text);
    words_.push_back(0);  // no creation data
    ++words_[countAt_];
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void AddLong(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void AddText(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) words_.push_back(static_cast<unsigned char>(*c));
    words_.push_back(0);
  }

  std::vector<WORD> words_;
  size_t countAt_ = 0;
};

struct DialogState {
  const std::vector<std::string>* printers;
  print::PrintChoice choice;
  int pageCount;
};

std::string ItemText(HWND dialog, int id) {
  char text[64] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

void Initialise(HWND dialog, const DialogState& state) {
  HWND list = GetDlgItem(dialog, kPrinterList);
  for (const std::string& printer : *state.printers) {
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(printer.c_str()));
  }
  SendMessageA(list, CB_SETCURSEL, 0, 0);
  SetDlgItemInt(dialog, kFromEdit, static_cast<UINT>(state.choice.firstPage + 1), FALSE);
  SetDlgItemInt(dialog, kToEdit, static_cast<UINT>(state.choice.lastPage + 1), FALSE);
  SetDlgItemInt(dialog, kCopiesEdit, static_cast<UINT>(state.choice.copies), FALSE);
}

// True when the dialog's values make a job; otherwise tells the user and stays open.
bool Accept(HWND dialog, DialogState& state) {
  const std::string problem =
      print::ReadPrintChoice(ItemText(dialog, kFromEdit), ItemText(dialog, kToEdit),
                             ItemText(dialog, kCopiesEdit), state.pageCount, state.choice);
  if (!problem.empty()) {
    MessageBoxA(dialog, problem.c_str(), "Print", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  const LRESULT index = SendDlgItemMessageA(dialog, kPrinterList, CB_GETCURSEL, 0, 0);
  if (index < 0 || static_cast<size_t>(index) >= state.printers->size()) return false;
  state.choice.printer = (*state.printers)[static_cast<size_t>(index)];
  return true;
}

INT_PTR CALLBACK PrintDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      Initialise(dialog, *reinterpret_cast<DialogState*>(lParam));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK && state != nullptr) {
        if (Accept(dialog, *state)) EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

std::optional<print::PrintChoice> ShowPrintDialog(HWND owner,
                                                  const std::vector<std::string>& printers,
                                                  const print::PrintChoice& proposed,
                                                  int pageCount) {
  DialogTemplate form("Print", 220, 90);
  const DWORD label = SS_LEFT, edit = ES_AUTOHSCROLL | ES_NUMBER | WS_BORDER | WS_TABSTOP;
  form.Add(ItemClass::Static, 0xFFFF, "&Printer:", label, 7, 9, 40, 8);
  form.Add(ItemClass::ComboBox, kPrinterList, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 50,
           7, 163, 100);
  form.Add(ItemClass::Static, 0xFFFF, "&From:", label, 7, 29, 40, 8);
  form.Add(ItemClass::Edit, kFromEdit, "", edit, 50, 27, 40, 12);
  form.Add(ItemClass::Static, 0xFFFF, "&To:", label, 100, 29, 20, 8);
  form.Add(ItemClass::Edit, kToEdit, "", edit, 123, 27, 40, 12);
  form.Add(ItemClass::Static, 0xFFFF, "&Copies:", label, 7, 49, 40, 8);
  form.Add(ItemClass::Edit, kCopiesEdit, "", edit, 50, 47, 40, 12);
  form.Add(ItemClass::Button, IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 107, 69, 50, 14);
  form.Add(ItemClass::Button, IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 163, 69, 50, 14);

  DialogState state{&printers, proposed, pageCount};
  const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), form.get(), owner,
                                                 PrintDialogProc, reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return std::nullopt;
  return state.choice;
}

}  // namespace viewer
