#include "banner_options_dlg.h"

#include <commdlg.h>

#include <cstdio>

#include "framework/file_dialogs.h"
#include "framework/message_caption.h"
#include "framework/whole_files.h"
#include "host/callbacks.h"
#include "host/error_frame.h"
#include "ui/resource.h"

namespace {

constexpr char kBannerFilters[] = "*.ban\0*.ban\0All Files *.*\0*.*\0";

// The standard 14 font names of the PDF format, offered before the system's fonts.
constexpr const char* kStandardFontNames[] = {
    "Courier",      "Courier-Bold",    "Courier-BoldOblique",   "Courier-Oblique",
    "Helvetica",    "Helvetica-Bold",  "Helvetica-BoldOblique", "Helvetica-Oblique",
    "Times-Roman",  "Times-Bold",      "Times-Italic",          "Times-BoldItalic",
    "Symbol",       "ZapfDingbats"};

// The colour chooser's custom colours, kept while the host runs.
COLORREF customColours[16] = {};

// Adds a system font's name to the combo box (the client data), unless the list holds
// it already, whatever its case.
ASBool HOSTCALL AddSystemFont(PDSysFont font, void* clientData) {
  auto combo = static_cast<HWND>(clientData);
  const char* name = host::ASAtomGetString(host::PDSysFontGetName(font));
  if (name && *name &&
      SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(name)) == CB_ERR)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  return true;
}

void RedrawWhenShown(void* dialog) {
  HWND window = static_cast<HWND>(dialog);
  if (window) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace

CBannerOptionsDlg::CBannerOptionsDlg() : CDialog(IDD_BANNER_OPTIONS) {}

CBannerOptionsDlg::~CBannerOptionsDlg() {
  if (swatch_) DeleteObject(swatch_);
}

BEGIN_MESSAGE_MAP(CBannerOptionsDlg)
  ON_COMMAND(IDC_BANNER_TEXT_COLOR, OnTextColour)
  ON_MESSAGE(WM_CTLCOLORBTN, OnControlColour)
  ON_MESSAGE(WM_CTLCOLORSTATIC, OnControlColour)
  ON_MESSAGE(WM_CTLCOLORDLG, OnControlColour)
  ON_MESSAGE(WM_DRAWITEM, OnDrawItem)
  ON_COMMAND(IDC_BANNER_SAVE_CLOSE, OnSaveClose)
  ON_COMMAND(ID_FILE_LOAD_SETTINGS, OnLoad)
  ON_COMMAND(ID_FILE_SAVE_SETTINGS, OnSave)
  ON_COMMAND(ID_FILE_SAVE_SETTINGS_AS, OnSaveAs)
  ON_COMMAND(IDC_BANNER_ALIGN_LEFT, OnAlignLeft)
  ON_COMMAND(IDC_BANNER_ALIGN_RIGHT, OnAlignRight)
  ON_COMMAND(IDC_BANNER_ALIGN_CENTER, OnAlignCenter)
END_MESSAGE_MAP()

void CBannerOptionsDlg::DoDataExchange(CDataExchange& dx) {
  ExchangeComboText(dx, IDC_BANNER_FONT_NAME, fontName);
  ExchangeInt(dx, IDC_BANNER_FONT_SIZE, fontSize);
  ExchangeInt(dx, IDC_BANNER_ANGLE, degreesAngle);
  ExchangeInt(dx, IDC_BANNER_LINE_SPACING, lineSpacing);
  ExchangeInt(dx, IDC_BANNER_OPACITY, opacity);
  ExchangeCheck(dx, IDC_BANNER_ALIGN_LEFT, alignTextLeft);
  ExchangeCheck(dx, IDC_BANNER_ALIGN_RIGHT, alignTextRight);
  ExchangeCheck(dx, IDC_BANNER_ALIGN_CENTER, alignTextCenter);
  ExchangeInt(dx, IDC_BANNER_VERTICAL, vertical);
  ExchangeInt(dx, IDC_BANNER_HORIZONTAL, horizontal);
  ExchangeInt(dx, IDC_BANNER_PAGE_WIDTH, bannerPageSizeWidth);
  ExchangeInt(dx, IDC_BANNER_PAGE_HEIGHT, bannerPageSizeHeight);
  ExchangeCheck(dx, IDC_BANNER_NO_LEVEL_TEXT, levelText);
}

// The dialog always opens on the current file as it stands, starting from black.
BOOL CBannerOptionsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  textColor = 0;
  FillFontList();
  UpdateData(false);
  LoadBannerFile(filePath, true);
  return TRUE;
}

void CBannerOptionsDlg::FillFontList() {
  HWND combo = GetDlgItem(IDC_BANNER_FONT_NAME);
  for (const char* name : kStandardFontNames)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  HOST_DURING
    host::PDEnumSysFonts(host::CreateCallback(&AddSystemFont), combo);
  HOST_HANDLER
  HOST_END_HANDLER
}

void CBannerOptionsDlg::LoadBannerFile(const std::string& path, bool refreshControls) {
  filePath = path;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return;
  ClearBeforeBannerLoad(*this);
  HWND window = refreshControls ? GetSafeHwnd() : nullptr;
  ApplyBannerFile(*this, file, window ? &RedrawWhenShown : nullptr, window);
  std::fclose(file);
  if (window) {
    UpdateData(false);
    RedrawNow();
  }
}

bool CBannerOptionsDlg::SaveBannerFile(bool refreshControls) {
  if (refreshControls && GetSafeHwnd()) {
    // A field that holds no number has been prompted for: nothing is saved.
    if (!UpdateData(true)) return false;
    UpdateData(false);
  }
  if (!WriteWholeFile(filePath, BannerFileText(*this))) {
    MessageBoxA(GetSafeHwnd(), ("Can't save to :" + filePath).c_str(), kMessageCaption, MB_OK);
    return false;
  }
  return true;
}

void CBannerOptionsDlg::RedrawNow() { RedrawWhenShown(GetSafeHwnd()); }

void CBannerOptionsDlg::OnTextColour() {
  CHOOSECOLORA chooser = {};
  chooser.lStructSize = sizeof chooser;
  chooser.hwndOwner = GetSafeHwnd();
  chooser.lpCustColors = customColours;
  chooser.rgbResult = static_cast<COLORREF>(lastChosenColor);
  chooser.Flags = CC_FULLOPEN | CC_ANYCOLOR;
  if (ChooseColorA(&chooser)) {
    textColor = lastChosenColor = static_cast<int32_t>(chooser.rgbResult);
  } else {
    textColor = lastChosenColor;
  }
  RedrawNow();
}

// One brush of the text colour, made again only when the colour changed.
HBRUSH CBannerOptionsDlg::SwatchBrush() {
  if (!swatch_ || swatchColour_ != textColor) {
    if (swatch_) DeleteObject(swatch_);
    swatch_ = CreateSolidBrush(static_cast<COLORREF>(textColor));
    swatchColour_ = textColor;
  }
  return swatch_;
}

bool CBannerOptionsDlg::OnControlColour(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
  const bool swatch = GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IDC_BANNER_TEXT_COLOR;
  *result = reinterpret_cast<LRESULT>(swatch ? SwatchBrush() : GetSysColorBrush(COLOR_BTNFACE));
  return true;
}

// The colour button's face is a swatch of the text colour.
bool CBannerOptionsDlg::OnDrawItem(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (wParam != IDC_BANNER_TEXT_COLOR) return false;
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  RECT face = item->rcItem;
  DrawEdge(item->hDC, &face, (item->itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED,
           BF_RECT | BF_ADJUST);
  FillRect(item->hDC, &face, SwatchBrush());
  if (item->itemState & ODS_FOCUS) DrawFocusRect(item->hDC, &face);
  *result = TRUE;
  return true;
}

void CBannerOptionsDlg::OnSaveClose() {
  if (!UpdateData(true)) return;
  if (SaveBannerFile(true)) EndDialog(1);
}

void CBannerOptionsDlg::OnLoad() {
  textColor = 0;
  UpdateData(true);
  if (const auto path = ChooseFileToOpen({"Open Page Parameters File", kBannerFilters, "JOB"}))
    LoadBannerFile(*path, true);
}

void CBannerOptionsDlg::OnSave() { SaveBannerFile(true); }

void CBannerOptionsDlg::OnSaveAs() {
  if (!UpdateData(true)) return;
  UpdateData(false);
  const auto path = ChooseFileToSave({"Save Page Parameters File", kBannerFilters, "ban"});
  if (!path) return;
  filePath = *path;
  SaveBannerFile(true);
}

void CBannerOptionsDlg::OnAlignLeft() { Align(0); }
void CBannerOptionsDlg::OnAlignRight() { Align(1); }
void CBannerOptionsDlg::OnAlignCenter() { Align(2); }

void CBannerOptionsDlg::Align(int clicked) {
  constexpr int kIds[] = {IDC_BANNER_ALIGN_LEFT, IDC_BANNER_ALIGN_RIGHT, IDC_BANNER_ALIGN_CENTER};
  int* const boxes[] = {&alignTextLeft, &alignTextRight, &alignTextCenter};
  const bool read = UpdateData(true);
  if (IsDlgButtonChecked(GetSafeHwnd(), kIds[clicked]) == BST_CHECKED) {
    for (int k = 0; k < 3; ++k) *boxes[k] = k == clicked ? 1 : 0;
  }
  if (read) {
    UpdateData(false);
    return;
  }
  // A field held no number and has been prompted for: only the boxes are written, so
  // its text stays for correcting.
  for (int k = 0; k < 3; ++k) {
    if (k != clicked && *boxes[k] == 0) CheckDlgButton(GetSafeHwnd(), kIds[k], BST_UNCHECKED);
  }
}
