#include "registration.h"

#include <windows.h>

#include "callbacks.h"
#include "commands.h"
#include "error_frame.h"
#include "measure_tool.h"
#include "plugin_objects.h"
#include "print_notification.h"
#include "ui/resource.h"

namespace {

constexpr ASInt32 kAppendToMenu = 9999;

// Raised by the host before each page it prints: something was printed.
void HOSTCALL NotePrinted(PDDoc, PDPageNumber, void*, void*) { printNotified = true; }

// Appends an item to the named host menu; a menu the host lacks is skipped.
void AddMenuItem(AVMenubar menubar, const char* menuName, const char* title, const char* name,
                 AVExecuteProc execute, AVComputeEnabledProc enabled) {
  AVMenu menu = host::AVMenubarAcquireMenuByName(menubar, menuName);
  if (!menu) return;
  AVMenuItem item = host::AVMenuItemNew(title, name, nullptr, false, 0, 0, nullptr,
                                        host::hostTables.extensionID);
  host::AVMenuItemSetExecuteProc(item, execute, nullptr);
  if (enabled) host::AVMenuItemSetComputeEnabledProc(item, enabled, nullptr);
  host::AVMenuAddMenuItem(menu, item, kAppendToMenu);
  host::AVMenuRelease(menu);
}

// The button goes before "endToolsGroup", or where the host puts it if that is absent.
void AddToolButton(AVExecuteProc execute, AVComputeEnabledProc enabled) {
  AVToolBar toolBar = host::AVAppGetToolBar();
  AVToolButton endOfTools =
      host::AVToolBarGetButtonByName(toolBar, host::ASAtomFromString("endToolsGroup"));
  AVIcon icon = LoadBitmapA(theApp.Module(), MAKEINTRESOURCEA(IDB_TOOL_BUTTON));
  AVToolButton button =
      host::AVToolButtonNew(host::ASAtomFromString("ADBE:Tessaly"), icon, true, false);
  host::AVToolBarAddButton(toolBar, button, true, endOfTools);
  host::AVToolButtonSetExecuteProc(button, execute, nullptr);
  host::AVToolButtonSetComputeEnabledProc(button, enabled, nullptr);
  host::AVToolButtonSetHelpText(button, "Tessaly");
}

void AddMainMenuItem() {
  AddMenuItem(host::AVAppGetMenubar(), "Extensions", "&Tessaly", "ADBE:Tessaly",
              host::CreateCallback(&OpenMainDialog), host::CreateCallback(&IsDocumentActive));
}

void AddAboutMenuItem() {
  AddMenuItem(host::AVAppGetMenubar(), "AboutExtensions", "About Tessaly...",
              "ADBE:AboutTessaly", host::CreateCallback(&OpenAboutBox), nullptr);
}

void AddMainToolButton() {
  AddToolButton(host::CreateCallback(&OpenMainDialog), host::CreateCallback(&IsDocumentActive));
}

void RegisterPrintNotification() {
  host::AVAppRegisterNotification(kNotifyWillPrintPage, host::hostTables.extensionID,
                                  host::CallbackHandle(&NotePrinted), nullptr);
}

// Each registration in a frame of its own: one the host refuses leaves the others.
void Register(void (*step)()) {
  HOST_DURING
    step();
  HOST_HANDLER
  HOST_END_HANDLER
}

}  // namespace

ASBool HOSTCALL InitialisePlugIn() {
  Register(&AddMainMenuItem);
  Register(&AddAboutMenuItem);
  Register(&AddMainToolButton);
  Register(&RegisterPrintNotification);
  Register(&RegisterMeasureTool);
  return true;
}
