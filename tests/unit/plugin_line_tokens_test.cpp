// Lines of the plug-in's small text files, read from bytes in memory and from an open
// file alike.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/line_tokens.h"
#include "settings/settings_file.h"

namespace {

std::vector<std::string> LinesOfBytes(const std::string& bytes) {
  std::vector<std::string> lines;
  ForEachTextLine(bytes, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

std::vector<std::string> LinesOfFile(const std::string& bytes) {
  std::vector<std::string> lines;
  std::FILE* file = fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
  EXPECT_NE(file, nullptr);
  if (!file) return lines;
  ForEachTextLineOfFile(file, [&](std::string_view line) { lines.emplace_back(line); });
  std::fclose(file);
  return lines;
}

TEST(PluginLineTokens, AFileReadsAsItsBytesDo) {
  const std::string cases[] = {
      "A;1\r\nB;2\r\n",
      "lone\rreturn\r",
      std::string("nul\0inside;x\r\n", 15),
      "before\x1a after the end mark",
      "return then mark\r\x1a",
      std::string(600, 'x') + "\r\n" + std::string(253, 'y') + "\r\n",
      std::string(254, 'z') + "\r\n",
      "no line end",
  };
  for (const std::string& bytes : cases) EXPECT_EQ(LinesOfFile(bytes), LinesOfBytes(bytes)) << bytes;
  // What both give: CR LF becomes LF, a lone CR stays, pieces of 254, Ctrl-Z ends.
  EXPECT_EQ(LinesOfBytes("A\r\nB\rC"), (std::vector<std::string>{"A\n", "B\rC"}));
  EXPECT_EQ(LinesOfBytes(std::string(254, 'z') + "\r\n"),
            (std::vector<std::string>{std::string(254, 'z'), "\n"}));
  EXPECT_EQ(LinesOfBytes("kept\x1alost\n"), (std::vector<std::string>{"kept"}));
}

TEST(PluginLineTokens, ANulByteStaysInsideItsToken) {
  PrintSettings settings;
  const std::string bytes("SELECTTEXT;ab\0cd\r\nPAGESIZE;A4\r\n", 31);
  std::FILE* file = fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
  ASSERT_NE(file, nullptr);
  ApplySettingsFile(settings, file);
  std::fclose(file);
  EXPECT_EQ(settings.selectText, std::string("ab\0cd", 5));
  EXPECT_EQ(settings.pageSize, "A4");
}

}  // namespace
