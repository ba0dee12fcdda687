#include "core/unix_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

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

}  // namespace
}  // namespace viewer::core
