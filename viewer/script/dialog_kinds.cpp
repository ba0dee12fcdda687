#include "script/dialog_kinds.h"

#include <commctrl.h>
#include <dlgs.h>

#include "script/driver_context.h"
#include "script/script_values.h"
#include "script/ui_windows.h"

namespace viewer::script {
namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr int kColourEditIds[3] = {706, 707, 708};   // red, green, blue

}  // namespace

bool IsMessageBox(HWND window) {
  if (!IsDialogClass(window)) return false;
  bool hasText = false;
  for (HWND child : ChildrenOf(window)) {
    std::string kind = ClassOf(child);
    if (kind != "Static" && kind != "Button") return false;
    if (kind == "Static" && GetDlgCtrlID(child) == kMessageTextId) hasText = true;
  }
  return hasText;
}

std::string MessageBoxText(HWND box, int timeoutMs) {
  HWND text = GetDlgItem(box, kMessageTextId);
  return text ? TextOf(text, timeoutMs) : std::string();
}

HWND FileNameBox(HWND dialog) {
  if (HWND edit = FindControl(dialog, edt1)) return edit;
  return FindControl(dialog, cmb13);
}

bool IsFileDialog(HWND window) {
  return IsDialogClass(window) && FileNameBox(window) && GetDlgItem(window, IDOK);
}

HWND FolderTree(HWND dialog) {
  if (HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr)) return tree;
  // The new style puts the tree inside a pane of its own.
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (HWND tree = FindWindowExA(child, nullptr, WC_TREEVIEWA, nullptr)) return tree;
  }
  return nullptr;
}

bool IsFolderDialog(HWND window) {
  return IsDialogClass(window) && !IsFileDialog(window) && GetDlgItem(window, IDOK) &&
         FolderTree(window);
}

bool IsColourDialog(HWND window) {
  if (!IsDialogClass(window)) return false;
  for (int id : kColourEditIds) {
    if (!GetDlgItem(window, id)) return false;
  }
  return true;
}

HWND ColourEdit(HWND dialog, int channel) { return GetDlgItem(dialog, kColourEditIds[channel]); }

HWND FindButtonByLabel(HWND dialog, const std::string& label, int timeoutMs,
                       std::string* allLabels) {
  HWND found = nullptr;
  for (HWND child : ChildrenOf(dialog)) {
    if (ClassOf(child) != "Button" || !IsWindowVisible(child)) continue;
    std::string text = TextOf(child, timeoutMs);
    if (allLabels) *allLabels += (allLabels->empty() ? "" : ", ") + Quoted(text);
    if (!found && LabelMatches(text, label)) found = child;
  }
  return found;
}

}  // namespace viewer::script
