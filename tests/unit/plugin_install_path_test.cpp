// The installation folder from the "App Paths" value, and the default files in it.
#include <gtest/gtest.h>

#include "ui/install_path.h"

namespace {

TEST(PluginInstallPath, CutsThePlugInsFileName) {
  EXPECT_EQ(FolderFromAppPath("C:\\Program Files\\Viewer\\plug_ins\\Tessaly.api"),
            "C:\\Program Files\\Viewer\\plug_ins");
}

TEST(PluginInstallPath, CutsAtTheFirstFileName) {
  EXPECT_EQ(FolderFromAppPath("C:\\A\\Tessaly.api\\B\\Tessaly.api"), "C:\\A");
}

TEST(PluginInstallPath, DataWithoutTheExtensionIsTheFolder) {
  EXPECT_EQ(FolderFromAppPath("D:\\Tessaly"), "D:\\Tessaly");
}

TEST(PluginInstallPath, FileNameIsComparedWithItsCase) {
  // The extension is there, the name as written is not: nothing is cut.
  EXPECT_EQ(FolderFromAppPath("C:\\Plug\\tessaly.api"), "C:\\Plug\\tessaly.api");
}

TEST(PluginInstallPath, FileNameAtTheStartLeavesAnEmptyFolder) {
  EXPECT_EQ(FolderFromAppPath("\\Tessaly.api"), "");
}

TEST(PluginInstallPath, DefaultFilesLieInTheFolder) {
  InstallFolder found{InstallFolder::Outcome::Found, "C:\\Plug"};
  EXPECT_EQ(found.FileNamed("Default.ppf"), "C:\\Plug\\Default.ppf");
  EXPECT_FALSE(found.HasNoValue());
}

TEST(PluginInstallPath, WithoutTheKeyTheNamesHaveALeadingBackslashOnly) {
  InstallFolder missing{InstallFolder::Outcome::NoKey, ""};
  EXPECT_EQ(missing.FileNamed("Default.ppf"), "\\Default.ppf");
  EXPECT_FALSE(missing.HasNoValue());
}

TEST(PluginInstallPath, KeyWithoutAValueGivesEmptyPaths) {
  InstallFolder empty{InstallFolder::Outcome::NoValue, ""};
  EXPECT_TRUE(empty.HasNoValue());
  EXPECT_EQ(empty.FileNamed("Default.ban"), "");
}

TEST(PluginInstallPath, KeyIsTheAppPathsEntryOfThePlugIn) {
  EXPECT_STREQ(kAppPathsKey, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tessaly.api");
}

}  // namespace
