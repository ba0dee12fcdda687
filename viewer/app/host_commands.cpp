#include "app/host_commands.h"

#include <windows.h>
#include <commdlg.h>

#include <functional>

#include "app/alerts.h"
#include "app/doc_window.h"
#include "app/host_icons.h"
#include "app/host_menus.h"
#include "app/host_toolbar.h"
#include "app/main_frame.h"
#include "app/wine_paths.h"
#include "core/atom_table.h"
#include "core/error_text.h"
#include "core/host_error.h"
#include "print/print_service.h"

namespace viewer {
namespace {

const char kPdfFilter[] = "PDF Files (*.pdf)\0*.pdf\0All Files (*.*)\0*.*\0";

// The host's own commands report failures to the user and never let them escape
// into the window procedure.
void RunReporting(const std::function<void()>& command) {
  try {
    command();
  } catch (const core::HostError& e) {
    std::string message = core::HostErrorText(e.code());
    if (*e.what() != '\0') message += "\n\n" + std::string(e.what());
    ShowHostAlert(AlertIcon::Stop, message);
  } catch (const std::exception& e) {
    ShowHostAlert(AlertIcon::Stop, e.what());
  }
}

ASBool HOSTCALL AlwaysEnabled(void*) { return 1; }
ASBool HOSTCALL HasActiveDoc(void*) { return ActiveDocWindow() != nullptr ? 1 : 0; }

void HOSTCALL OpenCommand(void*) {
  RunReporting([] {
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = MainFrameWindow();
    ofn.lpstrFilter = kPdfFilter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrTitle = "Open";
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&ofn)) return;
    DocWindow::Open(UnixPathOf(path), "");
  });
}

void HOSTCALL SaveAsCommand(void*) {
  RunReporting([] {
    DocWindow* doc = ActiveDocWindow();
    if (doc == nullptr) return;
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = MainFrameWindow();
    ofn.lpstrFilter = kPdfFilter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrTitle = "Save As";
    ofn.lpstrDefExt = "pdf";
    ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetSaveFileNameA(&ofn)) return;
    doc->pdf().SaveAs(UnixPathOf(path));
  });
}

// The whole document, through the Print dialog.
void HOSTCALL PrintCommand(void*) {
  RunReporting([] {
    DocWindow* doc = ActiveDocWindow();
    if (doc == nullptr) return;
    print::PrintRequest request;
    request.interactive = true;
    request.firstPage = 0;
    request.lastPage = doc->pdf().PageCount() - 1;
    print::PrintDocument(*doc, request);
  });
}

void HOSTCALL ExitCommand(void*) { QuitApplication(0); }

void HOSTCALL ZoomInCommand(void*) {
  if (DocWindow* doc = ActiveDocWindow()) doc->pageView().ZoomIn();
}

void HOSTCALL ZoomOutCommand(void*) {
  if (DocWindow* doc = ActiveDocWindow()) doc->pageView().ZoomOut();
}

void HOSTCALL ThumbnailsCommand(void*) {
  if (DocWindow* doc = ActiveDocWindow()) {
    doc->SetViewMode(doc->thumbnailsShown() ? PDUseNone : PDUseThumbs);
  }
}

void AddMenuItem(HostMenu* menu, const char* title, const char* name, AVExecuteProc execute,
                 AVComputeEnabledProc enabled) {
  HostMenuItem* item = Menus().NewItem(title, name, nullptr);
  item->execute = execute;
  item->computeEnabled = enabled;
  Menus().AddItem(menu, item, -1);
}

void AddButton(const char* name, HostIcon icon, const char* help, AVExecuteProc execute,
               AVComputeEnabledProc enabled) {
  HBITMAP picture = MakeHostIcon(icon);
  HostToolButton* button =
      Toolbar().NewButton(core::HostAtoms().FromString(name), picture, false, false);
  DeleteObject(picture);  // the toolbar keeps its own copy
  button->execute = execute;
  button->computeEnabled = enabled;
  button->helpText = help;
  Toolbar().AddButton(button, false, nullptr);
}

void AddSeparator(const char* name) {
  Toolbar().AddButton(Toolbar().NewButton(core::HostAtoms().FromString(name), nullptr, false, true),
                      false, nullptr);
}

}  // namespace

void BuildHostMenusAndToolbar() {
  HostMenus& menus = Menus();
  HostMenu* file = menus.NewMenu("File", "&File");
  AddMenuItem(file, "&Open...", "Open", OpenCommand, AlwaysEnabled);
  AddMenuItem(file, "Save &As...", "SaveAs", SaveAsCommand, HasActiveDoc);
  AddMenuItem(file, "&Print...", "Print", PrintCommand, HasActiveDoc);
  AddMenuItem(file, "-", "FileSeparator", nullptr, nullptr);
  AddMenuItem(file, "E&xit", "Exit", ExitCommand, AlwaysEnabled);
  menus.AppendToMenuBar(file);

  // Plug-ins add their items to these two by name.
  menus.AppendToMenuBar(menus.NewMenu("Extensions", "Extensions"));
  HostMenu* help = menus.NewMenu("Help", "&Help");
  HostMenu* aboutExtensions = menus.NewMenu("AboutExtensions", "AboutExtensions");
  menus.AddItem(help, menus.NewItem("AboutExtensions", "AboutExtensions", aboutExtensions), -1);
  menus.AppendToMenuBar(help);

  AddButton("Open", HostIcon::Open, "Open", OpenCommand, AlwaysEnabled);
  AddButton("Print", HostIcon::Print, "Print", PrintCommand, HasActiveDoc);
  AddSeparator("endFileGroup");
  AddButton("ZoomIn", HostIcon::ZoomIn, "Zoom In", ZoomInCommand, HasActiveDoc);
  AddButton("ZoomOut", HostIcon::ZoomOut, "Zoom Out", ZoomOutCommand, HasActiveDoc);
  AddButton("Thumbnails", HostIcon::Thumbnails, "Thumbnails", ThumbnailsCommand, HasActiveDoc);
  AddSeparator("endToolsGroup");
}

}  // namespace viewer
