#include "script/script_parser.h"

#include <fstream>
#include <sstream>

#include "script/measure_expression.h"
#include "script/script_values.h"

namespace viewer::script {
namespace {

std::string JoinKeywords(const std::vector<std::string_view>& words) {
  std::string text;
  for (size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += i + 1 == words.size() ? " or " : ", ";
    text += words[i];
  }
  return text;
}

// Checks one argument; on success leaves its final form in *value and answers "".
std::string CheckArg(const ArgSpec& entry, const std::string& baseDir, std::string* value) {
  const std::string given = *value;
  auto refuse = [&](const std::string& what) {
    return std::string(entry.placeholder) + ": '" + given + "' is not " + what;
  };
  switch (entry.kind) {
    case ArgKind::Text:
      return {};
    case ArgKind::Needle:
      return given.empty() ? std::string(entry.placeholder) + ": empty, which any text holds" : "";
    case ArgKind::Path:
      if (given.empty()) return std::string(entry.placeholder) + ": empty file name";
      *value = ResolvePath(baseDir, given);
      return {};
    case ArgKind::ControlId: {
      auto id = ParseCount(given);
      return id && *id <= 65535 ? "" : refuse("a control id (0 to 65535)");
    }
    case ArgKind::Count:
      return ParseCount(given) ? "" : refuse("a number (0 or more)");
    case ArgKind::Index: {
      auto n = ParseCount(given);
      return n && *n >= 1 ? "" : refuse("a number (1 or more)");
    }
    case ArgKind::Byte: {
      auto n = ParseCount(given);
      return n && *n <= 255 ? "" : refuse("a number from 0 to 255");
    }
    case ArgKind::Seconds:
      return ParseSecondsAsMilliseconds(given) ? "" : refuse("a number of seconds (like 20 or 2.5)");
    case ArgKind::Keyword: {
      std::string lower = ToLower(given);
      for (std::string_view word : entry.keywords) {
        if (word == lower) {
          *value = lower;
          return {};
        }
      }
      return refuse(JoinKeywords(entry.keywords));
    }
    case ArgKind::PageList:
      return ParsePageList(given) ? "" : refuse("a page list (like 1,5,9) or none");
    case ArgKind::IdList:
      return ParseIdList(given) ? "" : refuse("a list of control ids (like 1075,1076,1000)");
    case ArgKind::ItemList:
      return ParseItemList(given) ? "" : refuse("a list of items (like A3|A4|Letter) or none");
    case ArgKind::Measure:
      return IsMeasure(given) ? "" : refuse("a measure in pixels (like 69, W-80 or W/2-80)");
  }
  return {};
}

std::string CountArguments(size_t n) {
  return n == 1 ? "1 argument" : std::to_string(n) + " arguments";
}

// Fits the words after the command name to one of the command's forms.
std::string CheckStep(const CommandSpec& entry, std::vector<std::string> words,
                      const std::string& baseDir, std::vector<std::string>* args) {
  // When every form of that length fails, the last one says why: the forms are
  // listed from the most particular (a keyword) to the most general.
  std::string lastError;
  bool arityFits = false;
  for (const ArgForm& form : entry.forms) {
    if (form.args.size() != words.size()) continue;
    arityFits = true;
    std::vector<std::string> checked = words;
    std::string error;
    for (size_t i = 0; i < checked.size() && error.empty(); ++i) {
      error = CheckArg(form.args[i], baseDir, &checked[i]);
    }
    if (error.empty()) {
      if (!form.defaultId.empty()) checked.insert(checked.begin(), std::string(form.defaultId));
      *args = std::move(checked);
      return {};
    }
    lastError = error;
  }
  if (!arityFits) {
    return "wrong number of arguments (" + CountArguments(words.size()) + "); usage: " +
           std::string(entry.usage);
  }
  return lastError;
}

std::string Location(const std::string& file, int line) {
  return file + ":" + std::to_string(line) + ": ";
}

}  // namespace

bool ParseScript(std::string_view text, const std::string& file, const std::string& baseDir,
                 const EnvLookup& env, Script* script, std::string* errors) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<Step> steps;
  std::string problems;
  int lineNumber = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = end + 1;
    ++lineNumber;

    TokenizedLine tokens = TokenizeLine(line, env);
    if (tokens.ignored) continue;
    std::string error = tokens.error;
    const CommandSpec* entry = nullptr;
    Step step;
    if (error.empty()) {
      entry = FindCommand(tokens.words[0]);
      if (!entry) error = "unknown command '" + tokens.words[0] + "'";
    }
    if (error.empty()) {
      std::vector<std::string> words(tokens.words.begin() + 1, tokens.words.end());
      error = CheckStep(*entry, std::move(words), baseDir, &step.args);
    }
    if (!error.empty()) {
      problems += Location(file, lineNumber) + error + "\n";
      continue;
    }
    step.command = entry->command;
    step.line = lineNumber;
    step.source = std::string(line);
    steps.push_back(std::move(step));
  }
  if (!problems.empty()) {
    problems.pop_back();
    if (errors) *errors = problems;
    return false;
  }
  script->file = file;
  script->steps = std::move(steps);
  return true;
}

bool LoadScriptFile(const std::string& path, const std::string& currentDir,
                    const EnvLookup& env, Script* script, std::string* errors) {
  int timeoutMs = kDefaultTimeoutMs;
  if (std::optional<std::string> fromEnv = env ? env("TESSALY_SCRIPT_TIMEOUT") : std::nullopt) {
    std::optional<int> ms = ParseSecondsAsMilliseconds(*fromEnv);
    if (!ms) {
      if (errors) {
        *errors = "TESSALY_SCRIPT_TIMEOUT: '" + *fromEnv +
                  "' is not a number of seconds (like 20 or 2.5)";
      }
      return false;
    }
    timeoutMs = *ms;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (errors) *errors = path + ": cannot read the script";
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  std::string folder = ResolvePath(currentDir, FolderOf(path));
  if (!ParseScript(text.str(), path, folder, env, script, errors)) return false;
  script->timeoutMs = timeoutMs;
  return true;
}

std::string FailureReport(const std::string& file, const Step& step, const std::string& why) {
  return Location(file, step.line) + step.source + ": " + why;
}

}  // namespace viewer::script
