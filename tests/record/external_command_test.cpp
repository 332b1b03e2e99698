// How the record holds an external command's parameters and what it can do.
#include "record/external_command.h"

#include <gtest/gtest.h>

#include "record/setting_values.h"
#include "schema/external_commands.h"

namespace prefig {
namespace {

TEST(CommandParameters, WordsNamingTheFileAreQuotedOnce) {
  EXPECT_EQ(NormalizeCommandParameters("$PATH/$FILE -x"), "\"$PATH/$FILE\" -x");
  EXPECT_EQ(NormalizeCommandParameters("\"$PATH/$FILE\" \"$OUTFILE\""), "\"$PATH/$FILE\" \"$OUTFILE\"");
  EXPECT_EQ(NormalizeCommandParameters("  -a\t\t$outfile   -b  "), "-a \"$outfile\" -b");
  EXPECT_EQ(NormalizeCommandParameters("\"$FILE x"), "\"$FILE x\"");  // an open quote runs to the end
  EXPECT_EQ(NormalizeCommandParameters("$FILE\""), "\"$FILE\"");
  EXPECT_EQ(NormalizeCommandParameters("-v --quiet"), "-v --quiet");
  EXPECT_EQ(NormalizeCommandParameters(""), "");
  EXPECT_EQ(NormalizeCommandParameters("   "), "");
}

// A quoted run with blanks is one argument: splitting it at the blank
// first would give -o "$PATH\out" file.txt", a broken command line.
TEST(CommandParameters, AQuotedRunWithBlanksStaysOneWord) {
  EXPECT_EQ(NormalizeCommandParameters("-o \"$PATH\\out file.txt\""), "-o \"$PATH\\out file.txt\"");
  EXPECT_EQ(NormalizeCommandParameters("-o   \"a   b\"  $FILE"), "-o \"a   b\" \"$FILE\"");
  EXPECT_EQ(NormalizeCommandParameters("--out=\"$PATH/a b\""), "--out=\"$PATH/a b\"");
}

TEST(CommandParameters, NoWordIsDropped) {
  std::string many;
  for (int i = 0; i < 70; ++i) many += "w" + std::to_string(i) + " ";
  many.pop_back();
  EXPECT_EQ(NormalizeCommandParameters(many), many);
}

TEST(ExternalCommandStates, NeedsATitleAndAProgramAndTellsWhetherThereIsOutput) {
  using namespace schema;
  SettingValues values(Scope::kMain);
  values.SetText(kExtTitle, "Check", 1);
  values.SetText(kExtOutput, "$PATH/out.txt", 1);
  EXPECT_EQ(ExternalCommandState(values, 1), CommandState::kNone);
  values.SetText(kExtExe, "  ", 1);
  EXPECT_EQ(ExternalCommandState(values, 1), CommandState::kNone);
  values.SetText(kExtExe, "/usr/bin/checker", 1);
  EXPECT_EQ(ExternalCommandState(values, 1), CommandState::kWithOutput);
  values.SetText(kExtOutput, "", 1);
  EXPECT_EQ(ExternalCommandState(values, 1), CommandState::kWithoutOutput);
  values.SetText(kExtTitle, " ", 1);
  EXPECT_EQ(ExternalCommandState(values, 1), CommandState::kNone);
}

}  // namespace
}  // namespace prefig
