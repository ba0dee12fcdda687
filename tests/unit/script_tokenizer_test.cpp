#include <gtest/gtest.h>

#include <map>

#include "script/script_tokenizer.h"

namespace viewer::script {
namespace {

EnvLookup FakeEnv(std::map<std::string, std::string> values) {
  return [values](const std::string& name) -> std::optional<std::string> {
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
}

std::vector<std::string> Words(std::string_view line,
                               const EnvLookup& env = FakeEnv({})) {
  TokenizedLine t = TokenizeLine(line, env);
  EXPECT_EQ(t.error, "");
  EXPECT_FALSE(t.ignored);
  return t.words;
}

TEST(ScriptTokenizer, BlankAndCommentLinesAreIgnored) {
  EXPECT_TRUE(TokenizeLine("", FakeEnv({})).ignored);
  EXPECT_TRUE(TokenizeLine("   \t ", FakeEnv({})).ignored);
  EXPECT_TRUE(TokenizeLine("# open x.pdf", FakeEnv({})).ignored);
  EXPECT_TRUE(TokenizeLine("   # indented comment", FakeEnv({})).ignored);
}

TEST(ScriptTokenizer, BlanksSeparateWords) {
  EXPECT_EQ(Words("click  1003"), (std::vector<std::string>{"click", "1003"}));
  EXPECT_EQ(Words("\tmenu Extensions\t&Tessaly  "),
            (std::vector<std::string>{"menu", "Extensions", "&Tessaly"}));
}

TEST(ScriptTokenizer, HashInsideALineIsAnArgument) {
  EXPECT_EQ(Words("set-text 1078 #1"), (std::vector<std::string>{"set-text", "1078", "#1"}));
}

TEST(ScriptTokenizer, QuotesGroupBlanks) {
  EXPECT_EQ(Words("wait-window \"Tessaly 1.16\""),
            (std::vector<std::string>{"wait-window", "Tessaly 1.16"}));
}

TEST(ScriptTokenizer, EmptyQuotesGiveAnEmptyArgument) {
  EXPECT_EQ(Words("set-text 1078 \"\""), (std::vector<std::string>{"set-text", "1078", ""}));
}

TEST(ScriptTokenizer, QuotedAndPlainPartsJoinIntoOneWord) {
  EXPECT_EQ(Words("a\"b c\"d e"), (std::vector<std::string>{"ab cd", "e"}));
}

TEST(ScriptTokenizer, EscapesInsideQuotes) {
  EXPECT_EQ(Words(R"(x "say \"hi\"" "back\\slash" "\${HOME}")"),
            (std::vector<std::string>{"x", "say \"hi\"", "back\\slash", "${HOME}"}));
}

TEST(ScriptTokenizer, OtherBackslashesStayAsWritten) {
  EXPECT_EQ(Words(R"(x "C:\temp\new" C:\a\b)"),
            (std::vector<std::string>{"x", "C:\\temp\\new", "C:\\a\\b"}));
}

TEST(ScriptTokenizer, UnclosedQuoteIsAnError) {
  TokenizedLine t = TokenizeLine("wait-window \"Tessaly", FakeEnv({}));
  EXPECT_EQ(t.error, "unclosed quote");
}

TEST(ScriptTokenizer, VariablesExpandInAndOutOfQuotes) {
  auto env = FakeEnv({{"DIR", "/tmp/x y"}, {"N", "3"}});
  EXPECT_EQ(Words("open ${DIR}/a.pdf", env),
            (std::vector<std::string>{"open", "/tmp/x y/a.pdf"}));
  EXPECT_EQ(Words("expect-text 1081 \"Pg ${N}/10\"", env),
            (std::vector<std::string>{"expect-text", "1081", "Pg 3/10"}));
}

TEST(ScriptTokenizer, ExpandedValuesAreNotSplitOrUnquoted) {
  auto env = FakeEnv({{"V", "a \"b\" ${N}"}});
  EXPECT_EQ(Words("x ${V}", env), (std::vector<std::string>{"x", "a \"b\" ${N}"}));
}

TEST(ScriptTokenizer, EmptyVariableStillMakesAWord) {
  EXPECT_EQ(Words("x ${E} y", FakeEnv({{"E", ""}})),
            (std::vector<std::string>{"x", "", "y"}));
}

TEST(ScriptTokenizer, UnsetVariableIsAnError) {
  TokenizedLine t = TokenizeLine("open ${NOPE}/a.pdf", FakeEnv({}));
  EXPECT_EQ(t.error, "environment variable NOPE is not set");
}

TEST(ScriptTokenizer, BadVariableSyntaxIsAnError) {
  EXPECT_EQ(TokenizeLine("open ${A", FakeEnv({})).error, "unclosed ${");
  EXPECT_EQ(TokenizeLine("open ${1A}", FakeEnv({})).error, "bad variable name '${1A}'");
  EXPECT_EQ(TokenizeLine("open ${}", FakeEnv({})).error, "bad variable name '${}'");
}

TEST(ScriptTokenizer, DollarWithoutBraceIsPlainText) {
  EXPECT_EQ(Words("set-text 1 $5 a$"), (std::vector<std::string>{"set-text", "1", "$5", "a$"}));
}

}  // namespace
}  // namespace viewer::script
