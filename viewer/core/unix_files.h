// Linux file-system helpers for the viewer. Winelib code cannot use std::filesystem:
// with _WIN32 defined its headers take paths for wide-character Windows paths, which
// the Linux standard library they link against does not match.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace viewer::core {

// "/a/b/c.pdf" -> "c.pdf"
std::string FileNameOf(const std::string& path);
// "/a/b/c.pdf" -> "/a/b"; "c.pdf" -> "."; "/c.pdf" -> "/"
std::string FolderOf(const std::string& path);
// folder + '/' + name, without doubling the slash.
std::string JoinPath(const std::string& folder, const std::string& name);
// Full paths of the regular files in folder whose names end in extension (".api"),
// sorted by name; empty when the folder cannot be read.
std::vector<std::string> FilesWithExtension(const std::string& folder,
                                            const std::string& extension);
// Whether both paths name one existing file.
bool IsSameFile(const std::string& first, const std::string& second);
bool RenameFile(const std::string& from, const std::string& to);
// Appends the bytes of the file at path to `bytes`; false when it cannot be read whole.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Writes a file whole in the place of `target`, or not at all: `write` fills a new file
// beside it, which takes the target's place only once every byte is on the disk. False,
// with the target as it was and nothing left beside it, when a step failed; when
// `write` throws, the new file is removed and the exception goes on.
bool WriteFileWhole(const std::string& target, const std::function<void(std::FILE*)>& write);

}  // namespace viewer::core
