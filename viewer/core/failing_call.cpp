#include "core/failing_call.h"

#include <algorithm>
#include <charconv>

namespace viewer::core {

bool FailingCall::FailsCall(long callNumber, bool asked) const {
  if (whenAsked) return asked;
  return calls.empty() || std::find(calls.begin(), calls.end(), callNumber) != calls.end();
}

std::optional<FailingCall> ParseFailingCall(std::string_view text) {
  FailingCall failing;
  const size_t colon = text.find(':');
  failing.name = std::string(text.substr(0, colon));
  if (failing.name.empty()) return std::nullopt;
  if (colon == std::string_view::npos) return failing;
  std::string_view list = text.substr(colon + 1);
  if (list == "when-asked") {
    failing.whenAsked = true;
    return failing;
  }
  while (true) {
    const size_t comma = list.find(',');
    const std::string_view item = list.substr(0, comma);
    long number = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), number);
    if (item.empty() || error != std::errc() || end != item.data() + item.size() || number < 1) {
      return std::nullopt;
    }
    failing.calls.push_back(number);
    if (comma == std::string_view::npos) break;
    list = list.substr(comma + 1);
  }
  return failing;
}

}  // namespace viewer::core
