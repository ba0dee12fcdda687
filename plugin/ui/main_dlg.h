// The main dialog: the bookmark tree of the active document and every command.
// One object lives as long as the plug-in; its values persist between openings.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "banner/banner_options_dlg.h"
#include "banner/banner_pages.h"
#include "banner/banner_run_report.h"
#include "framework/dialog.h"
#include "framework/message_caption.h"
#include "framework/tooltip.h"
#include "model/bookmark_model.h"
#include "model/bookmark_tree.h"
#include "model/thumbnail_plan.h"
#include "print/index_pdf_writer.h"
#include "print/print_list.h"
#include "page_size_table.h"
#include "printing_dlg.h"
#include "settings/print_settings.h"
#include "settings/setup_dlg.h"
#include "thumbnail_selection.h"

class CStopwatch;
class CTreeCheckBoxes;

class CMainDlg : public CDialog {
 public:
  CMainDlg();

  // Set before every opening: the default settings are found and loaded afresh.
  int reloadDefaults = 0;

  // Values bound to the controls (DoDataExchange).
  int autoExpand = 0;          // 1076 "Auto expand bookmark tree (toggle)"
  int selectAll = 0;           // 1077 "Select all (toggle)"
  int selectThumbnails = 0;    // 1084 "Select thumbnails"
  int selectLevel = 1;         // 1080, the level to select
  std::string selectText = "Example";  // 1078, the text to select by
  std::string pageSizeName;    // 1097, the page size to find
  std::string pageCountText;   // 1081, the status line
  int silentPrint = 0;         // 1082 "Silent print"
  int printIndex = 0;          // 1083 "Print index"

  // The settings file "&Close" and "Save Settings" write.
  std::string settingsFilePath = "Default.ppf";
  // "Default.ban" of the installation folder: loaded at every opening, written by
  // "&Close".
  std::string defaultBannerSettingsPath;
  // The banner settings, with the dialog that edits them.
  CBannerOptionsDlg bannerOptions;
  // The banner pages being inserted and those the last add command inserted.
  BannerPages banners;
  // The settings without a control here (PAGESIZESFILE, LAYEREDPDF...).
  CSetupDlg setup;
  // Pages of the ticked bookmarks: the first number of the status line.
  int tickedPageCount = 0;
  // The pages "Select thumbnails" selected last, each followed by ",", of all levels
  // and by the level of the bookmark they came from.
  std::string thumbnailPageList;
  std::string levelThumbnailPageLists[kThumbnailLevelLists];

  BookmarkModel model;
  BookmarkTreeItems treeItems;
  // The named page sizes and the pages "Find" found last.
  PageSizeSearch pageSizes;

  // The model and its tree.
  void BuildBookmarkModel();
  void FillBookmarkTree();
  void RebuildBookmarkTree();
  // 2 expands, 1 collapses every item that has children.
  void ExpandBookmarkTree(int code);
  // Shows "Pg <ticked pages>/<page count>" in the status line.
  void UpdatePageCount();

  // Checking and selection.
  void SetAllChecks(bool checked);
  // The ticking rule for an item whose box the user is turning from oldState.
  void ApplyAutoCheck(TreeItemHandle item, bool oldState);
  void CheckLevel(int level);
  void CheckByText(const std::string& text);
  // Shows the item's first page, and performs its bookmark's action when it has one.
  void GoToBookmark(TreeItemHandle item);
  // The entries' ticked values from the check boxes (the refresh without pruning).
  void MarkTickedFromTree();
  void RefreshSelection(bool dropNested);
  void SelectThumbnails();

  // Page sizes.
  // Reads the page-sizes file into the sizes and the combo box's list; false, changing
  // nothing, when the file cannot be opened.
  bool ReadPageSizes(const std::string& path);
  // "Find": every page of the active document of the size named in the combo box,
  // then selected in the thumbnails pane.
  void FindByPageSize();
  void SelectFoundThumbnails(int search);

  // Reports.
  // Writes the ticked bookmarks' pages as a bookmark export (flat or nested) to path.
  void ExportBookmarkNames(const std::string& path, bool nested);

  // Banner pages.
  // A banner page in front of every ticked bookmark: with the titles of the bookmark
  // and its ancestors, or of the bookmark alone.
  void AddBannerPages(bool levelOnly);
  // Deletes every page that shows the banner-page marker.
  void RemoveAllBanners();
  // Deletes the pages the last add command inserted.
  void RemoveLastAddedBanners();
  // Selects in the thumbnails pane every page that shows the banner-page marker.
  void SelectAllBannerThumbnails();
  // The banner pages and levels of the active document's level markers.
  BannerScanEnd ScanBannerLevels();
  // Writes the banner pages by level to path, then says so; writes nothing when the
  // pages could not be read.
  void WriteBannerNumbersFile(const std::string& path);

  // Printing.
  // The ranges of the ticked bookmarks, then the index when asked.
  void PrintJob();
  // Prints pages first..last (1-based) of the active document, in the job's progress
  // window (opened here with the first range); true if the job may go on (printed,
  // not stopped). Adds the call's time to `timing`.
  bool PrintPageRange(std::optional<CPrintingDlg>& progress, int first, int last,
                      bool interactive, PrintTiming& timing);
  // Opens the index file as a document, prints its pages and closes it.
  bool PrintIndexFile(const std::string& path, int pageCount);
  // A PDF file (Windows path) in a host document window; null, after telling the user.
  AVDoc OpenDocumentFile(const std::string& path);
  IndexPdfWriter indexWriter;

  // Reads a settings file into the values and the controls; `path` becomes the
  // settings file path. A file that cannot be opened changes nothing more.
  void LoadSettings(const std::string& path);
  // Writes the values, as the controls hold them, to the settings file path; false
  // (after telling the user) when the file could not be written.
  bool SaveSettings();

 protected:
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* message) override;
  void DoDataExchange(CDataExchange& dx) override;
  void OnWindowDestroyed() override;

 private:
  void LocateDefaultFiles();
  PrintSettings GatherSettings() const;
  void TakeSettings(const PrintSettings& settings);
  void SelectPageSizeEntry();
  void CreateToolTips();
  HWND Tree() const;
  // The refresh follows 50 ms after the last change of check boxes.
  void StartRecountTimer();
  void ApplyChecks(CTreeCheckBoxes& boxes, const char* tool, const CStopwatch& watch);
  // Answers why the walk stopped early, if it did.
  BannerWalkStop InsertBannersUnder(const ThumbnailTarget& target, bool levelOnly);
  // One banner page in front of the bookmark at tree level `level` whose first page
  // was `page` (1-based) when the command started; anything but None ends the walk.
  BannerWalkStop InsertBannerPage(const ThumbnailTarget& target, int32_t level, int32_t page,
                        bool levelOnly);
  bool RefusesCommands() const override;
  // Around a command that pumps messages while it works (printing, a banner run): the
  // dialog repaints but takes no input and refuses commands that reach it anyway, so
  // nothing else changes the document, the tree or the command's own state meanwhile.
  // Runs nest; when the last ends, the focus goes back where it was.
  void BeginCommandRun();
  void EndCommandRun();
  // A command run for as long as it lives.
  struct CommandRun {
    explicit CommandRun(CMainDlg& dialog) : dialog(dialog) { dialog.BeginCommandRun(); }
    ~CommandRun() { dialog.EndCommandRun(); }
    CommandRun(const CommandRun&) = delete;
    CommandRun& operator=(const CommandRun&) = delete;
    CMainDlg& dialog;
  };
  void ShowReportMessage(const char* text);
  void SaveReport(const std::string& path, const std::string& text);
  std::optional<std::string> ChooseReportFile(bool bookmarkExport);
  void SaveThumbnailReport(bool byLevel);
  // Saves each row's pages as a file in `folder`, named after its title.
  void SaveBookmarkFiles(PDDoc source, const std::string& folder,
                         const std::vector<PrintRange>& rows,
                         const std::vector<std::string>& titles);
  // A command run around a banner command that pumps while it walks the pages.
  void BeginBannerRun();
  // With `pagesChanged`, the tree is rebuilt from the document first.
  void EndBannerRun(bool pagesChanged);

  // The command table's handlers.
  bool OnSysCommand(WPARAM, LPARAM, LRESULT* result);
  bool OnPaint(WPARAM, LPARAM, LRESULT* result);
  bool OnQueryDragIcon(WPARAM, LPARAM, LRESULT* result);
  bool OnEnable(WPARAM enabled, LPARAM, LRESULT* result);
  void OnClose();
  void OnPrint();
  void OnSaveSettingsAs();
  void OnLoadSettings();
  void OnSaveSettings();
  void OnHelp();
  void OnAutoExpand();
  void OnSelectAll();
  void OnFindText();
  void OnTreeClick(NMHDR* header, LRESULT* result);
  void OnTreeDoubleClick(NMHDR* header, LRESULT* result);
  // A click at the cursor: on a check box, the ticking rule; on a label (unless it is
  // the second click of a double click), the bookmark's page.
  void HandleTreeClick(bool secondClick);
  void OnTreeSelectionChanged(NMHDR* header, LRESULT* result);
  void OnTreeKeyDown(NMHDR* header, LRESULT* result);
  bool OnTimer(WPARAM, LPARAM, LRESULT* result);
  void OnSilentPrint();
  void OnSelectThumbnails();
  void OnSetup();
  void OnSelectLevel();
  void OnAddBanners();
  void OnBannerSetup();
  void OnRemoveAllBanners();
  bool OnSize(WPARAM, LPARAM, LRESULT* result);
  void OnSelectBannerThumbnails();
  void OnSaveBannerPageNumbers();
  void OnAddBannersCurrentLevel();
  void OnRemoveLastAddedBanners();
  void OnReportSelected();
  void OnFindPageSize();
  void OnReportFound();
  void OnImportPageNumbers();
  void OnExportNames();
  void OnReportThumbnails();
  void OnReportThumbnailsByLevel();
  void OnExportNamesNested();
  void OnSaveBookmarkFiles();

  CToolTipCtrl toolTips_;
  // Raised while a bulk change of check boxes moves the tree's selection and puts it
  // back: the bookmark's page is not shown for that.
  int quietSelection_ = 0;
  int commandRuns_ = 0;
  HWND focusBeforeRun_ = nullptr;

  DECLARE_MESSAGE_MAP(CMainDlg, CDialog)
};
