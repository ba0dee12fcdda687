#include "script/script_tokenizer.h"

namespace viewer::script {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsNameStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9'); }

// Expands the ${NAME} that starts at line[*pos] into *out and moves *pos past it.
// Returns an error text, or an empty string when it worked.
std::string ExpandVariable(std::string_view line, size_t* pos, const EnvLookup& env,
                           std::string* out) {
  size_t close = line.find('}', *pos + 2);
  if (close == std::string_view::npos) return "unclosed ${";
  std::string name(line.substr(*pos + 2, close - *pos - 2));
  bool good = !name.empty() && IsNameStart(name[0]);
  for (char c : name) good = good && IsNameChar(c);
  if (!good) return "bad variable name '${" + name + "}'";
  std::optional<std::string> value = env ? env(name) : std::nullopt;
  if (!value) return "environment variable " + name + " is not set";
  *out += *value;
  *pos = close + 1;
  return {};
}

bool StartsVariable(std::string_view line, size_t pos) {
  return line[pos] == '$' && pos + 1 < line.size() && line[pos + 1] == '{';
}

}  // namespace

TokenizedLine TokenizeLine(std::string_view line, const EnvLookup& env) {
  TokenizedLine result;
  size_t pos = 0;
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  if (pos == line.size() || line[pos] == '#') {
    result.ignored = true;
    return result;
  }
  while (pos < line.size()) {
    std::string word;
    while (pos < line.size() && !IsBlank(line[pos])) {
      char c = line[pos];
      if (c == '"') {
        ++pos;
        bool closed = false;
        while (pos < line.size()) {
          char q = line[pos];
          if (q == '"') {
            closed = true;
            ++pos;
            break;
          }
          if (q == '\\' && pos + 1 < line.size() &&
              (line[pos + 1] == '"' || line[pos + 1] == '\\' || line[pos + 1] == '$')) {
            word += line[pos + 1];
            pos += 2;
          } else if (StartsVariable(line, pos)) {
            result.error = ExpandVariable(line, &pos, env, &word);
            if (!result.error.empty()) return result;
          } else {
            word += q;
            ++pos;
          }
        }
        if (!closed) {
          result.error = "unclosed quote";
          return result;
        }
      } else if (StartsVariable(line, pos)) {
        result.error = ExpandVariable(line, &pos, env, &word);
        if (!result.error.empty()) return result;
      } else {
        word += c;
        ++pos;
      }
    }
    result.words.push_back(std::move(word));
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
  }
  return result;
}

}  // namespace viewer::script
