// Which host operation a test makes fail, and at which of its calls: the value of
// TESSALY_FAILING_HOST_CALL, "NAME" (every call fails) or "NAME:3,7" (only the
// third and the seventh calls fail, counted from 1 over the viewer's whole run).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace viewer::core {

struct FailingCall {
  std::string name;
  std::vector<long> calls;  // empty: every call fails

  bool FailsCall(long callNumber) const;
};

// nullopt for a malformed value (no name, or a call list that is not positive numbers).
std::optional<FailingCall> ParseFailingCall(std::string_view text);

}  // namespace viewer::core
