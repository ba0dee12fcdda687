#include "host/sys_font_handles.h"

#include <deque>
#include <map>
#include <unordered_set>
#include <utility>

#include "core/host_error.h"

struct _t_PDSysFont {
  viewer::fonts::SystemFont font;
};

namespace viewer::host {
namespace {

struct SysFontTable {
  std::deque<_t_PDSysFont> fonts;  // a deque keeps the handles' addresses
  std::map<std::pair<std::string, int>, PDSysFont> byFace;
  std::unordered_set<PDSysFont> live;
};

SysFontTable& Table() {
  static SysFontTable table;
  return table;
}

}  // namespace

PDSysFont SysFontHandle(const fonts::SystemFont& font) {
  SysFontTable& table = Table();
  const auto key = std::make_pair(font.file, font.index);
  if (auto found = table.byFace.find(key); found != table.byFace.end()) return found->second;
  PDSysFont handle = &table.fonts.emplace_back(_t_PDSysFont{font});
  table.byFace.emplace(key, handle);
  table.live.insert(handle);
  return handle;
}

const fonts::SystemFont& CheckedSysFont(PDSysFont font) {
  if (font == nullptr) throw core::HostError(kHostErrNoFont, "no system font");
  if (Table().live.count(font) == 0) throw core::HostError(kHostErrBadParameter, "unknown system font");
  return font->font;
}

}  // namespace viewer::host
