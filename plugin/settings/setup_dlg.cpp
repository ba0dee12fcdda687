#include "setup_dlg.h"

#include "framework/file_dialogs.h"
#include "framework/message_caption.h"
#include "framework/text_editor.h"
#include "ui/resource.h"

namespace {

constexpr const char* kRestartNote =
    "Please close and restart Tessaly for change to take effect on current document. "
    "(no need to close Adobe)";
constexpr char kPageSizesFilters[] = "*.ini\0*.ini\0All Files *.*\0*.*\0";

}  // namespace

CSetupDlg::CSetupDlg() : CDialog(IDD_SETUP) {}

BEGIN_MESSAGE_MAP(CSetupDlg)
  ON_COMMAND(IDC_SETUP_THUMBS_ONE, OnThumbsOne)
  ON_COMMAND(IDC_SETUP_SAVE_EXIT, OnSaveExit)
  ON_COMMAND(IDC_SETUP_THUMBS_PRIOR, OnThumbsPrior)
  ON_COMMAND(IDC_SETUP_BROWSE, OnBrowse)
  ON_COMMAND(IDC_SETUP_EDIT, OnEdit)
  ON_COMMAND(IDC_SETUP_LAYERED, OnLayered)
END_MESSAGE_MAP()

// In this order: a field that holds no integer stops the reading there, and the
// members before it are taken.
void CSetupDlg::DoDataExchange(CDataExchange& dx) {
  ExchangeCheck(dx, IDC_SETUP_THUMBS_ONE, thumbsOne);
  ExchangeCheck(dx, IDC_SETUP_THUMBS_PRIOR, thumbsPrior);
  ExchangeCheck(dx, IDC_SETUP_STARTUP_MAX, startupMax);
  ExchangeCheck(dx, IDC_SETUP_INTEL_CHECK_OFF, intelCheckOff);
  ExchangeCheck(dx, IDC_SETUP_INDEX_ONLY, indexOnly);
  ExchangeInt(dx, IDC_SETUP_FONT_SIZE, indexFontSize);
  ExchangeInt(dx, IDC_SETUP_PAGE_WIDTH, indexPageWidth);
  ExchangeInt(dx, IDC_SETUP_PAGE_HEIGHT, indexPageHeight);
  ExchangeInt(dx, IDC_SETUP_INDENT, indexIndent);
  ExchangeCheck(dx, IDC_SETUP_SEP_BOOKMARKS, sepBookmarks);
  ExchangeText(dx, IDC_SETUP_PAGE_SIZES_FILE, pageSizesFile);
  ExchangeInt(dx, IDC_SETUP_WRAP, indexWrap);
  ExchangeCheck(dx, IDC_SETUP_BLANK_LINE, indexBlankLine);
  ExchangeCheck(dx, IDC_SETUP_LAYERED, layeredPdf);
  ExchangeCheck(dx, IDC_SETUP_THUMBS_INC_SUB1, thumbsIncSub1);
}

void CSetupDlg::OnThumbsOne() { UntickOther(thumbsPrior, IDC_SETUP_THUMBS_PRIOR); }

void CSetupDlg::OnThumbsPrior() { UntickOther(thumbsOne, IDC_SETUP_THUMBS_ONE); }

// A field that held no integer has been prompted for and keeps its text: only the
// other box is written then, so no typing is overwritten.
void CSetupDlg::UntickOther(int& other, int otherId) {
  const bool read = UpdateData(true);
  other = 0;
  if (read) {
    UpdateData(false);
  } else {
    CheckDlgButton(GetSafeHwnd(), otherId, BST_UNCHECKED);
  }
}

// Closes whatever the fields hold: a field that holds no integer is prompted for, and
// the fields before it are kept.
void CSetupDlg::OnSaveExit() {
  UpdateData(true);
  EndDialog(IDOK);
}

void CSetupDlg::OnBrowse() {
  const bool read = UpdateData(true);
  const auto path = ChooseFileToOpen({"Open Page Sizes File", kPageSizesFilters, "JOB"});
  if (!path) return;
  pageSizesFile = *path;
  if (read) {
    UpdateData(false);
  } else {
    SetDlgItemTextA(GetSafeHwnd(), IDC_SETUP_PAGE_SIZES_FILE, pageSizesFile.c_str());
  }
}

// The path as the members hold it: text typed into the field since it was last read
// is not used. It is opened as text: settings from someone else may name a program,
// which the shell's "open" would run. A file that is not there is the editor's to tell.
void CSetupDlg::OnEdit() {
  if (!pageSizesFile.empty()) OpenInTextEditor(GetSafeHwnd(), pageSizesFile);
}

// The value changes how the bookmarks are read, which happens when the main dialog
// opens: ticking and unticking both say so.
void CSetupDlg::OnLayered() {
  UpdateData(true);
  MessageBoxA(GetSafeHwnd(), kRestartNote, kMessageCaption, MB_OK);
}
