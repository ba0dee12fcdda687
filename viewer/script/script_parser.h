// Reads a whole script and checks every line before anything runs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "script/script_commands.h"
#include "script/script_tokenizer.h"

namespace viewer::script {

// One checked command. Its arguments are final: variables expanded, paths absolute,
// keywords in lower case, a left-out tree id filled in.
struct Step {
  Command command;
  int line = 0;
  std::string source;              // the line as written
  std::vector<std::string> args;
};

inline constexpr int kDefaultTimeoutMs = 20000;

struct Script {
  std::string file;                // as the script was named
  std::vector<Step> steps;
  int timeoutMs = kDefaultTimeoutMs;
};

// Checks every line of text. On success fills script->file and script->steps;
// otherwise returns false and lists every bad line as "FILE:LINE: why", one a line.
bool ParseScript(std::string_view text, const std::string& file, const std::string& baseDir,
                 const EnvLookup& env, Script* script, std::string* errors);

// Reads and checks the script file; relative paths in it are taken from its folder.
// TESSALY_SCRIPT_TIMEOUT, when set, gives the default timeout in seconds.
bool LoadScriptFile(const std::string& path, const std::string& currentDir,
                    const EnvLookup& env, Script* script, std::string* errors);

// How a failed step is reported: "FILE:LINE: <line as written>: <why>".
std::string FailureReport(const std::string& file, const Step& step, const std::string& why);

}  // namespace viewer::script
