#include "banner_numbers.h"

#include <algorithm>
#include <cstdio>

#include "framework/line_tokens.h"

namespace {

constexpr std::string_view kPageWord = "BANNERPAGE]";
constexpr std::string_view kLevelWordStart = "BANNERLEVEL";

}  // namespace

bool IsBannerPageWord(std::string_view word) { return word == kPageWord; }

void ReadBannerLevelWord(std::string_view word, int32_t& level) {
  if (word.substr(0, kLevelWordStart.size()) != kLevelWordStart) return;
  level = LeadingInteger(word.substr(kLevelWordStart.size()));
}

bool AddBannerRecord(BannerRecords& found, int32_t page, int32_t level) {
  if (level <= 0 || level > kDeepestBannerLevel) return true;
  if (found.count >= kBannerRecordCapacity) return false;
  found.records[found.count++] = {page, level};
  return true;
}

std::string BannerNumbersFileText(const BannerRecords& found) {
  const int32_t count = std::clamp(found.count, 0, kBannerRecordCapacity);
  int32_t deepest = 0;
  for (int32_t i = 0; i < count; ++i) {
    deepest = std::max(deepest, std::min(found.records[i].level, kDeepestBannerLevel));
  }
  std::string text;
  for (int32_t level = 1; level <= deepest; ++level) {
    char heading[48];
    std::snprintf(heading, sizeof heading, "Level %d Banners\r\n", static_cast<int>(level));
    text += heading;
    bool first = true;
    for (int32_t i = 0; i < count; ++i) {
      const BannerRecord& record = found.records[i];
      if (record.level != level || record.page <= 0) continue;
      if (!first) text += ',';
      text += std::to_string(record.page);
      first = false;
    }
    text += "\r\n\r\n";
  }
  return text;
}
