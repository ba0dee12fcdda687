// The commands of the script language and the arguments each one takes.
#pragma once

#include <string_view>
#include <vector>

namespace viewer::script {

enum class Command {
  Open, Save, Quit, Timeout, WaitFile,
  Menu, ExpectMenu, Button, ExpectButton, ExpectButtonBefore,
  ExpectPlugin, ExpectTool, ExpectNoTool, ExpectNotification, ExpectHostObjectsReleased, FailHostCall,
  ExpectPages, ExpectPage, ExpectThumbs, ExpectThumbsShown, ExpectLayers,
  WaitWindow, WaitGone, ExpectNoWindow, ExpectFont, ExpectWindowCount, CloseBox,
  Resize, Maximize, ExpectRect, ExpectRectDlu,
  Click, SetText, ExpectText, Check, ExpectCheck, ExpectEnabled, Choose, ExpectList,
  MenuCommand, PostClick, ExpectMenuCommand, Key, ExpectFocus, ExpectTabOrder,
  TreeTick, TreeTickAndLeave, TreeClick, ExpectTree, ExpectTreeCount, ExpectTreeLabel,
  ExpectTreeLabelLength, ExpectTreeDepth, ExpectTreeExpanded, ExpectTreeFile, SaveTree,
  AnswerBox, ExpectNoBox, ExpectTooltip, AnswerFile, AnswerFolder, AnswerColour, AnswerPrint,
  Screenshot, ScreenshotScreen, ScreenshotMain,
  Mark, ProbeStart, ProbeStop,
};

enum class ArgKind {
  Text,       // any text
  Needle,     // a text to look for: not empty, which every text holds
  Path,       // a file; relative to the script's folder
  ControlId,  // 0..65535
  Count,      // 0 or more
  Index,      // 1 or more
  Byte,       // 0..255
  Seconds,    // positive, decimals allowed
  Keyword,    // one of the listed words, letter case aside
  PageList,   // "none" or 1,5,9
  IdList,     // control ids: 1075,1076,1000
  ItemList,   // "none" or list items: A3|A4|Letter
  Measure,    // pixels: a number or a sum over the window's W and H ("W-80")
};

struct ArgSpec {
  ArgKind kind;
  std::string_view placeholder;             // how the usage line names it
  std::vector<std::string_view> keywords;   // for ArgKind::Keyword, in lower case
};

// One accepted argument list. A form that leaves out a leading control id has
// defaultId set: the checked step carries that id first, as if it had been written.
struct ArgForm {
  std::vector<ArgSpec> args;
  std::string_view defaultId;
};

struct CommandSpec {
  std::string_view name;
  Command command;
  std::string_view usage;
  std::vector<ArgForm> forms;
};

const std::vector<CommandSpec>& CommandTable();
const CommandSpec* FindCommand(std::string_view name);

// The tree view that tree commands use when the script names none.
inline constexpr std::string_view kDefaultTreeId = "1075";

}  // namespace viewer::script
