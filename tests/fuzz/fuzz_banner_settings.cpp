// The banner settings file (".ban"): any bytes, read as a load reads them, then
// written back and read again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "banner/banner_settings.h"
#include "input_file.h"

namespace {

void CountColour(void* context) { ++*static_cast<int*>(context); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InputFile input(data, size);
  if (input.get() == nullptr) return 0;
  BannerSettings settings;
  ClearBeforeBannerLoad(settings);
  int colours = 0;
  ApplyBannerFile(settings, input.get(), CountColour, &colours);

  // What was loaded is what "&Close" writes back; reading that must give it again.
  const std::string saved = BannerFileText(settings);
  BannerSettings reread;
  ClearBeforeBannerLoad(reread);
  InputFile savedFile(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
  if (savedFile.get() == nullptr) return 0;
  ApplyBannerFile(reread, savedFile.get());
  if (BannerFileText(reread) != saved) __builtin_trap();
  return 0;
}
