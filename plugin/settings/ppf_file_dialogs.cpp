#include "ppf_file_dialogs.h"

#include "framework/file_dialogs.h"

namespace {

constexpr char kFilters[] = "*.ppf\0*.ppf\0All Files *.*\0*.*\0";

}  // namespace

std::optional<std::string> ChooseSettingsFileToLoad() {
  return ChooseFileToOpen({"Open Page Parameters File", kFilters, "JOB"});
}

std::optional<std::string> ChooseSettingsFileToSave() {
  return ChooseFileToSave({"Save Page Parameters File", kFilters, "PPF"});
}
