#include "core/unix_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace viewer::core {
namespace {

TEST(ViewerUnixFiles, SplitsPaths) {
  EXPECT_EQ(FileNameOf("/a/b/c.pdf"), "c.pdf");
  EXPECT_EQ(FileNameOf("c.pdf"), "c.pdf");
  EXPECT_EQ(FolderOf("/a/b/c.pdf"), "/a/b");
  EXPECT_EQ(FolderOf("/c.pdf"), "/");
  EXPECT_EQ(FolderOf("c.pdf"), ".");
  EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
  EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
  EXPECT_EQ(JoinPath("", "b"), "b");
}

TEST(ViewerUnixFiles, ListsFilesWithAnExtensionInNameOrder) {
  char folder[] = "/tmp/viewer-files-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string dir = folder;
  for (const char* name : {"b.api", "a.api", "c.txt", "api", "x.api.bak"}) {
    std::FILE* file = std::fopen(JoinPath(dir, name).c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
  }
  EXPECT_EQ(FilesWithExtension(dir, ".api"),
            (std::vector<std::string>{dir + "/a.api", dir + "/b.api"}));
  EXPECT_TRUE(IsSameFile(dir + "/a.api", dir + "/../" + FileNameOf(dir) + "/a.api"));
  EXPECT_FALSE(IsSameFile(dir + "/a.api", dir + "/b.api"));
  EXPECT_TRUE(RenameFile(dir + "/c.txt", dir + "/d.txt"));
  for (const char* name : {"a.api", "b.api", "d.txt", "api", "x.api.bak"}) {
    std::remove(JoinPath(dir, name).c_str());
  }
  rmdir(folder);
  EXPECT_TRUE(FilesWithExtension(dir, ".api").empty());
}

// Bytes of every value, NULs included, past the size of one read; nothing for a file
// that is not there.
TEST(ViewerUnixFiles, ReadsAFileWhole) {
  char name[] = "/tmp/viewer-whole-XXXXXX";
  const int fd = mkstemp(name);
  ASSERT_GE(fd, 0);
  std::string written;
  for (int i = 0; i < 200000; ++i) written.push_back(static_cast<char>(i * 7));
  ASSERT_EQ(write(fd, written.data(), written.size()), static_cast<ssize_t>(written.size()));
  close(fd);
  std::string read = "kept ";
  EXPECT_TRUE(ReadWholeFile(name, read));
  EXPECT_EQ(read, "kept " + written);
  std::remove(name);
  std::string none;
  EXPECT_FALSE(ReadWholeFile(name, none));
  EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace viewer::core
