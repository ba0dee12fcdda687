#include "main_dlg.h"

#include <commctrl.h>

#include "install_folder.h"
#include "resource.h"

namespace {

constexpr int kToolTipMaxWidth = 32767;
constexpr int kToolTipAutoPopMs = 20000;

constexpr const char* kDefaultFilesNotFound =
    "The installation folder is registered without its path.\n"
    "The default settings files cannot be found; please reinstall Tessaly.";

}  // namespace

CMainDlg::CMainDlg() : CDialog(IDD_MAIN) {}

BEGIN_MESSAGE_MAP(CMainDlg)
  ON_MESSAGE(WM_SYSCOMMAND, OnSysCommand)
  ON_MESSAGE(WM_PAINT, OnPaint)
  ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
  ON_MESSAGE(WM_ENABLE, OnEnable)
  ON_COMMAND(IDC_CLOSE, OnClose)
  ON_COMMAND(IDC_PRINT, OnPrint)
  ON_COMMAND(ID_FILE_SAVE_SETTINGS_AS, OnSaveSettingsAs)
  ON_COMMAND(ID_FILE_LOAD_SETTINGS, OnLoadSettings)
  ON_COMMAND(ID_FILE_SAVE_SETTINGS, OnSaveSettings)
  ON_COMMAND(ID_HELP_HTML_HELP, OnHelp)
  ON_COMMAND(IDC_AUTO_EXPAND, OnAutoExpand)
  ON_COMMAND(IDC_SELECT_ALL, OnSelectAll)
  ON_COMMAND(IDC_FIND_TEXT, OnFindText)
  ON_NOTIFY(NM_CLICK, IDC_BOOKMARK_TREE, OnTreeClick)
  ON_NOTIFY(NM_DBLCLK, IDC_BOOKMARK_TREE, OnTreeDoubleClick)
  ON_NOTIFY(TVN_SELCHANGEDA, IDC_BOOKMARK_TREE, OnTreeSelectionChanged)
  ON_NOTIFY(TVN_KEYDOWN, IDC_BOOKMARK_TREE, OnTreeKeyDown)
  ON_MESSAGE(WM_TIMER, OnTimer)
  ON_COMMAND(IDC_SILENT_PRINT, OnSilentPrint)
  ON_COMMAND(IDC_SELECT_THUMBNAILS, OnSelectThumbnails)
  ON_COMMAND(ID_FILE_SETUP, OnSetup)
  ON_COMMAND(IDC_SELECT_LEVEL_BUTTON, OnSelectLevel)
  ON_COMMAND(ID_BANNERS_ADD, OnAddBanners)
  ON_COMMAND(ID_FILE_BANNER_SETUP, OnBannerSetup)
  ON_COMMAND(ID_BANNERS_REMOVE_ALL, OnRemoveAllBanners)
  ON_MESSAGE(WM_SIZE, OnSize)
  ON_COMMAND(ID_BANNERS_SELECT_THUMBNAILS, OnSelectBannerThumbnails)
  ON_COMMAND(ID_BANNERS_SAVE_PAGE_NUMBERS, OnSaveBannerPageNumbers)
  ON_COMMAND(ID_BANNERS_SETUP, OnBannerSetup)
  ON_COMMAND(ID_BANNERS_ADD_CURRENT_LEVEL, OnAddBannersCurrentLevel)
  ON_COMMAND(ID_BANNERS_REMOVE_LAST_ADDED, OnRemoveLastAddedBanners)
  ON_COMMAND(ID_REPORTS_FROM_SELECTED, OnReportSelected)
  ON_COMMAND(IDC_FIND_PAGE_SIZE, OnFindPageSize)
  ON_COMMAND(ID_REPORTS_FROM_FOUND, OnReportFound)
  ON_COMMAND(ID_IMPORT_PAGE_NUMBERS, OnImportPageNumbers)
  ON_COMMAND(ID_REPORTS_EXPORT_NAMES, OnExportNames)
  ON_COMMAND(ID_REPORTS_FROM_THUMBNAILS, OnReportThumbnails)
  ON_COMMAND(ID_REPORTS_FROM_THUMBNAILS_BY_LEVEL, OnReportThumbnailsByLevel)
  ON_COMMAND(ID_REPORTS_EXPORT_NAMES_NESTED, OnExportNamesNested)
  ON_COMMAND(ID_REPORTS_SAVE_BOOKMARK_FILES, OnSaveBookmarkFiles)
END_MESSAGE_MAP()

HWND CMainDlg::Tree() const { return GetDlgItem(IDC_BOOKMARK_TREE); }

bool CMainDlg::RefusesCommands() const { return commandRuns_ > 0; }

void CMainDlg::BeginCommandRun() {
  if (commandRuns_++ > 0) return;
  // Disabling the dialog takes the focus from its control: it is given back after.
  focusBeforeRun_ = GetFocus();
  EnableWindow(GetSafeHwnd(), FALSE);
}

void CMainDlg::EndCommandRun() {
  if (--commandRuns_ > 0) return;
  EnableWindow(GetSafeHwnd(), TRUE);
  if (focusBeforeRun_ && IsWindow(focusBeforeRun_) && IsChild(GetSafeHwnd(), focusBeforeRun_))
    SetFocus(focusBeforeRun_);
  focusBeforeRun_ = nullptr;
}

void CMainDlg::DoDataExchange(CDataExchange& dx) {
  ExchangeCheck(dx, IDC_AUTO_EXPAND, autoExpand);
  ExchangeCheck(dx, IDC_SELECT_ALL, selectAll);
  ExchangeCheck(dx, IDC_SELECT_THUMBNAILS, selectThumbnails);
  ExchangeInt(dx, IDC_SELECT_LEVEL, selectLevel);
  ExchangeText(dx, IDC_SELECT_TEXT, selectText);
  ExchangeComboText(dx, IDC_PAGE_SIZE_LIST, pageSizeName);
  ExchangeText(dx, IDC_PAGE_COUNT, pageCountText);
  ExchangeCheck(dx, IDC_SILENT_PRINT, silentPrint);
  ExchangeCheck(dx, IDC_PRINT_INDEX, printIndex);
}

// Runs while the dialog is still hidden, so the tree is filled before it is shown.
BOOL CMainDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  settingsFilePath = "Default.ppf";
  tickedPageCount = 0;
  banners.records.count = 0;
  if (reloadDefaults) {
    LocateDefaultFiles();
    LoadSettings(settingsFilePath);
    bannerOptions.LoadBannerFile(defaultBannerSettingsPath, false);
  }
  CreateToolTips();
  RebuildBookmarkTree();
  ReleaseCapture();
  UpdatePageCount();
  // Again, now that the tree exists for the auto expand value to act on.
  LoadSettings(settingsFilePath);
  if (setup.startupMax) ShowWindow(GetSafeHwnd(), SW_MAXIMIZE);
  ReadPageSizes(setup.pageSizesFile);
  return TRUE;
}

// The default files lie in the installation folder, looked up once for the settings
// and page-sizes files and once more for the banner settings.
void CMainDlg::LocateDefaultFiles() {
  const InstallFolder settingsFolder = LocateInstallFolder();
  if (settingsFolder.HasNoValue()) {
    MessageBoxA(GetSafeHwnd(), kDefaultFilesNotFound, kInstallKeyMissingCaption, MB_OK);
    settingsFilePath.clear();
  } else {
    settingsFilePath = settingsFolder.FileNamed("Default.ppf");
    setup.pageSizesFile = settingsFolder.FileNamed("PDFPageSizes.ini");
  }
  const InstallFolder bannerFolder = LocateInstallFolder();
  if (bannerFolder.HasNoValue())
    MessageBoxA(GetSafeHwnd(), kDefaultFilesNotFound, kInstallKeyMissingCaption, MB_OK);
  defaultBannerSettingsPath = bannerFolder.FileNamed("Default.ban");
  reloadDefaults = 0;
}

void CMainDlg::CreateToolTips() {
  if (!toolTips_.Create(GetSafeHwnd())) return;
  toolTips_.SetMaxTipWidth(kToolTipMaxWidth);
  toolTips_.SetAutoPopDelay(kToolTipAutoPopMs);
  toolTips_.AddTool(GetDlgItem(IDC_CLOSE), "Close program");
  toolTips_.AddTool(GetDlgItem(IDC_PRINT), "Print selected bookmarks.");
  toolTips_.Activate(true);
}

BOOL CMainDlg::PreTranslateMessage(MSG* message) {
  toolTips_.RelayEvent(message);
  return CDialog::PreTranslateMessage(message);
}

// The items went with the window; the model stays for the next opening.
void CMainDlg::OnWindowDestroyed() {
  toolTips_.Detach();
  treeItems.count = 0;
  treeItems.shape = TreeShape{};
  ++treeItems.generation;
}

bool CMainDlg::OnSysCommand(WPARAM, LPARAM, LRESULT*) { return false; }

// A message box owned by the dialog enables it again when it closes, whatever it was
// before (the system's rule for a modal box's owner): one shown in the middle of a
// command (the host's alert of a failed step) would let input into the half-done run.
bool CMainDlg::OnEnable(WPARAM enabled, LPARAM, LRESULT*) {
  if (enabled && commandRuns_ > 0) EnableWindow(GetSafeHwnd(), FALSE);
  return false;
}

// The dialog has no icon of its own: nothing to draw when minimised.
bool CMainDlg::OnPaint(WPARAM, LPARAM, LRESULT*) { return false; }

// Nor an icon to drag when minimised.
bool CMainDlg::OnQueryDragIcon(WPARAM, LPARAM, LRESULT* result) {
  *result = 0;
  return true;
}

void CMainDlg::OnClose() {
  SaveSettings();
  bannerOptions.filePath = defaultBannerSettingsPath;
  bannerOptions.SaveBannerFile(false);
  if (!UpdateData(true)) return;
  EndDialog(IDOK);
}

void CMainDlg::OnSilentPrint() {}
