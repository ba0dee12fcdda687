// Writes pictures as PNG files (8-bit RGB).
#pragma once

#include <string>
#include <vector>

namespace viewer::script {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;   // rows top to bottom, 3 bytes a pixel
};

bool WritePng(const std::string& path, const RgbImage& image, std::string* error);

}  // namespace viewer::script
