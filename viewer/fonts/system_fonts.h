// The fonts installed on the machine, through fontconfig: the list of them, and the
// font a requested name stands for.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace viewer::fonts {

struct SystemFont {
  std::string file;
  int index = 0;                      // the face within a font collection
  std::string postScriptName;         // the font's name as the host reports it
  std::vector<std::string> families;  // every family name fontconfig knows it by
  std::string style;
  std::string format;                 // fontconfig's: "TrueType", "CFF", "Type 1", ...
  bool operator==(const SystemFont& other) const {
    return file == other.file && index == other.index;
  }
};

// Every font fontconfig lists (named instances of variable fonts left out), ordered by
// file and face; read once per process.
const std::vector<SystemFont>& SystemFonts();

// The installed TrueType font (glyf outlines and a Unicode character map, the kind the
// viewer can embed) that name stands for, or none. name is a PostScript name
// ("LiberationSans-Bold"), a family ("Liberation Sans", "Arial"), or a family with a
// style ("Arial,Bold", "Times-Roman"). A family is found through fontconfig's matching
// and its aliases ("Arial" finds Liberation Sans where that is Arial's metric twin),
// but never through the generic fall-back that fontconfig offers for any name.
// type is "TrueType", "OpenType" or empty; any other type finds nothing.
std::optional<SystemFont> FindSystemFont(const std::string& name, const std::string& type);

}  // namespace viewer::fonts
