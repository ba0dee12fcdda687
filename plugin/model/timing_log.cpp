#include "timing_log.h"

#include <cstdio>
#include <cstdlib>

namespace {

const char* TimingLogVariable() {
  const char* path = std::getenv("TESSALY_TIMINGS");
  return path && *path ? path : nullptr;
}

}  // namespace

std::string FormatBuildTiming(const BuildTiming& t) {
  char line[256];
  std::snprintf(line, sizeof line,
                "build walk=%.1fms hostcalls=%.1fms pump=%.1fms pumps=%d entries=%d",
                t.walkMs, t.hostCallsMs, t.pumpMs, t.pumps, t.entries);
  return line;
}

std::string FormatPrintTiming(const PrintTiming& t) {
  char line[256];
  std::snprintf(line, sizeof line,
                "print jobs=%d print=%.1fms progress=%.1fms list=%.1fms total=%.1fms", t.jobs,
                t.printMs, t.progressMs, t.listMs, t.totalMs);
  return line;
}

std::string FormatClearTiming(const ClearTiming& t) {
  char line[256];
  std::snprintf(line, sizeof line, "clear items=%d delete=%.1fms pump=%.1fms pumps=%d", t.items,
                t.deleteMs, t.pumpMs, t.pumps);
  return line;
}

std::string FormatFillTiming(const FillTiming& t) {
  char line[256];
  std::snprintf(line, sizeof line,
                "fill ranges=%.1fms inserts=%.1fms pump=%.1fms pumps=%d items=%d", t.rangesMs,
                t.insertsMs, t.pumpMs, t.pumps, t.items);
  return line;
}

std::string FormatExpandTiming(const ExpandTiming& t) {
  char line[256];
  std::snprintf(line, sizeof line,
                "expand code=%d items=%d walk=%.1fms expand=%.1fms pump=%.1fms pumps=%d "
                "hidden=%d",
                t.code, t.items, t.walkMs, t.expandMs, t.pumpMs, t.pumps, t.treeHidden ? 1 : 0);
  return line;
}

std::string FormatChecksTiming(const ChecksTiming& t) {
  char line[256];
  std::snprintf(line, sizeof line,
                "checks tool=%s read=%d changed=%d rules=%.1fms apply=%.1fms pump=%.1fms hidden=%d",
                t.tool, t.read, t.changed, t.rulesMs, t.applyMs, t.pumpMs, t.treeHidden ? 1 : 0);
  return line;
}

std::string FormatRefreshTiming(const RefreshTiming& t) {
  char line[256];
  std::snprintf(line, sizeof line,
                "refresh read=%.1fms mark=%.1fms drop=%.1fms pump=%.1fms checked=%d ticked=%d",
                t.readMs, t.markMs, t.dropMs, t.pumpMs, t.checked, t.ticked);
  return line;
}

std::string TimingLogFile(const char* variable) {
  if (variable[0] == '/') return std::string("Z:") + variable;
  return variable;
}

bool TimingLogEnabled() { return TimingLogVariable() != nullptr; }

void AppendTimingLine(const std::string& line) {
  const char* variable = TimingLogVariable();
  if (!variable) return;
  if (std::FILE* file = std::fopen(TimingLogFile(variable).c_str(), "ab")) {
    std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
  }
}
