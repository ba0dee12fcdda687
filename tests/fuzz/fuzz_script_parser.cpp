// The viewer's UI-script language (*.tvs): any text, checked as a script file is.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "script/script_parser.h"

namespace {

std::optional<std::string> FuzzEnv(const std::string& name) {
  // A value that looks like a reference must be taken as it is, not expanded again.
  static const std::map<std::string, std::string> values = {
      {"TESSALY_BUILD", "/build"}, {"FIXTURES", "/build/fixtures"}, {"SELF", "${SELF}"},
      {"EMPTY", ""}, {"SPACED", "a \"b\" c"}};
  const auto found = values.find(name);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  viewer::script::Script script;
  std::string errors;
  const bool ok = viewer::script::ParseScript(text, "fuzz.tvs", "/scripts", FuzzEnv, &script,
                                              &errors);
  if (ok != errors.empty()) __builtin_trap();
  for (const viewer::script::Step& step : script.steps) {
    viewer::script::FailureReport(script.file, step, "fuzz");
  }
  return 0;
}
