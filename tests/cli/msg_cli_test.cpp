// prefig msg: message files to and from their sources, the language list,
// translation files.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_program.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::Prefig;

const std::string kSource =
    "318\tSvenska\n"
    "319\tsv-SE\n"
    "711\t***\n"
    "1002\tAllm\xC3\xA4nt\n"
    "4634\tRad ett\\nRad tv\xC3\xA5\\t(flik) \\\\ %s\n";

TEST(MsgCli, CompiledFileDumpsBackToItsSourceAndIsListed) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.File("msg"));
  test::WriteFile(dir.File("sv.txt"), kSource);
  const std::string bin = dir.File("msg/msg_sv-SE.bin");
  auto compiled = Prefig({"msg", "compile", dir.File("sv.txt"), bin});
  ASSERT_EQ(compiled.exit_code, 0) << compiled.err;
  auto dumped = Prefig({"msg", "dump", bin});
  EXPECT_EQ(dumped.out, kSource);
  EXPECT_EQ(Prefig({"msg", "languages", dir.path()}).out, "sv-SE\tSvenska\n");
}

TEST(MsgCli, SourcesAndFilesThatCannotBeUsedAreRefused) {
  test::TempDir dir;
  const std::string out = dir.File("out.bin");
  struct Case {
    std::string source, error;
  };
  const Case cases[] = {
      {"318\tX\n319\tx-X\n711\t***\n12\tlate\n", "line 4: message id 12 does not follow 711"},
      {"318\tX\n319\tx/X\n711\t***\n", "message 319 must be a language code such as en-US"},
  };
  for (const Case& c : cases) {
    test::WriteFile(dir.File("s.txt"), c.source);
    auto result = Prefig({"msg", "compile", dir.File("s.txt"), out});
    EXPECT_EQ(result.exit_code, 2) << c.source;
    EXPECT_EQ(result.err, "prefig: " + dir.File("s.txt") + ": " + c.error + "\n");
    EXPECT_FALSE(std::filesystem::exists(out));
  }
  test::WriteFile(dir.File("junk.bin"), "junk");
  auto dumped = Prefig({"msg", "dump", dir.File("junk.bin")});
  EXPECT_EQ(dumped.exit_code, 2);
  EXPECT_EQ(dumped.err, "prefig: " + dir.File("junk.bin") + " is not a message file\n");
}

TEST(MsgCli, TranslationDocumentsArePackedAfterACheck) {
  test::TempDir dir;
  const std::string xml =
      "<translation language=\"sv-SE\"><text><source>Milling</source>"
      "<target>Fr\xC3\xA4sning</target></text></translation>\n";
  test::WriteFile(dir.File("sv.xml"), xml);
  ASSERT_EQ(Prefig({"msg", "pack", dir.File("sv.xml"), dir.File("msg_sv-SE.xmlz")}).exit_code, 0);
  EXPECT_EQ(Prefig({"msg", "unpack", dir.File("msg_sv-SE.xmlz")}).out, xml);

  test::WriteFile(dir.File("bad.xml"), "<translation>");
  EXPECT_EQ(Prefig({"msg", "pack", dir.File("bad.xml"), dir.File("bad.xmlz")}).exit_code, 2);
}

}  // namespace
}  // namespace prefig
