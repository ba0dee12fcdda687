// Linux file-system helpers for the viewer. Winelib code cannot use std::filesystem:
// with _WIN32 defined its headers take paths for wide-character Windows paths, which
// the Linux standard library they link against does not match.
#pragma once

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

}  // namespace viewer::core
