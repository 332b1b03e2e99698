// The NC colouriser: the shipped templates' tables on the sample programs,
// line by line, and the rules one at a time.
#include "record/nc_colouriser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "record/machine_type.h"
#include "record/nc_sample_programs.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

// "{text}BBGGRR" per span, one line of the program per line.
std::string ShowColours(const NcColouriser& colouriser, std::string_view program) {
  std::string shown;
  NcLineState state;
  while (!program.empty()) {
    size_t end = program.find('\n');
    std::string_view line = program.substr(0, end);
    program = end == std::string_view::npos ? std::string_view() : program.substr(end + 1);
    for (const NcSpan& span : colouriser.ColourLine(line, state)) {
      char colour[8];
      std::snprintf(colour, sizeof colour, "%06X", span.colour);
      shown += "{" + std::string(line.substr(span.begin, span.length)) + "}" + colour;
    }
    shown += state.in_multi_line_comment ? " ...\n" : "\n";
  }
  return shown;
}

class TemplateColours : public ::testing::Test {
 protected:
  test::TempDir dir;

  std::unique_ptr<GMachineType> TemplateType(const std::string& name) {
    std::string path = dir.File(name + ".mac");
    std::filesystem::copy_file(std::string(PREFIG_SOURCE_DIR) + "/resources/Templates/" + name + ".TYP", path);
    auto type = std::make_unique<GMachineType>(path);
    TypeContext context;
    context.load = LoadContext{.language = "en-US", .program_directory = dir.path(), .data_directory = dir.path()};
    EXPECT_TRUE(type->Load(context));
    return type;
  }
  NcColouriser Template(const std::string& name) { return NcColouriser(NcSyntaxOf(*TemplateType(name))); }
};

TEST_F(TemplateColours, AnIsoMillingProgramInTheIsoMillColours) {
  EXPECT_EQ(ShowColours(Template("ISO Mill"), NcSampleProgram(NcSample::kMilling)), R"({%}000000
{O1001 }0000C0{(FLANGE - OP10)}00C000
{N10}C00000{ }000000{G21}C00000{ }000000{G17}C00000{ }000000{G40}C00000{ }000000{G90}C00000
{N20}C00000{ }000000{T1}800080{ }000000{M06}0000C0{ }000000{(FACE MILL D50)}00C000
{N30}C00000{ }000000{G54}C00000{ }000000{G00}C00000{ X}000000{-30.}800000{ Y}000000{0.}800000{ }000000{S3200}004080{ }000000{M03}0000C0
{N40}C00000{ }000000{G43}C00000{ }000000{H01}008000{ Z}000000{25.}800000{ }000000{M08}0000C0
{/}00C000{N50}C00000{ }000000{M00}0000C0
{N60}C00000{ }000000{G01}C00000{ Z}000000{0.}800000{ }000000{F800.}004080
{N70}C00000{ }000000{G02}C00000{ X}000000{20.}800000{ Y}000000{20.}800000{ }000000{I}808000{10.}800000{ }000000{J}808000{0.}800000
{#101}C00000{=}000000{#5221}C00000{+}000000{2.5}800000
{N80}C00000{ }000000{G00}C00000{ Z}000000{100.}800000{ }000000{M09}0000C0
{N90}C00000{ }000000{M30}0000C0
{%}000000
)");
}

TEST_F(TemplateColours, ATurningProgramInTheIsoLatheColours) {
  EXPECT_EQ(ShowColours(Template("ISO Lathe"), NcSampleProgram(NcSample::kTurning)), R"({%}000000
{O1000 }0000C0{(SHAFT - TURRET 1)}00C000
{N10}C00000{ }000000{G21}C00000{ }000000{G18}C00000{ }000000{G99}C00000
{N20}C00000{ }000000{T0101}800080{ }000000{(OD ROUGH)}00C000
{N30}C00000{ }000000{G96}C00000{ }000000{S200}004080{ }000000{M03}0000C0
{N40}C00000{ }000000{G00}C00000{ X}000000{52.}800000{ Z}000000{2.}800000{ }000000{M08}0000C0
{N50}C00000{ }000000{M300}0000C0{ }000000{(WAIT FOR TURRET 2)}00C000
{N60}C00000{ }000000{G71}C00000{ }000000{U}808000{2.}800000{ }000000{R}808000{0.5}800000
{N70}C00000{ }000000{G71}C00000{ }000000{P80}008000{ }000000{Q110}008000{ }000000{U}808000{0.4}800000{ }000000{W}808000{0.1}800000{ }000000{F0.25}004080
{N80}C00000{ }000000{M301}0000C0
{N90}C00000{ }000000{G28}C00000{ }000000{U}808000{0.}800000{ }000000{W}808000{0.}800000{ }000000{M30}0000C0
{O2000 }0000C0{(SHAFT - TURRET 2)}00C000
{N10}C00000{ }000000{T0202}800080{ }000000{(DRILL D10)}00C000
{N20}C00000{ }000000{M300}0000C0
{N30}C00000{ }000000{G74}C00000{ }000000{R}808000{1.}800000{ Z}000000{-20.}800000{ }000000{Q5000}008000{ }000000{F0.1}004080
{N40}C00000{ }000000{M301}0000C0
{N50}C00000{ }000000{M30}0000C0
{%}000000
)");
}

TEST_F(TemplateColours, AHeidenhainProgramInItsColoursWithWordsOfSeveralLetters) {
  EXPECT_EQ(ShowColours(Template("HEIDENHAIN"), NcSampleProgram(NcSample::kHeidenhain)),
            R"({0 BEGIN PGM FLANGE MM}0000C0
{1 BLK FORM 0.1 Z X+0 Y+0 Z-25}808080
{2 BLK FORM 0.2 X+120 Y+80 Z+0}808080
{3}C00000{ }000000{TOOL CALL}800080{ }000000{1}800000{ Z S}000000{3200}800000{ }000000{F800}004080
{4}C00000{ }000000{L}800000{ Z}000000{+50}800000{ }000000{R0}808080{ }000000{FMAX}004080{ }000000{M3}0000C0
{5}C00000{ }000000{; DRILL THE FOUR HOLES}00C000
{6}C00000{ }000000{CYCL DEF}0080FF{ }000000{200}800000{ DRILLING}000000
{  }000000{Q200}C000C0{=}000000{2}800000{ }000000{;SET-UP CLEARANCE}00C000
{7}C00000{ }000000{L}800000{ X}000000{+20}800000{ Y}000000{+20}800000{ }000000{R0}808080{ }000000{FMAX}004080{ }000000{M99}0000C0
{8}C00000{ }000000{CC}808000{ X}000000{+60}800000{ Y}000000{+40}800000
{9}C00000{ }000000{C}808000{ X}000000{+80}800000{ Y}000000{+40}800000{ DR+ }000000{RL}808080{ }000000{F400}004080
{10}C00000{ }000000{CALL}0080FF{ }000000{LBL}008000{ }000000{1}800000{ REP }000000{2}800000
{11 END PGM FLANGE MM}0000C0
)");
}

TEST_F(TemplateColours, ATextFileHasOnlyCommentsAndNumbers) {
  EXPECT_EQ(ShowColours(Template("TEXTFILE"), NcSampleProgram(NcSample::kText)), R"({; Setup sheet for O1001}00C000
{Part: FLANGE   Material: AL }000000{6061}800000
{Stock }000000{120}800000{ x }000000{80}800000{ x }000000{25}800000{ mm}000000
{Depth = SQRT(}000000{#1}C00000{*}000000{#1}C00000{+}000000{4}800000{) }000000{; both sides}00C000
{IF }000000{#3}C00000{ > }000000{0}800000{ THEN ROUND(}000000{#3}C00000{) ELSE }000000{0}800000
{Tools:}000000
{  T}000000{1}800000{  Face mill D}000000{50}800000
{  T}000000{2}800000{  Drill D}000000{8.5}800000
)");
}

TEST_F(TemplateColours, TheFormulasTypeColoursItsFunctionsAndVariables) {
  EXPECT_EQ(ShowColours(Template("Formulas"), NcSampleProgram(NcSample::kText)), R"({; Setup sheet for O1001}00C000
{Part: FLANGE   Material: AL }000000{6061}800000
{Stock }000000{120}800000{ x }000000{80}800000{ x }000000{25}800000{ mm}000000
{Depth }000000{=}800000{ }000000{SQRT}0080FF{(}000000{#1}C000C0{*}000000{#1}C000C0{+}000000{4}800000{) }000000{; both sides}00C000
{IF}0000C0{ }000000{#3}C000C0{ > }000000{0}800000{ }000000{THEN}0000C0{ }000000{ROUND}0080FF{(}000000{#3}C000C0{) }000000{ELSE}0000C0{ }000000{0}800000
{Tools:}000000
{  T}000000{1}800000{  Face mill D}000000{50}800000
{  T}000000{2}800000{  Drill D}000000{8.5}800000
)");
}

TEST_F(TemplateColours, EachTemplateShowsTheSampleOfItsBasicType) {
  EXPECT_EQ(NcSampleFor(TemplateType("ISO Mill").get()), NcSample::kMilling);
  EXPECT_EQ(NcSampleFor(TemplateType("Haas Lathe").get()), NcSample::kTurning);
  EXPECT_EQ(NcSampleFor(TemplateType("HEIDENHAIN").get()), NcSample::kHeidenhain);
  EXPECT_EQ(NcSampleFor(TemplateType("Formulas").get()), NcSample::kText);
  EXPECT_EQ(NcSampleFor(nullptr), NcSample::kMilling);
}

// A table with distinct colours so that every rule shows which it was.
NcSyntax RuleSyntax() {
  NcSyntax syntax;
  for (int i = 0; i < kNcFixedColours; ++i) syntax.fixed[i] = 0x10 * static_cast<uint32_t>(i);
  syntax.entries = {{"G", 0x2000AAA, 14}, {"X", 0x000BBB, 15},  {"TOOL", 0x1000CCC, 16},
                    {"L", 0x000DDD, 17},  {"%", 0x4000EEE, 18}, {"g0", 0x0000FFF, 19}};
  syntax.modal = false;
  return syntax;
}

std::string ColoursOf(const NcSyntax& syntax, std::string_view program) {
  return ShowColours(NcColouriser(syntax), program);
}

TEST(NcColouriserRules, TheLongestEntryOfALetterWinsWhateverOrderTheFileHadAndCaseIsIgnored) {
  // The table lists "G" before "g0": the lookup order puts the longer first.
  EXPECT_EQ(ColoursOf(RuleSyntax(), "g01 x5 G1\n"),
            "{g0}000FFF{1}000040{ }000000{x}000BBB{5}000040{ }000000{G1}000AAA\n");
}

TEST(NcColouriserRules, AnEntryStartsOnlyWhereNoLetterPrecedesAndTakesTrailingLettersWhenFlagged) {
  EXPECT_EQ(ColoursOf(RuleSyntax(), "FLANGE L1 TOOLING XL\n"),
            "{FLANGE }000000{L}000DDD{1}000040{ }000000{TOOLING}000CCC{ }000000{X}000BBB{L}000000\n");
}

TEST(NcColouriserRules, AnEntireLineEntryColoursAllButTheCommentsAndTheSkipMark) {
  EXPECT_EQ(ColoursOf(RuleSyntax(), "/N5 X1 % (NOTE) G2\n"), "{/}000060{N5 X1 % }000EEE{(NOTE)}000060{ G2}000EEE\n");
}

TEST(NcColouriserRules, CommentsRunToTheEndCharacterOrAreSyntaxErrorsWithoutIt) {
  EXPECT_EQ(ColoursOf(RuleSyntax(), "X1 (A) X2 (B\n"),
            "{X}000BBB{1}000040{ }000000{(A)}000060{ }000000{X}000BBB{2}000040{ }000000{(B}000050\n");
  NcSyntax semicolon = RuleSyntax();
  semicolon.comment_start = ';';
  semicolon.comment_end = '\0';
  EXPECT_EQ(ColoursOf(semicolon, "X1 ; REST (OF LINE\n"), "{X}000BBB{1}000040{ }000000{; REST (OF LINE}000060\n");
}

TEST(NcColouriserRules, MultiLineCommentsCarryTheirStateToTheNextLines) {
  NcSyntax syntax = RuleSyntax();
  syntax.multi_line_comments = true;
  EXPECT_EQ(ColoursOf(syntax, "X1 /* OPEN\nSTILL X2\nEND */ X3\n"),
            "{X}000BBB{1}000040{ }000000{/* OPEN}000060 ...\n"
            "{STILL X2}000060 ...\n"
            "{END */}000060{ }000000{X}000BBB{3}000040\n");
  syntax.multi_line_comments = false;  // "/" is then the block-skip mark only at the line's start
  EXPECT_EQ(ColoursOf(syntax, "X1 /* OPEN\n"), "{X}000BBB{1}000040{ /* OPEN}000000\n");
}

TEST(NcColouriserRules, TheSkipMarkFollowsTheBlockNumberOnlyWhenTheTypeSaysSo) {
  NcSyntax syntax = RuleSyntax();
  EXPECT_EQ(ColoursOf(syntax, "  /N10 X1\nN20 /X1\n"),
            "{  }000000{/}000060{N10}000030{ }000000{X}000BBB{1}000040\n"
            "{N20}000030{ /}000000{X}000BBB{1}000040\n");
  syntax.block_skip_after = true;
  syntax.block_skip = "/;";
  EXPECT_EQ(ColoursOf(syntax, "N20 ;X1\n"), "{N20}000030{ }000000{;}000060{X}000BBB{1}000040\n");
}

TEST(NcColouriserRules, BlockNumbersStandAtTheLineStartAloneOrAfterN) {
  EXPECT_EQ(ColoursOf(RuleSyntax(), "12 X1\n12X1\nX1 N5\n"),
            "{12}000030{ }000000{X}000BBB{1}000040\n"
            "{12}000040{X}000BBB{1}000040\n"
            "{X}000BBB{1}000040{ N}000000{5}000040\n");
}

TEST(NcColouriserRules, ModalColoursTakeTheGWordsAndMacroVariablesTheirOwnColour) {
  NcSyntax syntax = RuleSyntax();
  syntax.modal = true;
  EXPECT_EQ(ColoursOf(syntax, "G01 #12=-3.5 AG1\n"),
            "{G01}000070{ }000000{#12}000080{=-}000000{3.5}000040{ AG}000000{1}000040\n");
}

TEST(NcColouriserRules, WithoutColoursInBlocksOnlyTheFrameAndEntireLineEntriesAreColoured) {
  NcSyntax syntax = RuleSyntax();
  syntax.in_block = false;
  EXPECT_EQ(ColoursOf(syntax, "N1 G1 X5 (C)\nN2 % X5\n"),
            "{N1}000030{ G1 X5 }000000{(C)}000060\n"
            "{N2 % X5}000EEE\n");
  syntax.use = false;
  EXPECT_EQ(ColoursOf(syntax, "N1 G1 (C)\n\n"), "{N1 G1 (C)}000000\n\n");
}

// Whatever bytes a file holds, the spans cover each line once, in order.
TEST(NcColouriserRules, AnyBytesGiveSpansThatCoverTheLineWithoutGaps) {
  NcSyntax syntax = RuleSyntax();
  syntax.multi_line_comments = true;
  syntax.multi_line_start = "(*";
  syntax.multi_line_end = "*)";
  syntax.comment_end = '\0';
  syntax.entries.push_back({"\xC3\xA4", 0x1000123, 20});
  NcColouriser colouriser(syntax);
  NcLineState state;
  std::vector<NcSpan> spans;
  uint32_t seed = 7;
  for (int round = 0; round < 2000; ++round) {
    std::string line;
    for (int i = 0, n = static_cast<int>(seed % 40); i < n; ++i) {
      seed = seed * 1103515245u + 12345u;
      line += "GXL%N#(*)/;0123456789.+- \t\xC3\xA4\x00\xFF"[(seed >> 16) % 30];
    }
    colouriser.ColourLine(line, state, spans);
    uint32_t at = 0;
    for (const NcSpan& span : spans) {
      ASSERT_EQ(span.begin, at) << line;
      ASSERT_GT(span.length, 0u) << line;
      ASSERT_EQ(span.colour & 0xFF000000u, 0u) << line;
      at += span.length;
    }
    ASSERT_EQ(at, line.size()) << line;
  }
}

}  // namespace
}  // namespace prefig
