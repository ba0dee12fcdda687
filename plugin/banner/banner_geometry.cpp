#include "banner_geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

constexpr int32_t kRightAngleTurned = 270;
constexpr int32_t kMarkerX = -400;
constexpr int32_t kLevelMarkerY = 50;
// Degrees to radians as the files' banners were drawn with: 3.14 / 180.
constexpr double kRadiansPerDegree = 0.017444444444444446;
constexpr double kByteToUnit = 0.00392156862745098;
constexpr ASFixed kFixedOne = 65536;

bool IsBlank(char c) { return c == ' '; }

}  // namespace

std::string BannerLevelMarker(int level) {
  return std::string(kBannerLevelMarkerStart) + std::to_string(level) + "]";
}

bool IsBannerMarker(std::string_view text) {
  return text == kBannerPageMarker || text.substr(0, kBannerLevelMarkerStart.size()) ==
                                          kBannerLevelMarkerStart;
}

std::string BannerRowTitle(std::string_view label) {
  const std::size_t open = label.rfind('(');
  std::string_view title = label.substr(0, open == std::string_view::npos ? label.size() : open);
  if (open != std::string_view::npos && !title.empty()) title.remove_suffix(1);
  while (!title.empty() && IsBlank(title.back())) title.remove_suffix(1);
  return std::string(title);
}

int32_t BannerRowPage(std::string_view label) {
  const std::size_t colon = label.rfind(':');
  if (colon == std::string_view::npos) return 0;
  std::size_t i = colon + 1;
  while (i < label.size() && (label[i] == ' ' || label[i] == '\t')) ++i;
  int64_t page = 0;
  for (; i < label.size() && label[i] >= '0' && label[i] <= '9' && page <= INT32_MAX; ++i)
    page = page * 10 + (label[i] - '0');
  return page > INT32_MAX ? INT32_MAX : static_cast<int32_t>(page);
}

// Values past what 16.16 can hold (a width of 40000 points, a huge font size) saturate
// at its ends instead of overflowing.
ASFixed ToFixed(double value) {
  const double scaled = value * 65536.0 + 0.5;
  if (!(scaled > static_cast<double>(INT32_MIN))) return value != value ? 0 : INT32_MIN;
  if (scaled >= static_cast<double>(INT32_MAX)) return INT32_MAX;
  return static_cast<ASFixed>(scaled);
}

double FromFixed(ASFixed value) { return value * 0.0000152587890625; }

PageRect ToPageRect(const ASFixedRect& box) {
  return {static_cast<int32_t>(FromFixed(box.left)), static_cast<int32_t>(FromFixed(box.top)),
          static_cast<int32_t>(FromFixed(box.right)), static_cast<int32_t>(FromFixed(box.bottom))};
}

BannerLinePlace PlaceBannerLine(const BannerSettings& settings, const PageRect& crop,
                                const PageRect& media, std::string_view text,
                                int32_t lineIndex, int32_t lineCount) {
  if (text == kBannerPageMarker) return {kMarkerX, 0, 0};
  if (IsBannerMarker(text)) return {kMarkerX, kLevelMarkerY, 0};
  // In 64 bits: settings may hold any 32-bit values, and their products must not wrap.
  const int64_t step = int64_t{settings.fontSize} + settings.lineSpacing;
  const int64_t block = step * lineCount;
  const int64_t offset = step * (int64_t{lineIndex} - 1);
  const bool turned = settings.degreesAngle == kRightAngleTurned;
  int64_t x = 0, y = 0;
  if (settings.horizontal == -1) {
    x = (int64_t{crop.right} - crop.left) / 2;
  } else if (turned) {
    x = settings.horizontal + block / 2 - offset;
  } else {
    x = settings.horizontal;
  }
  if (settings.vertical == -1) {
    y = (int64_t{crop.top} - crop.bottom) / 2;
    if (!turned) y += block / 2 - offset;
  } else if (turned) {
    y = settings.vertical;
  } else {
    y = settings.vertical + block / 2 - offset;
  }
  if (media.left < crop.left) x += int64_t{crop.left} - media.left;
  if (media.bottom < crop.bottom) y += int64_t{crop.bottom} - media.bottom;
  const auto clamp32 = [](int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
  };
  BannerLinePlace place;
  place.angle = settings.degreesAngle;
  place.x = clamp32(x);
  place.y = clamp32(y);
  return place;
}

ASFixedMatrix BannerTranslation(const BannerLinePlace& place) {
  return {kFixedOne, 0, 0, kFixedOne, ToFixed(place.x), ToFixed(place.y)};
}

ASFixedMatrix BannerRotation(int32_t angle) {
  const auto degrees = static_cast<int16_t>(angle);
  const double theta = degrees * kRadiansPerDegree;
  return {ToFixed(std::cos(theta)), ToFixed(std::sin(theta)),
          ToFixed(std::sin(degrees * -kRadiansPerDegree)), ToFixed(std::cos(theta)), 0, 0};
}

ASFixedMatrix BannerScale(int32_t fontSize) {
  return {ToFixed(fontSize), 0, 0, ToFixed(fontSize), 0, 0};
}

ASFixedMatrix RightAligned(ASFixedMatrix matrix, const ASFixedRect& box) {
  matrix.h = ToFixed(FromFixed(matrix.h) - (FromFixed(box.right) - FromFixed(box.left)));
  return matrix;
}

ASFixedMatrix CentreAligned(ASFixedMatrix matrix, const ASFixedRect& box, int32_t angle) {
  if (angle != kRightAngleTurned) {
    matrix.h = ToFixed(FromFixed(matrix.h) - (FromFixed(box.right) - FromFixed(box.left)) / 2);
  } else {
    matrix.v = ToFixed(FromFixed(matrix.v) + (FromFixed(box.top) - FromFixed(box.bottom)) / 2);
  }
  return matrix;
}

std::string BannerTextBytes(std::string_view text) {
  std::size_t length = text.size();
  while (length > 1 && IsBlank(text[length - 1])) --length;
  return std::string(text.substr(0, length));
}

BannerFill BannerFillColour(int32_t textColor, std::string_view text) {
  if (IsBannerMarker(text)) return {kFixedOne, kFixedOne, kFixedOne};
  const auto colour = static_cast<uint32_t>(textColor);
  const auto component = [](uint32_t byte) { return ToFixed(byte * kByteToUnit); };
  return {component(colour & 0xFF), component((colour >> 8) & 0xFF),
          component((colour >> 16) & 0xFF)};
}
