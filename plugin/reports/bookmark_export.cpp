#include "bookmark_export.h"

namespace {

std::string Quoted(std::string_view text) { return "\"" + QuotedFieldText(text) + "\""; }

}  // namespace

std::string ExportPagesField(const BookmarkEntry& entry) {
  if (entry.firstPage == entry.lastPage) return std::to_string(entry.firstPage);
  return std::to_string(entry.firstPage) + "-" + std::to_string(entry.lastPage);
}

std::string QuotedFieldText(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size());
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted;
}

std::string ExportNamesText(const BookmarkModel& model) {
  std::string text;
  for (int32_t i = 0; i < model.entryCount; ++i) {
    const BookmarkEntry& entry = model.entries[i];
    if (entry.ticked != 1) continue;
    text += Quoted(model.titles[i]) + "," + Quoted(" " + ExportPagesField(entry)) + "\r\n";
  }
  return text;
}

std::string ExportNamesNestedText(const BookmarkModel& model) {
  std::string text;
  for (int32_t i = 0; i < model.entryCount; ++i) {
    const BookmarkEntry& entry = model.entries[i];
    if (entry.ticked != 1) continue;
    text += Quoted(std::to_string(entry.level - 1)) + "," + Quoted(" " + ExportPagesField(entry));
    for (int32_t filler = 0; filler < entry.level - 2; ++filler) text += "," + Quoted(" ");
    text += "," + Quoted(model.titles[i]) + "\r\n";
  }
  return text;
}
