#include "fonts/system_fonts.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include <fontconfig/fontconfig.h>

#include "fonts/font_aliases.h"
#include "fonts/font_face.h"
#include "fonts/font_request.h"

namespace viewer::fonts {
namespace {

// Named instances of a variable font carry their instance number above the face.
constexpr int kFaceMask = 0xFFFF;

const char* const kGenericFamilies[] = {"sans-serif", "serif",     "monospace", "cursive",
                                        "fantasy",    "system-ui", "emoji",     "math"};

std::recursive_mutex& FontsMutex() {
  static std::recursive_mutex mutex;
  return mutex;
}

FcConfig* Config() {
  static FcConfig* config = FcInitLoadConfigAndFonts();
  return config;
}

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

struct FontSetDeleter {
  void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
using FontSet = std::unique_ptr<FcFontSet, FontSetDeleter>;

std::string StringOf(FcPattern* pattern, const char* object, int id = 0) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, id, &value) != FcResultMatch || value == nullptr) return {};
  return reinterpret_cast<const char*>(value);
}

std::optional<SystemFont> FontOfPattern(FcPattern* pattern) {
  SystemFont font;
  font.file = StringOf(pattern, FC_FILE);
  if (font.file.empty()) return std::nullopt;
  if (FcPatternGetInteger(pattern, FC_INDEX, 0, &font.index) != FcResultMatch) font.index = 0;
  if (font.index < 0 || font.index > kFaceMask) return std::nullopt;
  for (int id = 0;; ++id) {
    std::string family = StringOf(pattern, FC_FAMILY, id);
    if (family.empty()) break;
    font.families.push_back(std::move(family));
  }
  font.style = StringOf(pattern, FC_STYLE);
  font.format = StringOf(pattern, FC_FONTFORMAT);
  font.postScriptName = StringOf(pattern, FC_POSTSCRIPT_NAME);
  if (font.postScriptName.empty()) {
    font.postScriptName = (font.families.empty() ? std::string("Font") : font.families.front()) +
                          (font.style.empty() ? std::string() : "-" + font.style);
    std::erase(font.postScriptName, ' ');
  }
  return font;
}

std::vector<SystemFont> ListFonts() {
  std::vector<SystemFont> fonts;
  FcConfig* config = Config();
  if (config == nullptr) return fonts;
  Pattern all(FcPatternCreate());
  FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FAMILY, FC_STYLE, FC_FONTFORMAT,
                                          FC_POSTSCRIPT_NAME, nullptr);
  FontSet set(FcFontList(config, all.get(), objects));
  FcObjectSetDestroy(objects);
  if (set == nullptr) return fonts;
  for (int i = 0; i < set->nfont; ++i) {
    if (auto font = FontOfPattern(set->fonts[i])) fonts.push_back(std::move(*font));
  }
  std::sort(fonts.begin(), fonts.end(), [](const SystemFont& a, const SystemFont& b) {
    return std::tie(a.file, a.index) < std::tie(b.file, b.index);
  });
  fonts.erase(std::unique(fonts.begin(), fonts.end()), fonts.end());
  return fonts;
}

bool Embeddable(const SystemFont& font) {
  return font.format == "TrueType" && LoadFontFace(font.file, font.index) != nullptr;
}

std::vector<SubstitutedFamily> SubstitutedFamilies(const std::string& family) {
  std::vector<SubstitutedFamily> families;
  Pattern pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  if (!FcConfigSubstitute(Config(), pattern.get(), FcMatchPattern)) return families;
  FcValue value;
  FcValueBinding binding;
  for (int id = 0; FcPatternGetWithBinding(pattern.get(), FC_FAMILY, id, &value, &binding) == FcResultMatch; ++id) {
    if (value.type != FcTypeString) continue;
    families.push_back({reinterpret_cast<const char*>(value.u.s), binding == FcValueBindingWeak});
  }
  return families;
}

const std::map<std::string, std::vector<std::string>>& GenericPrefixes() {
  static const auto prefixes = [] {
    std::map<std::string, std::vector<std::string>> made;
    for (const char* generic : kGenericFamilies) {
      std::vector<std::string>& prefix = made[generic];
      for (const SubstitutedFamily& family : SubstitutedFamilies(generic)) {
        if (SameFamilyName(family.name, generic)) break;
        prefix.push_back(family.name);
      }
    }
    return made;
  }();
  return prefixes;
}

const SystemFont* Listed(const SystemFont& font) {
  const auto& fonts = SystemFonts();
  const auto found = std::find(fonts.begin(), fonts.end(), font);
  return found != fonts.end() ? &*found : nullptr;
}

// fontconfig's best embeddable font for the request among the families standing for it.
std::optional<SystemFont> BestOfFamilies(const std::vector<std::string>& families,
                                         const FontRequest& request) {
  Pattern pattern(FcPatternCreate());
  for (const std::string& family : families) {
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  }
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcDefaultSubstitute(pattern.get());
  FcResult result;
  FontSet sorted(FcFontSort(Config(), pattern.get(), FcFalse, nullptr, &result));
  if (sorted == nullptr) return std::nullopt;
  for (int i = 0; i < sorted->nfont; ++i) {
    const auto candidate = FontOfPattern(sorted->fonts[i]);
    if (!candidate) continue;
    const bool standsFor = std::any_of(
        candidate->families.begin(), candidate->families.end(), [&](const std::string& name) {
          return std::any_of(families.begin(), families.end(),
                             [&](const std::string& f) { return SameFamilyName(f, name); });
        });
    if (!standsFor) continue;
    const SystemFont* listed = Listed(*candidate);
    if (listed != nullptr && Embeddable(*listed)) return *listed;
  }
  return std::nullopt;
}

bool AcceptedType(const std::string& type) {
  return type.empty() || SameFamilyName(type, "TrueType") || SameFamilyName(type, "OpenType");
}

std::optional<SystemFont> ByPostScriptName(const std::string& name) {
  const auto& fonts = SystemFonts();
  for (bool exact : {true, false}) {
    for (const SystemFont& font : fonts) {
      const bool same = exact ? font.postScriptName == name : SameFamilyName(font.postScriptName, name);
      if (same && Embeddable(font)) return font;
    }
  }
  return std::nullopt;
}

std::optional<SystemFont> Find(const std::string& name) {
  if (Config() == nullptr) return std::nullopt;
  if (auto font = ByPostScriptName(name)) return font;
  for (const FontRequest& request : ReadFontName(name)) {
    const std::vector<std::string> families =
        FamiliesStandingFor(SubstitutedFamilies(request.family), GenericPrefixes());
    if (auto font = BestOfFamilies(families, request)) return font;
  }
  return std::nullopt;
}

}  // namespace

const std::vector<SystemFont>& SystemFonts() {
  std::lock_guard<std::recursive_mutex> lock(FontsMutex());
  static const std::vector<SystemFont> fonts = ListFonts();
  return fonts;
}

std::optional<SystemFont> FindSystemFont(const std::string& name, const std::string& type) {
  if (!AcceptedType(type)) return std::nullopt;
  std::lock_guard<std::recursive_mutex> lock(FontsMutex());
  // Answers are kept: the fonts of the machine do not change while the viewer runs,
  // and text is often drawn line by line with the same font.
  static std::map<std::string, std::optional<SystemFont>> answers;
  auto found = answers.find(name);
  if (found == answers.end()) found = answers.emplace(name, Find(name)).first;
  return found->second;
}

}  // namespace viewer::fonts
