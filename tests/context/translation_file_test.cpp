#include "plugins/localization/translation_file.h"

#include <gtest/gtest.h>

namespace prefig::localization {
namespace {

// A zlib stream written by hand (header 78 01, one stored deflate block of
// 90 bytes, the Adler-32 of the document), so the test pins the container
// rather than whatever the zlib of the day makes of it.
const std::string kDocument =
    "<translation language=\"xx\"><text><source>A</source><target>B</target></text></translation>";
const std::string kStoredStream = std::string("\x78\x01\x01\x5A\x00\xA5\xFF", 7) + kDocument + "\xE4\x6A\x20\xFD";

TEST(TranslationFileTest, AZlibStreamOfTheDocumentIsUnpacked) {
  std::string xml, error;
  ASSERT_TRUE(UnpackTranslation(kStoredStream, xml, &error)) << error;
  EXPECT_EQ(xml, kDocument);
  ASSERT_TRUE(UnpackTranslation(PackTranslation(kDocument), xml, &error)) << error;
  EXPECT_EQ(xml, kDocument);
}

TEST(TranslationFileTest, DamagedOrOversizedStreamsAreRefused) {
  std::string xml, error;
  EXPECT_FALSE(UnpackTranslation(kStoredStream.substr(0, kStoredStream.size() - 5), xml, &error));
  EXPECT_EQ(error, "not a whole zlib stream");
  EXPECT_FALSE(UnpackTranslation(PackTranslation(std::string(kMaxTranslationXmlBytes + 1, ' ')), xml, &error));
  EXPECT_EQ(error, "unpacks to more than 64 MiB");
}

TEST(TranslationFileTest, DocumentGivesTheLanguageAndItsTexts) {
  Translation translation;
  std::string error;
  ASSERT_TRUE(ParseTranslation(R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- comment -->
<translation language="de-DE">
  <text><source>Milling</source><target>Fr&#228;sen</target></text>
  <text><source>Milling</source><target>second one is ignored</target></text>
  <text><source>A &amp; B</source><target></target></text>
  <text><source></source><target>no source</target></text>
  <text><source>no target</source></text>
  <other><source>X</source><target>Y</target></other>
</translation>)",
                               translation, &error))
      << error;
  EXPECT_EQ(translation.language, "de-DE");
  ASSERT_EQ(translation.entries.size(), 2u);
  EXPECT_EQ(translation.entries[0].source, "Milling");
  EXPECT_EQ(translation.entries[0].target, "Fr\xC3\xA4sen");
  EXPECT_EQ(translation.entries[1].source, "A & B");
  EXPECT_EQ(translation.entries[1].target, "");
}

TEST(TranslationFileTest, DocumentsOfAnotherShapeAreRefusedAndChangeNothing) {
  Translation translation;
  translation.language = "kept";
  std::string error;
  EXPECT_FALSE(ParseTranslation("<translations language=\"de-DE\"/>", translation, &error));
  EXPECT_EQ(error, "the root element is not <translation>");
  EXPECT_FALSE(ParseTranslation("<translation/>", translation, &error));
  EXPECT_EQ(error, "<translation> has no language");
  EXPECT_EQ(translation.language, "kept");
}

}  // namespace
}  // namespace prefig::localization
