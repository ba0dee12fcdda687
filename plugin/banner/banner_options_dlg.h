// "Banner Options": how banner text looks and where it stands, kept in ".ban" files.
// The main dialog holds one object for the plug-in's whole life; its members are the
// banner settings themselves, which banner insertion reads.
#pragma once

#include <string>

#include "banner_settings.h"
#include "framework/dialog.h"

class CBannerOptionsDlg : public CDialog, public BannerSettings {
 public:
  CBannerOptionsDlg();
  ~CBannerOptionsDlg() override;

  // Reads a ".ban" file into the members; `path` becomes the current file, also when
  // it cannot be read (then nothing else changes). With `refreshControls`, the open
  // dialog shows the result.
  void LoadBannerFile(const std::string& path, bool refreshControls);
  // Writes the members to the current file; false (after telling the user) when it
  // could not be written, or when a field held no number.
  bool SaveBannerFile(bool refreshControls);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;

 private:
  void OnTextColour();
  bool OnControlColour(WPARAM wParam, LPARAM lParam, LRESULT* result);
  bool OnDrawItem(WPARAM wParam, LPARAM lParam, LRESULT* result);
  void OnSaveClose();
  void OnLoad();
  void OnSave();
  void OnSaveAs();
  void OnAlignLeft();
  void OnAlignRight();
  void OnAlignCenter();
  // The clicked alignment box (0 left, 1 right, 2 centre), when ticked, unticks the
  // other two.
  void Align(int clicked);
  void FillFontList();
  // Repaints the dialog at once, so the swatch shows the text colour.
  void RedrawNow();
  HBRUSH SwatchBrush();

  HBRUSH swatch_ = nullptr;
  int swatchColour_ = -1;

  DECLARE_MESSAGE_MAP(CBannerOptionsDlg, CDialog)
};
