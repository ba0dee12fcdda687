#include "script/script_commands.h"

namespace viewer::script {
namespace {

ArgSpec Text(std::string_view name) { return {ArgKind::Text, name, {}}; }
ArgSpec Needle(std::string_view name) { return {ArgKind::Needle, name, {}}; }
ArgSpec Path(std::string_view name) { return {ArgKind::Path, name, {}}; }
ArgSpec Id() { return {ArgKind::ControlId, "ID", {}}; }
ArgSpec Count(std::string_view name) { return {ArgKind::Count, name, {}}; }
ArgSpec Index(std::string_view name) { return {ArgKind::Index, name, {}}; }
ArgSpec Byte(std::string_view name) { return {ArgKind::Byte, name, {}}; }
ArgSpec Measure(std::string_view name) { return {ArgKind::Measure, name, {}}; }
ArgSpec Words(std::string_view name, std::vector<std::string_view> words) {
  return {ArgKind::Keyword, name, std::move(words)};
}

ArgForm Form(std::vector<ArgSpec> args) { return {std::move(args), {}}; }

// The tree commands take an optional tree id in front.
std::vector<ArgForm> TreeForms(std::vector<ArgSpec> args) {
  std::vector<ArgSpec> withId = {Id()};
  withId.insert(withId.end(), args.begin(), args.end());
  return {ArgForm{std::move(withId), {}}, ArgForm{std::move(args), kDefaultTreeId}};
}

std::vector<CommandSpec> BuildTable() {
  const auto presence = Words("enabled|disabled|absent", {"enabled", "disabled", "absent"});
  const auto onOff = Words("on|off", {"on", "off"});
  const auto yesNo = Words("yes|no", {"yes", "no"});
  return {
      {"open", Command::Open, "open FILE", {Form({Path("FILE")})}},
      {"save", Command::Save, "save FILE", {Form({Path("FILE")})}},
      {"quit", Command::Quit, "quit", {Form({})}},
      {"timeout", Command::Timeout, "timeout SECONDS",
       {Form({{ArgKind::Seconds, "SECONDS", {}}})}},
      {"wait-file", Command::WaitFile, "wait-file FILE", {Form({Path("FILE")})}},

      {"menu", Command::Menu, "menu MENU ITEM", {Form({Text("MENU"), Text("ITEM")})}},
      {"expect-menu", Command::ExpectMenu, "expect-menu MENU ITEM enabled|disabled|absent",
       {Form({Text("MENU"), Text("ITEM"), presence})}},
      {"button", Command::Button, "button NAME", {Form({Text("NAME")})}},
      {"expect-button", Command::ExpectButton, "expect-button NAME enabled|disabled|absent",
       {Form({Text("NAME"), presence})}},
      {"expect-button-before", Command::ExpectButtonBefore, "expect-button-before NAME OTHER",
       {Form({Text("NAME"), Text("OTHER")})}},

      {"expect-plugin", Command::ExpectPlugin, "expect-plugin FILE STATE",
       {Form({Text("FILE"), Text("STATE")})}},
      {"expect-tool", Command::ExpectTool, "expect-tool NAME", {Form({Text("NAME")})}},
      {"expect-no-tool", Command::ExpectNoTool, "expect-no-tool NAME", {Form({Text("NAME")})}},
      {"expect-notification", Command::ExpectNotification, "expect-notification N COUNT",
       {Form({Count("N"), Count("COUNT")})}},
      {"expect-host-objects-released", Command::ExpectHostObjectsReleased,
       "expect-host-objects-released", {Form({})}},
      {"fail-host-call", Command::FailHostCall, "fail-host-call on|off", {Form({onOff})}},

      {"expect-pages", Command::ExpectPages, "expect-pages N", {Form({Count("N")})}},
      {"expect-page", Command::ExpectPage, "expect-page N", {Form({Index("N")})}},
      {"expect-thumbs", Command::ExpectThumbs, "expect-thumbs PAGES|none",
       {Form({{ArgKind::PageList, "PAGES|none", {}}})}},
      {"expect-thumbs-shown", Command::ExpectThumbsShown, "expect-thumbs-shown yes|no",
       {Form({yesNo})}},
      {"expect-layers", Command::ExpectLayers, "expect-layers NAMES|none",
       {Form({Text("NAMES|none")})}},

      {"wait-window", Command::WaitWindow, "wait-window CAPTION", {Form({Text("CAPTION")})}},
      {"wait-gone", Command::WaitGone, "wait-gone", {Form({})}},
      {"close-box", Command::CloseBox, "close-box", {Form({})}},
      {"expect-font", Command::ExpectFont, "expect-font FACE", {Form({Text("FACE")})}},
      {"expect-no-window", Command::ExpectNoWindow, "expect-no-window CAPTION",
       {Form({Text("CAPTION")})}},
      {"expect-window-count", Command::ExpectWindowCount, "expect-window-count CAPTION N",
       {Form({Text("CAPTION"), Count("N")})}},
      {"resize", Command::Resize, "resize WIDTH HEIGHT",
       {Form({Count("WIDTH"), Count("HEIGHT")})}},
      {"maximize", Command::Maximize, "maximize", {Form({})}},
      {"expect-rect", Command::ExpectRect, "expect-rect ID X Y WIDTH HEIGHT",
       {Form({Id(), Measure("X"), Measure("Y"), Measure("WIDTH"), Measure("HEIGHT")})}},
      {"expect-rect-dlu", Command::ExpectRectDlu, "expect-rect-dlu ID X Y WIDTH HEIGHT",
       {Form({Id(), Count("X"), Count("Y"), Count("WIDTH"), Count("HEIGHT")})}},

      {"click", Command::Click, "click ID", {Form({Id()})}},
      {"set-text", Command::SetText, "set-text ID TEXT", {Form({Id(), Text("TEXT")})}},
      {"expect-text", Command::ExpectText, "expect-text ID TEXT", {Form({Id(), Text("TEXT")})}},
      {"check", Command::Check, "check ID on|off", {Form({Id(), onOff})}},
      {"expect-check", Command::ExpectCheck, "expect-check ID on|off", {Form({Id(), onOff})}},
      {"expect-enabled", Command::ExpectEnabled, "expect-enabled ID yes|no",
       {Form({Id(), yesNo})}},
      {"choose", Command::Choose, "choose ID TEXT", {Form({Id(), Text("TEXT")})}},
      {"expect-list", Command::ExpectList, "expect-list ID ITEMS|none",
       {Form({Id(), {ArgKind::ItemList, "ITEMS|none", {}}})}},
      {"command", Command::MenuCommand, "command ID", {Form({Id()})}},
      {"post-click", Command::PostClick, "post-click ID", {Form({Id()})}},
      {"expect-menu-command", Command::ExpectMenuCommand, "expect-menu-command ID LABEL",
       {Form({Id(), Text("LABEL")})}},
      {"key", Command::Key, "key enter|escape|space|tab|up|down|left|right",
       {Form({Words("KEY", {"enter", "escape", "space", "tab", "up", "down", "left",
                            "right"})})}},
      {"expect-focus", Command::ExpectFocus, "expect-focus ID", {Form({Id()})}},
      {"expect-tab-order", Command::ExpectTabOrder, "expect-tab-order IDS",
       {Form({{ArgKind::IdList, "IDS", {}}})}},

      {"tree-tick", Command::TreeTick, "tree-tick [ID] LABELSTART",
       TreeForms({Text("LABELSTART")})},
      {"tree-tick-and-leave", Command::TreeTickAndLeave, "tree-tick-and-leave [ID] LABELSTART",
       TreeForms({Text("LABELSTART")})},
      {"tree-click", Command::TreeClick, "tree-click [ID] LABELSTART",
       TreeForms({Text("LABELSTART")})},
      {"expect-tree", Command::ExpectTree,
       "expect-tree [ID] LABELSTART ticked|unticked|absent|present",
       TreeForms({Text("LABELSTART"),
                  Words("STATE", {"ticked", "unticked", "absent", "present"})})},
      {"expect-tree-count", Command::ExpectTreeCount, "expect-tree-count [ID] N",
       TreeForms({Count("N")})},
      {"expect-tree-label", Command::ExpectTreeLabel, "expect-tree-label [ID] INDEX TEXT",
       TreeForms({Index("INDEX"), Text("TEXT")})},
      {"expect-tree-label-length", Command::ExpectTreeLabelLength,
       "expect-tree-label-length [ID] INDEX MIN MAX",
       TreeForms({Index("INDEX"), Count("MIN"), Count("MAX")})},
      {"expect-tree-depth", Command::ExpectTreeDepth, "expect-tree-depth [ID] INDEX DEPTH",
       TreeForms({Index("INDEX"), Index("DEPTH")})},
      {"expect-tree-expanded", Command::ExpectTreeExpanded, "expect-tree-expanded [ID] all|none",
       TreeForms({Words("all|none", {"all", "none"})})},
      {"expect-tree-file", Command::ExpectTreeFile, "expect-tree-file [ID] FILE",
       TreeForms({Path("FILE")})},
      {"save-tree", Command::SaveTree, "save-tree [ID] FILE", TreeForms({Path("FILE")})},

      {"answer-box", Command::AnswerBox, "answer-box TEXT BUTTON [CAPTION]",
       {Form({Needle("TEXT"), Text("BUTTON")}),
        Form({Needle("TEXT"), Text("BUTTON"), Text("CAPTION")})}},
      {"expect-no-box", Command::ExpectNoBox, "expect-no-box [SECONDS]",
       {Form({}), Form({{ArgKind::Seconds, "SECONDS", {}}})}},
      {"expect-tooltip", Command::ExpectTooltip, "expect-tooltip ID TEXT",
       {Form({Id(), Text("TEXT")})}},
      {"answer-file", Command::AnswerFile, "answer-file PATH|cancel",
       {Form({Words("cancel", {"cancel"})}), Form({Path("PATH")})}},
      {"answer-folder", Command::AnswerFolder, "answer-folder PATH|cancel",
       {Form({Words("cancel", {"cancel"})}), Form({Path("PATH")})}},
      {"answer-colour", Command::AnswerColour, "answer-colour R G B|cancel",
       {Form({Words("cancel", {"cancel"})}), Form({Byte("R"), Byte("G"), Byte("B")})}},
      {"answer-print", Command::AnswerPrint, "answer-print ok|cancel [PRINTER]",
       {Form({Words("ok|cancel", {"ok", "cancel"})}),
        Form({Words("ok|cancel", {"ok", "cancel"}), Text("PRINTER")})}},

      {"screenshot", Command::Screenshot, "screenshot FILE", {Form({Path("FILE")})}},
      {"screenshot-screen", Command::ScreenshotScreen, "screenshot-screen FILE",
       {Form({Path("FILE")})}},
      {"screenshot-main", Command::ScreenshotMain, "screenshot-main FILE",
       {Form({Path("FILE")})}},

      {"mark", Command::Mark, "mark LABEL", {Form({Text("LABEL")})}},
      {"probe-start", Command::ProbeStart, "probe-start", {Form({})}},
      {"probe-stop", Command::ProbeStop, "probe-stop LABEL", {Form({Text("LABEL")})}},
  };
}

}  // namespace

const std::vector<CommandSpec>& CommandTable() {
  static const std::vector<CommandSpec> table = BuildTable();
  return table;
}

const CommandSpec* FindCommand(std::string_view name) {
  for (const CommandSpec& entry : CommandTable()) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

}  // namespace viewer::script
