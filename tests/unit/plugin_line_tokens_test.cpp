// Lines of the plug-in's small text files, read from an open file as a text-mode stream
// with a 255-byte line buffer reads them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/line_tokens.h"
#include "memory_file.h"
#include "settings/settings_file.h"

namespace {

std::vector<std::string> LinesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  WithMemoryFile(bytes, [&](std::FILE* file) {
    ForEachTextLineOfFile(file, [&](std::string_view line) { lines.emplace_back(line); });
  });
  return lines;
}

using Lines = std::vector<std::string>;

TEST(PluginLineTokens, LineEndsPiecesAndTheEndMark) {
  EXPECT_EQ(LinesOf("A;1\r\nB;2\r\n"), (Lines{"A;1\n", "B;2\n"}));
  // A CR without a LF after it stays in the line, also at the very end.
  EXPECT_EQ(LinesOf("lone\rreturn\r"), (Lines{"lone\rreturn\r"}));
  EXPECT_EQ(LinesOf("no line end"), (Lines{"no line end"}));
  EXPECT_EQ(LinesOf(""), Lines{});
  // Ctrl-Z ends the file, a CR before it included.
  EXPECT_EQ(LinesOf("kept\x1alost\n"), (Lines{"kept"}));
  EXPECT_EQ(LinesOf("return then mark\r\x1a"), (Lines{"return then mark\r"}));
  // Pieces of 254: a line of exactly 254 leaves its line end as a line of its own.
  EXPECT_EQ(LinesOf(std::string(254, 'z') + "\r\n"), (Lines{std::string(254, 'z'), "\n"}));
  EXPECT_EQ(LinesOf(std::string(600, 'x') + "\n"),
            (Lines{std::string(254, 'x'), std::string(254, 'x'), std::string(92, 'x') + "\n"}));
  // A CR LF split by the piece boundary is still one line end.
  EXPECT_EQ(LinesOf(std::string(253, 'y') + "\r\n"), (Lines{std::string(253, 'y') + "\n"}));
  EXPECT_EQ(LinesOf(std::string("nul\0inside\n", 11)), (Lines{std::string("nul\0inside\n", 11)}));
}

TEST(PluginLineTokens, ANulByteStaysInsideItsToken) {
  PrintSettings settings;
  WithMemoryFile(std::string("SELECTTEXT;ab\0cd\r\nPAGESIZE;A4\r\n", 31),
                 [&](std::FILE* file) { ApplySettingsFile(settings, file); });
  EXPECT_EQ(settings.selectText, std::string("ab\0cd", 5));
  EXPECT_EQ(settings.pageSize, "A4");
}

}  // namespace
