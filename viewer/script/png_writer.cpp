// The system's libpng is a Linux library with the Linux calling convention; seeing
// winelib's Windows macros, its header would declare Windows-calling-convention functions instead.
#undef _WIN32
#undef _WIN64
#undef __WIN32__
#undef __WIN64__
#undef WIN32
#undef WIN64
#undef __NT__
#undef __CYGWIN__

#include "script/png_writer.h"

#include <png.h>

#include <cstdio>
#include <cstring>

namespace viewer::script {
namespace {

struct FileCloser {
  FILE* file;
  ~FileCloser() {
    if (file) std::fclose(file);
  }
};

}  // namespace

bool WritePng(const std::string& path, const RgbImage& image, std::string* error) {
  if (image.width <= 0 || image.height <= 0 ||
      image.rgb.size() != static_cast<size_t>(image.width) * image.height * 3) {
    if (error) *error = "empty picture";
    return false;
  }
  FileCloser out{std::fopen(path.c_str(), "wb")};
  if (!out.file) {
    if (error) *error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    if (error) *error = "libpng could not start";
    return false;
  }
  // libpng reports its errors by jumping back here; nothing with a destructor is
  // created between here and the end of the writing.
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    if (error) *error = "libpng failed writing " + path;
    return false;
  }
  png_init_io(png, out.file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const size_t stride = static_cast<size_t>(image.width) * 3;
  for (int y = 0; y < image.height; ++y) {
    png_write_row(png, const_cast<png_bytep>(image.rgb.data() + stride * y));
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace viewer::script
