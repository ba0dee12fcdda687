#include "fonts/font_request.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace viewer::fonts {
namespace {

struct StyleWord {
  std::string_view word;
  bool bold, italic;
};

// Words a style part is made of; "MT" and "PS" are makers' marks in PostScript names
// ("Arial-BoldMT", "TimesNewRomanPS-ItalicMT").
constexpr StyleWord kStyleWords[] = {
    {"bold", true, false},    {"italic", false, true}, {"oblique", false, true},
    {"regular", false, false}, {"roman", false, false}, {"book", false, false},
    {"normal", false, false},  {"plain", false, false}, {"mt", false, false},
    {"ps", false, false},
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// Reads text made only of style words (blanks between them allowed) into request;
// false when anything else is left.
bool ReadStyle(std::string_view text, FontRequest* request) {
  bool any = false;
  while (!text.empty()) {
    if (text.front() == ' ') {
      text.remove_prefix(1);
      continue;
    }
    bool matched = false;
    for (const StyleWord& style : kStyleWords) {
      if (text.size() >= style.word.size() &&
          EqualsIgnoringCase(text.substr(0, style.word.size()), style.word)) {
        request->bold |= style.bold;
        request->italic |= style.italic;
        text.remove_prefix(style.word.size());
        matched = any = true;
        break;
      }
    }
    if (!matched) return false;
  }
  return any;
}

std::string Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

// "TimesNewRoman" -> "Times New Roman"; a blank before each capital that follows a
// small letter.
std::string WordsApart(const std::string& family) {
  std::string apart;
  for (size_t i = 0; i < family.size(); ++i) {
    const auto c = static_cast<unsigned char>(family[i]);
    if (i > 0 && std::isupper(c) && std::islower(static_cast<unsigned char>(family[i - 1]))) {
      apart += ' ';
    }
    apart += family[i];
  }
  return apart;
}

// "ArialMT" -> "Arial", "TimesNewRomanPS" -> "TimesNewRoman": makers' marks at the
// end of a family in a PostScript name.
std::string WithoutMakersMark(const std::string& family) {
  for (std::string_view mark : {"PSMT", "MT", "PS"}) {
    if (family.size() > mark.size() && family.ends_with(mark)) {
      return family.substr(0, family.size() - mark.size());
    }
  }
  return family;
}

void AddOnce(std::vector<FontRequest>& readings, const FontRequest& request) {
  if (std::find(readings.begin(), readings.end(), request) == readings.end()) {
    readings.push_back(request);
  }
}

// The request as written, then with its family's words apart and without a maker's
// mark.
void Add(std::vector<FontRequest>& readings, FontRequest request) {
  if (request.family.empty()) return;
  AddOnce(readings, request);
  const std::string written = request.family;
  for (const std::string& family : {WordsApart(written), WithoutMakersMark(written),
                                    WordsApart(WithoutMakersMark(written))}) {
    request.family = family;
    AddOnce(readings, request);
  }
}

}  // namespace

std::vector<FontRequest> ReadFontName(const std::string& name) {
  std::vector<FontRequest> readings;
  const std::string whole = Trimmed(name);
  if (whole.empty()) return readings;
  Add(readings, FontRequest{whole});
  // A style after the last ',' or '-' ("Arial,Bold", "Times-Roman").
  const size_t mark = whole.find_last_of(",-");
  if (mark != std::string::npos) {
    FontRequest styled{Trimmed(std::string_view(whole).substr(0, mark))};
    if (ReadStyle(std::string_view(whole).substr(mark + 1), &styled)) Add(readings, styled);
  }
  // Style words after the family's last blank ("Arial Bold", "Arial Bold Italic").
  for (size_t blank = whole.rfind(' '); blank != std::string::npos && blank > 0;
       blank = whole.rfind(' ', blank - 1)) {
    FontRequest styled{Trimmed(std::string_view(whole).substr(0, blank))};
    if (!ReadStyle(std::string_view(whole).substr(blank + 1), &styled)) break;
    Add(readings, styled);
  }
  return readings;
}

}  // namespace viewer::fonts
