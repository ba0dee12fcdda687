// Splits one script line into its arguments: blanks separate them, "double quotes"
// group them (with \" \\ and \$ escapes inside), ${NAME} expands an environment
// variable anywhere in the line.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace viewer::script {

// Answers the value of an environment variable, or nothing when it is unset.
using EnvLookup = std::function<std::optional<std::string>(const std::string& name)>;

struct TokenizedLine {
  bool ignored = false;             // blank or a # comment
  std::vector<std::string> words;   // the command name first, then its arguments
  std::string error;                // empty when the line could be split
};

TokenizedLine TokenizeLine(std::string_view line, const EnvLookup& env);

}  // namespace viewer::script
