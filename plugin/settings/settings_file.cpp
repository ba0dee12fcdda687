#include "settings_file.h"

#include "framework/integer_text.h"
#include "framework/line_tokens.h"

namespace {

enum class Kind { Flag, Integer, String };

struct SettingsKey {
  const char* name;
  Kind kind;
  int PrintSettings::*number;
  std::string PrintSettings::*text;
};

constexpr SettingsKey Flag(const char* name, int PrintSettings::*member) {
  return {name, Kind::Flag, member, nullptr};
}
constexpr SettingsKey Integer(const char* name, int PrintSettings::*member) {
  return {name, Kind::Integer, member, nullptr};
}
constexpr SettingsKey String(const char* name, std::string PrintSettings::*member) {
  return {name, Kind::String, nullptr, member};
}

// In the order the file is written.
constexpr SettingsKey kKeys[] = {
    Flag("AUTOEXPANDTREE", &PrintSettings::autoExpandTree),
    Flag("SILENTPRINT", &PrintSettings::silentPrint),
    Flag("PRINTINDEX", &PrintSettings::printIndex),
    Flag("THUMBSONE", &PrintSettings::thumbsOne),
    Flag("THUMBSPRIOR", &PrintSettings::thumbsPrior),
    Flag("INTELCHECKOFF", &PrintSettings::intelCheckOff),
    Integer("INDEXFONTSIZE", &PrintSettings::indexFontSize),
    Integer("INDEXPW", &PrintSettings::indexPageWidth),
    Integer("INDEXPH", &PrintSettings::indexPageHeight),
    Integer("INDEXINDENT", &PrintSettings::indexIndent),
    Flag("THUMBSINCSUB1", &PrintSettings::thumbsIncSub1),
    Integer("INDEXWRAP", &PrintSettings::indexWrap),
    Flag("INDEXBLANKLINE", &PrintSettings::indexBlankLine),
    Flag("STARTUPMAX", &PrintSettings::startupMax),
    String("SELECTTEXT", &PrintSettings::selectText),
    Flag("INDEXONLY", &PrintSettings::indexOnly),
    Flag("SEPBOOKMARKS", &PrintSettings::sepBookmarks),
    Flag("LAYEREDPDF", &PrintSettings::layeredPdf),
    String("PAGESIZESFILE", &PrintSettings::pageSizesFile),
    String("PAGESIZE", &PrintSettings::pageSize),
};

const SettingsKey* FindKey(std::string_view name) {
  for (const SettingsKey& key : kKeys)
    if (name == key.name) return &key;
  return nullptr;
}

}  // namespace

void ApplySettingsLine(PrintSettings& settings, std::string_view line) {
  std::size_t position = 0;
  const SettingsKey* key = FindKey(NextLineToken(line, position));
  if (!key) return;
  const std::string_view value = NextLineToken(line, position);
  switch (key->kind) {
    case Kind::Flag:
      settings.*key->number = 1;
      break;
    case Kind::Integer:
      settings.*key->number = LeadingInteger(value);
      break;
    case Kind::String:
      settings.*key->text = std::string(value);
      break;
  }
}

void ApplySettingsFile(PrintSettings& settings, std::FILE* file) {
  ForEachTextLineOfFile(file, [&](std::string_view line) { ApplySettingsLine(settings, line); });
}

std::string SettingsFileText(const PrintSettings& settings) {
  std::string text;
  for (const SettingsKey& key : kKeys) {
    std::string value;
    switch (key.kind) {
      case Kind::Flag:
        if (!(settings.*key.number)) continue;
        value = "1";
        break;
      case Kind::Integer:
        value = FormatDialogInteger(settings.*key.number);
        break;
      case Kind::String:
        value = settings.*key.text;
        break;
    }
    text += key.name;
    text += ';';
    text += value;
    text += "\r\n";
  }
  return text;
}
