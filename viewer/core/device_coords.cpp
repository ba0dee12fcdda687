#include "core/device_coords.h"

#include <algorithm>
#include <cstdint>

namespace viewer::core {

ASInt16 ToDevCoord16(long value) {
  return static_cast<ASInt16>(std::clamp<long>(value, INT16_MIN, INT16_MAX));
}

oldAVRect ToOldRect(long left, long top, long right, long bottom) {
  return {ToDevCoord16(left), ToDevCoord16(top), ToDevCoord16(right), ToDevCoord16(bottom)};
}

ASUns32 DeviceColour(const PDColorValueRec& colour) {
  const auto unit = [&](int i) {
    return std::clamp(static_cast<double>(colour.value[i]) / 65536.0, 0.0, 1.0);
  };
  double red = 0, green = 0, blue = 0;
  if (colour.space == PDDeviceGray) {
    red = green = blue = unit(0);
  } else if (colour.space == PDDeviceRGB) {
    red = unit(0), green = unit(1), blue = unit(2);
  } else if (colour.space == PDDeviceCMYK) {
    const double white = 1.0 - unit(3);
    red = (1.0 - unit(0)) * white, green = (1.0 - unit(1)) * white, blue = (1.0 - unit(2)) * white;
  }
  const auto byte = [](double value) { return static_cast<ASUns32>(value * 255.0 + 0.5); };
  return byte(red) | (byte(green) << 8) | (byte(blue) << 16);
}

}  // namespace viewer::core
