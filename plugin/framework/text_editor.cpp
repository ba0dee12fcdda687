#include "text_editor.h"

#include <vector>

#include "message_caption.h"

namespace {

// Notepad lies in the Windows folder on every version, and a 32-bit process finds it
// there without the system folder's redirection.
std::string NotepadPath() {
  char folder[MAX_PATH];
  const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::string path(folder, length);
  if (path.back() != '\\') path += '\\';
  return path + "notepad.exe";
}

// One quoted argument as the C runtime reads it back: backslashes before the closing
// quote are doubled so that they do not escape it. A path holds no quote.
std::string QuotedArgument(const std::string& text) {
  size_t trailing = 0;
  while (trailing < text.size() && text[text.size() - 1 - trailing] == '\\') ++trailing;
  return '"' + text + std::string(trailing, '\\') + '"';
}

}  // namespace

bool OpenInTextEditor(HWND owner, const std::string& path) {
  const std::string editor = NotepadPath();
  std::string command = QuotedArgument(editor) + ' ' + QuotedArgument(path);
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  // The editor's own name is given apart, so no program is searched for along the path.
  if (!editor.empty() && CreateProcessA(editor.c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
  }
  const std::string message = "Can't open " + path + " in Notepad.";
  MessageBoxA(owner, message.c_str(), kMessageCaption, MB_OK | MB_ICONEXCLAMATION);
  return false;
}
