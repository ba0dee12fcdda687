#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdio>
#include <string>

#include "framework/file_swap.h"
#include "framework/whole_files.h"
#include "written_files.h"

namespace {

std::string NewFolder() {
  char folder[] = "/tmp/tessaly-swap-XXXXXX";
  return mkdtemp(folder) ? folder : "";
}

void Put(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

TEST(PluginWholeFiles, ReplacesTheFileAndLeavesNothingBeside) {
  const std::string folder = NewFolder();
  const std::string path = folder + "/Default.ppf";
  Put(path, "OLD SETTINGS\r\n");
  EXPECT_TRUE(WriteWholeFile(path, "NEW\r\n"));
  EXPECT_EQ(FileBytes(path), "NEW\r\n");
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Default.ppf"});
  // A new file too.
  EXPECT_TRUE(WriteWholeFile(folder + "/report.txt", ""));
  EXPECT_EQ(FolderEntries(folder).size(), 2u);
}

TEST(PluginWholeFiles, AFullDiskLeavesThePreviousFileAsItWas) {
  const std::string folder = NewFolder();
  const std::string path = folder + "/Default.ban";
  const std::string previous(3000, 'p');
  Put(path, previous);
  bool written = true;
  {
    const FileSizeLimit disk(1024);
    written = WriteWholeFile(path, std::string(5000, 'n'));
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(FileBytes(path), previous);
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Default.ban"});
}

TEST(PluginWholeFiles, AFolderThatDoesNotExistIsReported) {
  EXPECT_FALSE(WriteWholeFile(NewFolder() + "/no-such-folder/x.csv", "a,b\r\n"));
}

// Files left by runs that ended before their commit keep their names; a new name is
// found beside them.
TEST(PluginWholeFiles, NamesLeftBehindAreNotTaken) {
  const std::string folder = NewFolder();
  const std::string path = folder + "/numbers.csv";
  Put(NewFileNameBeside(path, 1), "left behind");
  EXPECT_TRUE(WriteWholeFile(path, "1,2\r\n"));
  EXPECT_EQ(FileBytes(path), "1,2\r\n");
  EXPECT_EQ(FileBytes(NewFileNameBeside(path, 1)), "left behind");
  EXPECT_EQ(FolderEntries(folder).size(), 2u);
}

// The longest name a folder takes: the new file's name beside it must not be longer.
TEST(PluginWholeFiles, ATargetNameOf255CharactersIsWritten) {
  const std::string folder = NewFolder();
  const std::string path = folder + "/" + std::string(251, 'n') + ".csv";
  EXPECT_TRUE(WriteWholeFile(path, "1,2\r\n"));
  EXPECT_EQ(FileBytes(path), "1,2\r\n");
  EXPECT_EQ(FolderEntries(folder).size(), 1u);
  // Windows paths keep the new file in the target's folder too.
  EXPECT_EQ(NewFileNameBeside("C:\\Reports\\" + std::string(240, 'x') + ".txt", 3),
            "C:\\Reports\\~ts3.tmp");
  EXPECT_EQ(NewFileNameBeside("plain.txt", 1), "~ts1.tmp");
}

TEST(PluginNewFileBeside, ADiscardedOrFailedFileNeverTakesTheTargetsPlace) {
  const std::string folder = NewFolder();
  const std::string path = folder + "/target";
  Put(path, "kept");
  {
    CNewFileBeside file;
    ASSERT_TRUE(file.Create(path));
    std::fputs("dropped", file.file());
  }  // destroyed without a commit
  EXPECT_EQ(FileBytes(path), "kept");
  CNewFileBeside failed;
  ASSERT_TRUE(failed.Create(path));
  std::fputs("short", failed.file());
  failed.Fail();
  EXPECT_FALSE(failed.Commit());
  EXPECT_EQ(FileBytes(path), "kept");
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"target"});
}

}  // namespace
