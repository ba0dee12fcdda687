// Reading and writing the values that script arguments carry, and the text rules the
// driver matches labels and paths with.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace viewer::script {

// Decimal digits only, at most 9 of them (no sign, no blanks).
std::optional<long> ParseCount(std::string_view text);

// Positive seconds ("20", "2.5"), at most a day; answers milliseconds.
std::optional<int> ParseSecondsAsMilliseconds(std::string_view text);

// "none" or 1-based page numbers separated by commas ("1,5,9").
std::optional<std::vector<int>> ParsePageList(std::string_view text);
// Control ids separated by commas ("1075,1076,1000"), never 65535: that id marks the
// windows without one (static labels, group boxes).
std::optional<std::vector<int>> ParseIdList(std::string_view text);
// "none" for an empty list, else the numbers separated by commas.
std::string FormatNumberList(const std::vector<int>& numbers);

// "none", or item texts separated by "|" ("A3|A4|Letter"), taken exactly as written;
// an empty text is no list.
std::optional<std::vector<std::string>> ParseItemList(std::string_view text);
std::string FormatItemList(const std::vector<std::string>& items);

// An absolute path stays; a relative one is taken from baseDir. "." and ".." parts go.
std::string ResolvePath(const std::string& baseDir, const std::string& path);
// The folder part of a path ("." when it has none).
std::string FolderOf(const std::string& path);

// The Windows form of an absolute Linux path, through Wine's Z: drive.
std::string WindowsPathOf(const std::string& linuxPath);

// A label as shown: single & (mnemonic marks) dropped, && kept as one &.
std::string WithoutMnemonics(std::string_view label);
// Whether a control or menu label matches what a script names: mnemonic marks and
// letter case do not count.
bool LabelMatches(std::string_view label, std::string_view wanted);

std::string ToLower(std::string_view text);

}  // namespace viewer::script
