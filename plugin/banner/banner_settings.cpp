#include "banner_settings.h"

#include <cmath>
#include <cstdlib>

#include "framework/integer_text.h"
#include "framework/line_tokens.h"

namespace {

enum class Kind { Text, Real, Integer, Flag };

struct BannerKey {
  const char* name;
  Kind kind;
  std::string BannerSettings::*text;
  int32_t BannerSettings::*number;
  int BannerSettings::*flag;
};

constexpr BannerKey Text(const char* name, std::string BannerSettings::*member) {
  return {name, Kind::Text, member, nullptr, nullptr};
}
constexpr BannerKey Real(const char* name, int32_t BannerSettings::*member) {
  return {name, Kind::Real, nullptr, member, nullptr};
}
constexpr BannerKey Integer(const char* name, int32_t BannerSettings::*member) {
  return {name, Kind::Integer, nullptr, member, nullptr};
}
constexpr BannerKey Flag(const char* name, int BannerSettings::*member) {
  return {name, Kind::Flag, nullptr, nullptr, member};
}

// In the order the file is written.
constexpr BannerKey kKeys[] = {
    Text("PREFIXSTR", &BannerSettings::prefixStr),
    Text("FONTNAME", &BannerSettings::fontName),
    Text("FONTTYPE", &BannerSettings::fontType),
    Text("FONTFLAGS", &BannerSettings::fontFlags),
    Real("FONTSIZE", &BannerSettings::fontSize),
    Integer("OPACITY", &BannerSettings::opacity),
    Real("VERTICAL", &BannerSettings::vertical),
    Real("HORIZONTAL", &BannerSettings::horizontal),
    Flag("LEVELTEXT", &BannerSettings::levelText),
    Flag("ALIGNTEXTLEFT", &BannerSettings::alignTextLeft),
    Flag("ALIGNTEXTRIGHT", &BannerSettings::alignTextRight),
    Flag("ALIGNTEXTCENTER", &BannerSettings::alignTextCenter),
    Integer("TEXTCOLOR", &BannerSettings::textColor),
    Integer("DEGREESANGLE", &BannerSettings::degreesAngle),
    Integer("BANNERPAGESIZEHEIGHT", &BannerSettings::bannerPageSizeHeight),
    Integer("BANNERPAGESIZEWIDTH", &BannerSettings::bannerPageSizeWidth),
};

const BannerKey* FindKey(std::string_view name) {
  for (const BannerKey& key : kKeys)
    if (name == key.name) return &key;
  return nullptr;
}

// A decimal real number as far as it goes, truncated toward zero; what does not fit
// in 32 bits stops at the limit.
int32_t TruncatedReal(std::string_view text) {
  const std::string copy(text);
  const double value = std::strtod(copy.c_str(), nullptr);
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return INT32_MAX;
  if (value <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(std::trunc(value));
}

}  // namespace

void ClearBeforeBannerLoad(BannerSettings& settings) {
  settings.alignTextLeft = 0;
  settings.alignTextRight = 0;
  settings.alignTextCenter = 0;
  settings.levelText = 0;
  settings.bannerPageSizeHeight = 0;
  settings.bannerPageSizeWidth = 0;
  settings.opacity = 100;
}

void ApplyBannerLine(BannerSettings& settings, std::string_view line) {
  std::size_t position = 0;
  const BannerKey* key = FindKey(NextLineToken(line, position));
  if (!key) return;
  const std::string_view value = NextLineToken(line, position);
  switch (key->kind) {
    case Kind::Text:
      settings.*key->text = std::string(value);
      break;
    case Kind::Real:
      settings.*key->number = TruncatedReal(value);
      break;
    case Kind::Integer:
      settings.*key->number = LeadingInteger(value);
      break;
    case Kind::Flag:
      settings.*key->flag = 1;
      break;
  }
}

namespace {

void ApplyBannerLineAndTell(BannerSettings& settings, std::string_view line,
                            void (*onTextColor)(void*), void* context) {
  ApplyBannerLine(settings, line);
  std::size_t position = 0;
  if (onTextColor && NextLineToken(line, position) == "TEXTCOLOR") onTextColor(context);
}

}  // namespace

void ApplyBannerFile(BannerSettings& settings, std::FILE* file, void (*onTextColor)(void*),
                     void* context) {
  ForEachTextLineOfFile(file, [&](std::string_view line) {
    ApplyBannerLineAndTell(settings, line, onTextColor, context);
  });
}

std::string BannerFileText(const BannerSettings& settings) {
  std::string text;
  for (const BannerKey& key : kKeys) {
    if (key.kind == Kind::Flag) {
      if (!(settings.*key.flag)) continue;
      text += key.name;
    } else {
      text += key.name;
      text += ';';
      text += key.kind == Kind::Text ? settings.*key.text
                                     : FormatDialogInteger(settings.*key.number);
    }
    text += "\r\n";
  }
  return text;
}
