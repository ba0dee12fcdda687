// How banner text looks and where it stands, and the ".ban" file that keeps it: one
// "KEY;value" line (or a bare flag key) per value, CR LF line ends.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

struct BannerSettings {
  std::string prefixStr;     // PREFIXSTR: the text of the banner line drawn last
  std::string fontName = "Arial";  // FONTNAME
  std::string fontType;      // FONTTYPE: set to "TrueType" before every line drawn
  std::string fontFlags;     // FONTFLAGS: kept and saved only
  int32_t fontSize = 16;     // FONTSIZE, points
  int32_t lineSpacing = 12;  // points added to the font size between lines; not saved
  int32_t opacity = 100;     // OPACITY, percent
  int32_t vertical = -1;     // VERTICAL: baseline from the page's bottom; -1 centres
  int32_t horizontal = -1;   // HORIZONTAL: from the page's left; -1 centres
  int32_t degreesAngle = 0;  // DEGREESANGLE, counter-clockwise
  int32_t textColor = 0;     // TEXTCOLOR, 0x00BBGGRR
  int32_t lastChosenColor = 0;  // confirmed last in the colour chooser; not saved
  int alignTextLeft = 0;     // ALIGNTEXTLEFT
  int alignTextRight = 0;    // ALIGNTEXTRIGHT
  int alignTextCenter = 1;   // ALIGNTEXTCENTER
  int levelText = 0;         // LEVELTEXT: 1 leaves the marker texts out
  int32_t bannerPageSizeHeight = 0;  // BANNERPAGESIZEHEIGHT: 0 takes the page shown
  int32_t bannerPageSizeWidth = 0;   // BANNERPAGESIZEWIDTH: 0 takes the page shown
  std::string filePath;      // the ".ban" file saved to
};

// What every load does before reading the file: the alignment and marker flags are on
// only when the file names them, the banner page size is the page shown's and the
// opacity full unless it says otherwise.
void ClearBeforeBannerLoad(BannerSettings& settings);

// Applies one line as read (with its line end or without).
void ApplyBannerLine(BannerSettings& settings, std::string_view line);

// Applies a ".ban" file, read from the open file line by line; `onTextColor` runs after
// each TEXTCOLOR line (the dialog shows the new colour at once).
void ApplyBannerFile(BannerSettings& settings, std::FILE* file,
                     void (*onTextColor)(void*) = nullptr, void* context = nullptr);

// The sixteen lines of the file that holds `settings`.
std::string BannerFileText(const BannerSettings& settings);
