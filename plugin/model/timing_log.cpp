#include "timing_log.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

const char* TimingLogVariable() {
  const char* path = std::getenv("TESSALY_TIMINGS");
  return path && *path ? path : nullptr;
}

// One line of figures, as the format says.
[[gnu::format(printf, 1, 2)]] std::string TimingLine(const char* format, ...) {
  char line[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  return line;
}

}  // namespace

std::string FormatBuildTiming(const BuildTiming& t) {
  return TimingLine("build walk=%.1fms hostcalls=%.1fms pump=%.1fms pumps=%d entries=%d",
                    t.walkMs, t.hostCallsMs, t.pumpMs, t.pumps, t.entries);
}

std::string FormatPrintTiming(const PrintTiming& t) {
  return TimingLine("print jobs=%d print=%.1fms progress=%.1fms list=%.1fms total=%.1fms",
                    t.jobs, t.printMs, t.progressMs, t.listMs, t.totalMs);
}

std::string FormatClearTiming(const ClearTiming& t) {
  return TimingLine("clear items=%d delete=%.1fms pump=%.1fms pumps=%d", t.items, t.deleteMs,
                    t.pumpMs, t.pumps);
}

std::string FormatFillTiming(const FillTiming& t) {
  return TimingLine("fill ranges=%.1fms inserts=%.1fms pump=%.1fms pumps=%d items=%d",
                    t.rangesMs, t.insertsMs, t.pumpMs, t.pumps, t.items);
}

std::string FormatExpandTiming(const ExpandTiming& t) {
  return TimingLine(
      "expand code=%d items=%d walk=%.1fms expand=%.1fms pump=%.1fms pumps=%d hidden=%d",
      t.code, t.items, t.walkMs, t.expandMs, t.pumpMs, t.pumps, t.treeHidden ? 1 : 0);
}

std::string FormatChecksTiming(const ChecksTiming& t) {
  return TimingLine(
      "checks tool=%s read=%d changed=%d rules=%.1fms apply=%.1fms pump=%.1fms hidden=%d",
      t.tool, t.read, t.changed, t.rulesMs, t.applyMs, t.pumpMs, t.treeHidden ? 1 : 0);
}

std::string FormatRefreshTiming(const RefreshTiming& t) {
  return TimingLine(
      "refresh read=%.1fms mark=%.1fms drop=%.1fms pump=%.1fms checked=%d ticked=%d",
      t.readMs, t.markMs, t.dropMs, t.pumpMs, t.checked, t.ticked);
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
