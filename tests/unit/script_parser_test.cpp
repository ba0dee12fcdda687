#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>

#include "script/script_parser.h"

namespace viewer::script {
namespace {

EnvLookup FakeEnv(std::map<std::string, std::string> values = {}) {
  return [values](const std::string& name) -> std::optional<std::string> {
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
}

struct Parsed {
  bool ok = false;
  Script script;
  std::string errors;
};

Parsed Parse(std::string_view text, const EnvLookup& env = FakeEnv()) {
  Parsed p;
  p.ok = ParseScript(text, "t.tvs", "/scripts", env, &p.script, &p.errors);
  return p;
}

// Parses one line that must be good and returns its step.
Step One(std::string_view line) {
  Parsed p = Parse(line);
  EXPECT_TRUE(p.ok) << p.errors;
  EXPECT_EQ(p.script.steps.size(), 1u);
  return p.script.steps.empty() ? Step{} : p.script.steps[0];
}

std::string ErrorOf(std::string_view line) {
  Parsed p = Parse(line);
  EXPECT_FALSE(p.ok);
  return p.errors;
}

TEST(ScriptParser, StepsKeepTheirLineAndSource) {
  Parsed p = Parse("# a script\n\nopen  a.pdf\r\nmenu Extensions \"&Tessaly\"\n");
  ASSERT_TRUE(p.ok) << p.errors;
  ASSERT_EQ(p.script.steps.size(), 2u);
  EXPECT_EQ(p.script.file, "t.tvs");
  EXPECT_EQ(p.script.steps[0].command, Command::Open);
  EXPECT_EQ(p.script.steps[0].line, 3);
  EXPECT_EQ(p.script.steps[0].source, "open  a.pdf");
  EXPECT_EQ(p.script.steps[0].args, std::vector<std::string>{"/scripts/a.pdf"});
  EXPECT_EQ(p.script.steps[1].command, Command::Menu);
  EXPECT_EQ(p.script.steps[1].line, 4);
  EXPECT_EQ(p.script.steps[1].args, (std::vector<std::string>{"Extensions", "&Tessaly"}));
}

TEST(ScriptParser, AnEmptyScriptIsGood) {
  Parsed p = Parse("");
  EXPECT_TRUE(p.ok);
  EXPECT_TRUE(p.script.steps.empty());
}

TEST(ScriptParser, ByteOrderMarkIsSkipped) {
  EXPECT_TRUE(Parse("\xEF\xBB\xBFquit\n").ok);
}

TEST(ScriptParser, EveryBadLineIsListed) {
  Parsed p = Parse("open\nfrobnicate 1\nclick 1003\nclick x\nwait-window \"a\n");
  EXPECT_FALSE(p.ok);
  EXPECT_EQ(p.errors,
            "t.tvs:1: wrong number of arguments (0 arguments); usage: open FILE\n"
            "t.tvs:2: unknown command 'frobnicate'\n"
            "t.tvs:4: ID: 'x' is not a control id (0 to 65535)\n"
            "t.tvs:5: unclosed quote");
  EXPECT_TRUE(p.script.steps.empty());
}

TEST(ScriptParser, UnsetVariableRefusesTheScript) {
  EXPECT_EQ(ErrorOf("open ${FIXTURES}/a.pdf"),
            "t.tvs:1: environment variable FIXTURES is not set");
  Parsed p = Parse("open ${FIXTURES}/a.pdf", FakeEnv({{"FIXTURES", "/tmp/f"}}));
  ASSERT_TRUE(p.ok) << p.errors;
  EXPECT_EQ(p.script.steps[0].args[0], "/tmp/f/a.pdf");
}

TEST(ScriptParser, CommandNamesAreCaseSensitive) {
  EXPECT_EQ(ErrorOf("Quit"), "t.tvs:1: unknown command 'Quit'");
}

TEST(ScriptParser, ArgumentCounts) {
  EXPECT_EQ(ErrorOf("quit now"),
            "t.tvs:1: wrong number of arguments (1 argument); usage: quit");
  EXPECT_EQ(ErrorOf("answer-box only"),
            "t.tvs:1: wrong number of arguments (1 argument); usage: answer-box TEXT BUTTON "
            "[CAPTION]");
  EXPECT_EQ(ErrorOf("answer-colour 1 2"),
            "t.tvs:1: wrong number of arguments (2 arguments); usage: answer-colour R G "
            "B|cancel");
}

// A check that every message passes is no check.
TEST(ScriptParser, AnEmptyMessageTextIsRefused) {
  EXPECT_EQ(ErrorOf("answer-box \"\" OK"), "t.tvs:1: TEXT: empty, which any text holds");
  EXPECT_EQ(ErrorOf("answer-box \"\" OK Caption"), "t.tvs:1: TEXT: empty, which any text holds");
  EXPECT_EQ(ErrorOf("expect-no-box soon"),
            "t.tvs:1: SECONDS: 'soon' is not a number of seconds (like 20 or 2.5)");
}

TEST(ScriptParser, NumbersAreChecked) {
  EXPECT_EQ(ErrorOf("click 70000"), "t.tvs:1: ID: '70000' is not a control id (0 to 65535)");
  EXPECT_EQ(ErrorOf("expect-pages -1"), "t.tvs:1: N: '-1' is not a number (0 or more)");
  EXPECT_EQ(ErrorOf("expect-page 0"), "t.tvs:1: N: '0' is not a number (1 or more)");
  EXPECT_EQ(ErrorOf("answer-colour 0 256 0"), "t.tvs:1: G: '256' is not a number from 0 to 255");
  EXPECT_EQ(ErrorOf("timeout soon"),
            "t.tvs:1: SECONDS: 'soon' is not a number of seconds (like 20 or 2.5)");
  EXPECT_EQ(ErrorOf("expect-thumbs 1,x"),
            "t.tvs:1: PAGES|none: '1,x' is not a page list (like 1,5,9) or none");
  EXPECT_EQ(One("timeout 2.5").args, std::vector<std::string>{"2.5"});
}

TEST(ScriptParser, KeywordsIgnoreCaseAndAreStoredInLowerCase) {
  EXPECT_EQ(One("answer-print OK").args, std::vector<std::string>{"ok"});
  EXPECT_EQ(One("check 1082 On").args, (std::vector<std::string>{"1082", "on"}));
  EXPECT_EQ(ErrorOf("check 1082 maybe"), "t.tvs:1: on|off: 'maybe' is not on or off");
  EXPECT_EQ(ErrorOf("expect-button X shown"),
            "t.tvs:1: enabled|disabled|absent: 'shown' is not enabled, disabled or absent");
  EXPECT_EQ(ErrorOf("key f1"),
            "t.tvs:1: KEY: 'f1' is not enter, escape, space, tab, up, down, left or right");
}

TEST(ScriptParser, TreeCommandsTakeAnOptionalTreeId) {
  EXPECT_EQ(One("tree-tick \"Chapter 1\"").args,
            (std::vector<std::string>{"1075", "Chapter 1"}));
  EXPECT_EQ(One("tree-tick 1200 Chapter").args, (std::vector<std::string>{"1200", "Chapter"}));
  EXPECT_EQ(One("tree-click Intro").args, (std::vector<std::string>{"1075", "Intro"}));
  EXPECT_EQ(One("expect-tree Intro ticked").args,
            (std::vector<std::string>{"1075", "Intro", "ticked"}));
  EXPECT_EQ(One("expect-tree 7 Intro absent").args,
            (std::vector<std::string>{"7", "Intro", "absent"}));
  EXPECT_EQ(One("expect-tree-count 12").args, (std::vector<std::string>{"1075", "12"}));
  EXPECT_EQ(One("expect-tree-count 1075 12").args, (std::vector<std::string>{"1075", "12"}));
  EXPECT_EQ(One("expect-tree-label 2 \"B     (Page: 3)\"").args,
            (std::vector<std::string>{"1075", "2", "B     (Page: 3)"}));
  EXPECT_EQ(ErrorOf("tree-tick Chapter One"),
            "t.tvs:1: ID: 'Chapter' is not a control id (0 to 65535)");
  EXPECT_EQ(ErrorOf("expect-tree-label 0 x"), "t.tvs:1: INDEX: '0' is not a number (1 or more)");
}

TEST(ScriptParser, NewTreeCommandsTakeAnOptionalTreeIdToo) {
  EXPECT_EQ(One("expect-tree-depth 3 2").args, (std::vector<std::string>{"1075", "3", "2"}));
  EXPECT_EQ(One("expect-tree-expanded All").args, (std::vector<std::string>{"1075", "all"}));
  EXPECT_EQ(One("expect-tree-expanded 1200 none").args,
            (std::vector<std::string>{"1200", "none"}));
  EXPECT_EQ(One("expect-tree-file trees/a.tree").args,
            (std::vector<std::string>{"1075", "/scripts/trees/a.tree"}));
  EXPECT_EQ(One("save-tree 1075 /tmp/t.tree").args,
            (std::vector<std::string>{"1075", "/tmp/t.tree"}));
  EXPECT_EQ(One("expect-tree-label-length 1 4000 4095").args,
            (std::vector<std::string>{"1075", "1", "4000", "4095"}));
  EXPECT_EQ(ErrorOf("expect-tree-expanded some"),
            "t.tvs:1: all|none: 'some' is not all or none");
  EXPECT_EQ(ErrorOf("expect-tree-depth 1 0"), "t.tvs:1: DEPTH: '0' is not a number (1 or more)");
}

TEST(ScriptParser, RectanglesTakeMeasures) {
  EXPECT_EQ(One("expect-rect 1075 69 7 W-80 H-183").args,
            (std::vector<std::string>{"1075", "69", "7", "W-80", "H-183"}));
  EXPECT_EQ(One("expect-rect 1003 W/2-80 H-80 180 21").args[1], "W/2-80");
  EXPECT_EQ(ErrorOf("expect-rect 1075 69 7 W-80 H - 183"),
            "t.tvs:1: wrong number of arguments (7 arguments); usage: expect-rect ID X Y WIDTH "
            "HEIGHT");
  EXPECT_EQ(ErrorOf("expect-rect 1075 69 7 w-80 1"),
            "t.tvs:1: WIDTH: 'w-80' is not a measure in pixels (like 69, W-80 or W/2-80)");
  EXPECT_EQ(One("expect-rect 1097 W-292 H-115 220 *").args[4], "*");
  EXPECT_EQ(One("expect-rect-dlu 1081 3 249 40 21").args,
            (std::vector<std::string>{"1081", "3", "249", "40", "21"}));
  EXPECT_EQ(ErrorOf("expect-rect-dlu 1081 3 W 40 21"),
            "t.tvs:1: Y: 'W' is not a number (0 or more)");
  EXPECT_EQ(One("resize 300 150").args, (std::vector<std::string>{"300", "150"}));
  EXPECT_EQ(One("maximize").args, std::vector<std::string>{});
}

TEST(ScriptParser, BoxesWindowsAndMarks) {
  EXPECT_EQ(One("expect-no-box").command, Command::ExpectNoBox);
  EXPECT_EQ(One("expect-window-count \"Tessaly 1.16\" 1").args,
            (std::vector<std::string>{"Tessaly 1.16", "1"}));
  EXPECT_EQ(One("mark \"tree filled\"").args, std::vector<std::string>{"tree filled"});
}

TEST(ScriptParser, ExpectListTakesItemsOrNone) {
  EXPECT_EQ(One("expect-list 1097 \"A3|A4|Letter\"").args,
            (std::vector<std::string>{"1097", "A3|A4|Letter"}));
  EXPECT_EQ(One("expect-list 1097 none").command, Command::ExpectList);
  EXPECT_EQ(One("expect-list 1097 \"Letter (8.5 x 11 in)\"").args[1], "Letter (8.5 x 11 in)");
  EXPECT_EQ(ErrorOf("expect-list 1097 \"\""),
            "t.tvs:1: ITEMS|none: '' is not a list of items (like A3|A4|Letter) or none");
  EXPECT_EQ(ErrorOf("expect-list A3|A4"),
            "t.tvs:1: wrong number of arguments (1 argument); usage: expect-list ID ITEMS|none");
  EXPECT_EQ(ErrorOf("expect-list A3 A4"),
            "t.tvs:1: ID: 'A3' is not a control id (0 to 65535)");
  EXPECT_EQ(ErrorOf("expect-list 1097 A3 A4"),
            "t.tvs:1: wrong number of arguments (3 arguments); usage: expect-list ID ITEMS|none");
}

TEST(ScriptParser, ExpectFocusTakesAControlId) {
  EXPECT_EQ(One("expect-focus 1075").args, std::vector<std::string>{"1075"});
  EXPECT_EQ(One("expect-focus 1075").command, Command::ExpectFocus);
  EXPECT_EQ(ErrorOf("expect-focus tree"), "t.tvs:1: ID: 'tree' is not a control id (0 to 65535)");
  EXPECT_EQ(ErrorOf("expect-focus 65536"),
            "t.tvs:1: ID: '65536' is not a control id (0 to 65535)");
  EXPECT_EQ(ErrorOf("expect-focus"),
            "t.tvs:1: wrong number of arguments (0 arguments); usage: expect-focus ID");
}

TEST(ScriptParser, ExpectTabOrderTakesAListOfControlIds) {
  EXPECT_EQ(One("expect-tab-order 1075,1076,1000").args,
            std::vector<std::string>{"1075,1076,1000"});
  EXPECT_EQ(One("expect-tab-order \"1075, 1076\"").command, Command::ExpectTabOrder);
  EXPECT_EQ(One("expect-tab-order 1000").args, std::vector<std::string>{"1000"});
  const std::string why = "' is not a list of control ids (like 1075,1076,1000)";
  EXPECT_EQ(ErrorOf("expect-tab-order 1075,x"), "t.tvs:1: IDS: '1075,x" + why);
  EXPECT_EQ(ErrorOf("expect-tab-order 1075,,1076"), "t.tvs:1: IDS: '1075,,1076" + why);
  EXPECT_EQ(ErrorOf("expect-tab-order 1075,70000"), "t.tvs:1: IDS: '1075,70000" + why);
  EXPECT_EQ(ErrorOf("expect-tab-order 1075,65535"), "t.tvs:1: IDS: '1075,65535" + why);
  EXPECT_EQ(ErrorOf("expect-tab-order none"), "t.tvs:1: IDS: 'none" + why);
  EXPECT_EQ(ErrorOf("expect-tab-order 1075 1076"),
            "t.tvs:1: wrong number of arguments (2 arguments); usage: expect-tab-order IDS");
}

TEST(ScriptParser, ABadListRefusesTheWholeScriptBeforeItRuns) {
  Parsed p = Parse("expect-focus 1075\nexpect-tab-order 1075;1076\nexpect-list 1097 \"\"\n"
                   "expect-list 1097 none\n");
  EXPECT_FALSE(p.ok);
  EXPECT_EQ(p.errors,
            "t.tvs:2: IDS: '1075;1076' is not a list of control ids (like 1075,1076,1000)\n"
            "t.tvs:3: ITEMS|none: '' is not a list of items (like A3|A4|Letter) or none");
  EXPECT_TRUE(p.script.steps.empty());
}

TEST(ScriptParser, AnswerFileTakesAPathOrCancel) {
  EXPECT_EQ(One("answer-file cancel").args, std::vector<std::string>{"cancel"});
  EXPECT_EQ(One("answer-file Cancel").args, std::vector<std::string>{"cancel"});
  EXPECT_EQ(One("answer-file out/r.txt").args, std::vector<std::string>{"/scripts/out/r.txt"});
  EXPECT_EQ(One("answer-file ./cancel").args, std::vector<std::string>{"/scripts/cancel"});
  EXPECT_EQ(ErrorOf("answer-file \"\""), "t.tvs:1: PATH: empty file name");
}

TEST(ScriptParser, AnswerColourTakesThreeBytesOrCancel) {
  EXPECT_EQ(One("answer-colour 255 0 128").args,
            (std::vector<std::string>{"255", "0", "128"}));
  EXPECT_EQ(One("answer-colour cancel").args, std::vector<std::string>{"cancel"});
  EXPECT_EQ(ErrorOf("answer-colour red"), "t.tvs:1: cancel: 'red' is not cancel");
}

TEST(ScriptParser, OptionalTrailingArguments) {
  EXPECT_EQ(One("answer-box \"Done.\" OK").args, (std::vector<std::string>{"Done.", "OK"}));
  EXPECT_EQ(One("answer-box \"Done.\" OK Tessaly").args,
            (std::vector<std::string>{"Done.", "OK", "Tessaly"}));
  EXPECT_EQ(One("answer-print cancel \"Spool printer\"").args,
            (std::vector<std::string>{"cancel", "Spool printer"}));
}

TEST(ScriptParser, AbsolutePathsStay) {
  EXPECT_EQ(One("screenshot /tmp/shot.png").args, std::vector<std::string>{"/tmp/shot.png"});
  EXPECT_EQ(One("save ../out.pdf").args, std::vector<std::string>{"/out.pdf"});
}

TEST(ScriptParser, EveryCommandOfTheTableParsesFromItsUsage) {
  // The usage line of each command, with placeholders filled in, must be accepted.
  for (const CommandSpec& entry : CommandTable()) {
    const ArgForm& form = entry.forms.back();
    std::string line(entry.name);
    for (const ArgSpec& arg : form.args) {
      line += ' ';
      switch (arg.kind) {
        case ArgKind::Keyword: line += std::string(arg.keywords[0]); break;
        case ArgKind::PageList: line += "1,2"; break;
        case ArgKind::IdList: line += "1075,1076"; break;
        case ArgKind::ItemList: line += "\"A3|A4\""; break;
        case ArgKind::Seconds: line += "1.5"; break;
        case ArgKind::Text: line += "\"some text\""; break;
        default: line += "7"; break;
      }
    }
    Parsed p = Parse(line);
    EXPECT_TRUE(p.ok) << line << ": " << p.errors;
    ASSERT_EQ(p.script.steps.size(), 1u) << line;
    EXPECT_EQ(p.script.steps[0].command, entry.command);
    EXPECT_EQ(FindCommand(entry.name), &entry);
  }
}

TEST(ScriptParser, FailureReportNamesFileLineSourceAndWhy) {
  Step step = One("  expect-text 1081 \"Pg 3/10\"");
  EXPECT_EQ(FailureReport("s/t.tvs", step, "is \"Pg 0/10\""),
            "s/t.tvs:1:   expect-text 1081 \"Pg 3/10\": is \"Pg 0/10\"");
}

class ScriptFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = ::testing::TempDir();
    if (!dir_.empty() && dir_.back() == '/') dir_.pop_back();
    path_ = dir_ + "/script_parser_test.tvs";
  }
  void TearDown() override { std::remove(path_.c_str()); }
  void Write(const std::string& text) {
    std::ofstream out(path_, std::ios::binary);
    out << text;
  }
  std::string dir_;
  std::string path_;
};

TEST_F(ScriptFileTest, PathsAreRelativeToTheScriptFolder) {
  Write("open doc.pdf\n");
  Script script;
  std::string errors;
  ASSERT_TRUE(LoadScriptFile(path_, "/elsewhere", FakeEnv(), &script, &errors)) << errors;
  EXPECT_EQ(script.file, path_);
  EXPECT_EQ(script.steps[0].args[0], dir_ + "/doc.pdf");
  EXPECT_EQ(script.timeoutMs, kDefaultTimeoutMs);
}

TEST_F(ScriptFileTest, EnvironmentSetsTheDefaultTimeout) {
  Write("quit\n");
  Script script;
  std::string errors;
  ASSERT_TRUE(LoadScriptFile(path_, "/", FakeEnv({{"TESSALY_SCRIPT_TIMEOUT", "45"}}), &script,
                             &errors));
  EXPECT_EQ(script.timeoutMs, 45000);
  EXPECT_FALSE(LoadScriptFile(path_, "/", FakeEnv({{"TESSALY_SCRIPT_TIMEOUT", "x"}}), &script,
                              &errors));
  EXPECT_EQ(errors, "TESSALY_SCRIPT_TIMEOUT: 'x' is not a number of seconds (like 20 or 2.5)");
}

TEST_F(ScriptFileTest, MissingFileIsRefused) {
  Script script;
  std::string errors;
  EXPECT_FALSE(LoadScriptFile(dir_ + "/no-such.tvs", "/", FakeEnv(), &script, &errors));
  EXPECT_EQ(errors, dir_ + "/no-such.tvs: cannot read the script");
}

TEST_F(ScriptFileTest, BadLinesNameTheFileAsGiven) {
  Write("open\n");
  Script script;
  std::string errors;
  EXPECT_FALSE(LoadScriptFile(path_, "/", FakeEnv(), &script, &errors));
  EXPECT_EQ(errors, path_ + ":1: wrong number of arguments (0 arguments); usage: open FILE");
}

}  // namespace
}  // namespace viewer::script
