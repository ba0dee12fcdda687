// Where the lines of a banner page stand and how they are drawn: the tree row a banner
// is for, the position of each line, the text matrix's parts, the alignment shifts and
// the fixed-point values handed to the host.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "banner_settings.h"
#include "host_types.h"

inline constexpr std::string_view kBannerPageMarker = "[BANNERPAGE]";
inline constexpr std::string_view kBannerLevelMarkerStart = "[BANNERLEVEL";

// "[BANNERLEVEL<level>]".
std::string BannerLevelMarker(int level);
bool IsBannerMarker(std::string_view text);

// The title a tree row's label carries: up to its last "(", without the character in
// front of it, trailing blanks removed.
std::string BannerRowTitle(std::string_view label);
// The number after the last ":" of a row's label: the bookmark's first page (1-based)
// as the tree shows it; 0 when there is none.
int32_t BannerRowPage(std::string_view label);

// A number in 16.16 fixed point: times 65536, plus 0.5, truncated toward zero.
ASFixed ToFixed(double value);
// A fixed-point number as a real one.
double FromFixed(ASFixed value);

// A rectangle in whole page units (left, top, right, bottom).
struct PageRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};
PageRect ToPageRect(const ASFixedRect& box);

// Where a line's text starts, in page units, and its rotation in degrees.
struct BannerLinePlace {
  int32_t x = 0;
  int32_t y = 0;
  int32_t angle = 0;
};

// Line `lineIndex` (from 1) of `lineCount` on a page with these crop and media boxes;
// the markers (`text` one of them) stand left of the page, unrotated.
BannerLinePlace PlaceBannerLine(const BannerSettings& settings, const PageRect& crop,
                                const PageRect& media, std::string_view text,
                                int32_t lineIndex, int32_t lineCount);

// The text matrix's parts, to be multiplied by the host: translation to the place,
// rotation by the angle (taken as a signed 16-bit number, with 3.14 / 180 per degree),
// and scale by the font size.
ASFixedMatrix BannerTranslation(const BannerLinePlace& place);
ASFixedMatrix BannerRotation(int32_t angle);
ASFixedMatrix BannerScale(int32_t fontSize);

// The text matrix moved so that the run (whose box at the matrix as it was is `box`)
// ends at the place.
ASFixedMatrix RightAligned(ASFixedMatrix matrix, const ASFixedRect& box);
// The text matrix moved so that the run is centred on the place: along x, or along y
// for text at 270 degrees.
ASFixedMatrix CentreAligned(ASFixedMatrix matrix, const ASFixedRect& box, int32_t angle);

// The bytes drawn: the text without trailing blanks, but one character at least.
std::string BannerTextBytes(std::string_view text);

// The fill colour of a line: the text colour's red, green and blue, or white for the
// markers; each component in fixed point of byte / 255.
struct BannerFill {
  ASFixed red = 0, green = 0, blue = 0;
};
BannerFill BannerFillColour(int32_t textColor, std::string_view text);
