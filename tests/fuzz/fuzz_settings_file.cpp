// The plug-in's settings file (".ppf"): any bytes a user's file may hold, read as a
// load reads them, then written back and read again.
#include <cstddef>
#include <cstdint>

#include "input_file.h"
#include "settings/print_settings.h"
#include "settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InputFile input(data, size);
  if (input.get() == nullptr) return 0;
  PrintSettings settings;
  ClearBeforeLoad(settings);
  ApplySettingsFile(settings, input.get());

  // What was loaded is what "&Close" writes back; reading that must give it again.
  const std::string saved = SettingsFileText(settings);
  PrintSettings reread;
  ClearBeforeLoad(reread);
  InputFile savedFile(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
  if (savedFile.get() == nullptr) return 0;
  ApplySettingsFile(reread, savedFile.get());
  if (SettingsFileText(reread) != saved) __builtin_trap();
  return 0;
}
