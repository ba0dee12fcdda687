// Which host operation a test makes fail, and at which of its calls: the value of
// TESSALY_FAILING_HOST_CALL, "NAME" (every call fails), "NAME:3,7" (only the third and
// the seventh calls fail, counted from 1 over the viewer's whole run) or
// "NAME:when-asked" (the calls made while a script asks for it, with fail-host-call on:
// for an operation that timers call too, so that no count says which call is whose).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace viewer::core {

struct FailingCall {
  std::string name;
  std::vector<long> calls;  // empty: every call fails
  bool whenAsked = false;

  // `asked`: whether a script asks for failures now.
  bool FailsCall(long callNumber, bool asked) const;
};

// nullopt for a malformed value (no name, or a call list that is not positive numbers).
std::optional<FailingCall> ParseFailingCall(std::string_view text);

}  // namespace viewer::core
