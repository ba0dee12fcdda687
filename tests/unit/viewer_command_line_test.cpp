#include "core/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace viewer::core {
namespace {

bool Parse(std::vector<const char*> args, ViewerOptions* options, std::string* error) {
  args.insert(args.begin(), "viewer.exe.so");
  return ParseViewerOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(ViewerCommandLine, NoArgumentsGiveTheDefaults) {
  ViewerOptions options;
  std::string error;
  ASSERT_TRUE(Parse({}, &options, &error));
  EXPECT_TRUE(options.pluginsDir.empty());
  EXPECT_TRUE(options.scriptPath.empty());
  EXPECT_TRUE(options.files.empty());
  EXPECT_FALSE(options.setupVersion);
  EXPECT_FALSE(options.handshakeVersion);
  EXPECT_EQ(options.offers.Offered(HostTable::AcroView), kTableVersion50);
}

TEST(ViewerCommandLine, ReadsEveryOption) {
  ViewerOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"--plugins", "/opt/plug_ins", "--offer", "PDSysFont=4.0", "--offer",
                     "PagePDEContent=4.5", "--setup-version", "0x00010000",
                     "--handshake-version", "30000", "--script", "t.tvs", "a.pdf", "b.pdf"},
                    &options, &error))
      << error;
  EXPECT_EQ(options.pluginsDir, "/opt/plug_ins");
  EXPECT_EQ(options.offers.Offered(HostTable::PDSysFont), kTableVersion40);
  EXPECT_EQ(options.offers.Offered(HostTable::PagePDEContent), kTableVersion45);
  EXPECT_EQ(options.setupVersion, 0x00010000u);
  EXPECT_EQ(options.handshakeVersion, 0x00030000u);
  EXPECT_EQ(options.scriptPath, "t.tvs");
  EXPECT_EQ(options.files, (std::vector<std::string>{"a.pdf", "b.pdf"}));
}

TEST(ViewerCommandLine, FilesMayComeBetweenOptions) {
  ViewerOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"a.pdf", "--plugins", "p", "b.pdf"}, &options, &error));
  EXPECT_EQ(options.files, (std::vector<std::string>{"a.pdf", "b.pdf"}));
}

TEST(ViewerCommandLine, DoubleDashEndsOptions) {
  ViewerOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"--", "--plugins"}, &options, &error));
  EXPECT_EQ(options.files, (std::vector<std::string>{"--plugins"}));
}

TEST(ViewerCommandLine, RefusesUnknownOptions) {
  ViewerOptions options;
  std::string error;
  EXPECT_FALSE(Parse({"--plugin", "x"}, &options, &error));
  EXPECT_NE(error.find("--plugin"), std::string::npos);
}

TEST(ViewerCommandLine, RefusesMissingValues) {
  ViewerOptions options;
  std::string error;
  EXPECT_FALSE(Parse({"--script"}, &options, &error));
  EXPECT_NE(error.find("--script"), std::string::npos);
}

TEST(ViewerCommandLine, RefusesBadVersions) {
  ViewerOptions options;
  std::string error;
  EXPECT_FALSE(Parse({"--setup-version", "2.0"}, &options, &error));
  EXPECT_FALSE(Parse({"--offer", "AcroView=4.x"}, &options, &error));
  EXPECT_FALSE(Parse({"--offer", "Nothing=4.0"}, &options, &error));
}

}  // namespace
}  // namespace viewer::core
