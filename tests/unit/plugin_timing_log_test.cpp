// The timing log: one line per phase, only when TESSALY_TIMINGS names a file.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "model/timing_log.h"

namespace {

TEST(PluginTimingLog, BuildLineNamesEachPhase) {
  BuildTiming timing;
  timing.walkMs = 812.25;
  timing.hostCallsMs = 700;
  timing.pumpMs = 3.5;
  timing.pumps = 31;
  timing.entries = 16384;
  EXPECT_EQ(FormatBuildTiming(timing),
            "build walk=812.2ms hostcalls=700.0ms pump=3.5ms pumps=31 entries=16384");
}

TEST(PluginTimingLog, FillLineNamesEachPhase) {
  FillTiming timing;
  timing.rangesMs = 0.5;
  timing.insertsMs = 210;
  timing.pumpMs = 1;
  timing.pumps = 8;
  timing.items = 16384;
  EXPECT_EQ(FormatFillTiming(timing),
            "fill ranges=0.5ms inserts=210.0ms pump=1.0ms pumps=8 items=16384");
}

TEST(PluginTimingLog, ExpandLineNamesEachPhase) {
  ExpandTiming timing;
  timing.code = 2;
  timing.items = 2800;
  timing.walkMs = 0.25;
  timing.expandMs = 95;
  timing.pumpMs = 0.5;
  timing.pumps = 4;
  timing.treeHidden = true;
  EXPECT_EQ(FormatExpandTiming(timing),
            "expand code=2 items=2800 walk=0.2ms expand=95.0ms pump=0.5ms pumps=4 hidden=1");
}

TEST(PluginTimingLog, PrintLineNamesEachPhase) {
  PrintTiming timing;
  timing.jobs = 1024;
  timing.printMs = 822.5;
  timing.progressMs = 1037.64;
  timing.listMs = 136.4;
  timing.totalMs = 2003.1;
  EXPECT_EQ(FormatPrintTiming(timing),
            "print jobs=1024 print=822.5ms progress=1037.6ms list=136.4ms total=2003.1ms");
}

TEST(PluginTimingLog, LinuxPathsAreReachedThroughDriveZ) {
  EXPECT_EQ(TimingLogFile("/tmp/timings.txt"), "Z:/tmp/timings.txt");
  EXPECT_EQ(TimingLogFile("C:\\timings.txt"), "C:\\timings.txt");
}

class PluginTimingLogFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/plugin-timing-XXXXXX";
    const int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
    close(fd);
    path_ = name;
  }
  void TearDown() override {
    unsetenv("TESSALY_TIMINGS");
    std::remove(path_.c_str());
    std::remove(("Z:" + path_).c_str());
  }
  std::string Contents() const {
    std::ifstream in(path_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string path_;
};

TEST_F(PluginTimingLogFile, NothingIsWrittenWhenTheVariableIsUnset) {
  unsetenv("TESSALY_TIMINGS");
  EXPECT_FALSE(TimingLogEnabled());
  AppendTimingLine("build walk=1.0ms");
  EXPECT_EQ(Contents(), "");
}

TEST_F(PluginTimingLogFile, NothingIsWrittenWhenTheVariableIsEmpty) {
  setenv("TESSALY_TIMINGS", "", 1);
  EXPECT_FALSE(TimingLogEnabled());
}

TEST_F(PluginTimingLogFile, LinesAreAppendedToTheNamedFile) {
  // Natively the file is opened under the name as the plug-in would hand it to Windows;
  // a relative Windows-style name shows that appending works.
  const std::string windowsStyle = "plugin-timing-test.txt";
  setenv("TESSALY_TIMINGS", windowsStyle.c_str(), 1);
  std::remove(windowsStyle.c_str());
  EXPECT_TRUE(TimingLogEnabled());
  AppendTimingLine("first");
  AppendTimingLine("second");
  std::ifstream in(windowsStyle);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "first\nsecond\n");
  std::remove(windowsStyle.c_str());
}

}  // namespace
