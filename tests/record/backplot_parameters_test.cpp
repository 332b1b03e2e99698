// The backplot parameter string of a machine type, as loading builds it
// from the type's file and as a page's save rebuilds it.
#include "record/backplot_parameters.h"

#include <gtest/gtest.h>

#include "record/machine_type.h"
#include "schema/registry.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using namespace schema;

class BackplotParametersTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  TypeContext context;

  BackplotParametersTest() { context.load.language = "en-US"; }

  std::unique_ptr<GMachineType> Load(const std::string& sections) {
    std::string path = dir.File("Type.mac");
    test::WriteFile(path, "[GENERAL]\r\nTYPENAME=T\r\nDESCRIPTION=D\r\nLANGUAGE=en-US\r\nVERSION=80402\r\n" + sections);
    auto type = std::make_unique<GMachineType>(path);
    EXPECT_TRUE(type->Load(context));
    return type;
  }
};

TEST_F(BackplotParametersTest, ANewMillingTypeStatesEveryDefault) {
  EXPECT_EQ(Load("")->BackplotParameters(),
            "PLOTTYPE=MILLFANUC;ARCMODE=0;POSITIVEX=1;LATHEFLIP=0;DIAMETERPRG=1;DIAMETERARC=0;SHOWCYCLES=1;"
            "DRAWNULLARCS=1;IGNOREM6=1;IGNORET0=1;USEUVW=1;IS5AXIS=1;USEMILI=0;TOOLPREFIX='T';IGNOREBLOCKSKIP=0;"
            "COMMENTSTART=40;COMMENTEND=41;MLCENABLED=0;MLCSTART='/*';MLCEND='*/';DECIMALCOUNT=3;FEED='F';"
            "SPEED='S';TOOLCHANGE='T';TOOLLOADCMD='M6';BLOCKSKIPAFTER=1;TOOLLOAD=;UNITS=mm;RAPIDUNITS=mm/min;"
            "TURNUNITS=mm;TURNRAPIDUNITS=unit/min;RAPIDRATE=10000;MAPLETTER=;");

  context.load.imperial = true;
  EXPECT_NE(Load("")->BackplotParameters().find(";UNITS=inches;RAPIDUNITS=feet/min;TURNUNITS=inches;"),
            std::string::npos);
}

TEST_F(BackplotParametersTest, ATurningTypeStatesItsUnitsInTheTurningPairsAndTheTextsAreMadeSafe) {
  auto lathe = Load(
      "[INSPECT]\r\nFILTERTYPE=TURNHAAS\r\nFILTERURI=u\r\nFILTERDLL=ncfilter_fanuc\r\nAUTOX=No\r\nLATHEFLIP=3\r\n"
      "IGNORETOOLLOAD=No\r\nIS5AXIS=No\r\nMAPLETTERS= A ,, B ;\r\n"
      "[MACHINETYPE]\r\nARCTPYE=2\r\nPATHUNITS=4\r\nFEEDUNITS=5\r\nTURNPATHUNITS=1\r\nTURNFEEDUNITS=1\r\n"
      "TOOLLOAD=M6;X\r\nTOOLCHANGE=TT\r\nCOMMENTSTART=;\r\nCOMMENTEND=\r\nRAPIDRATE=5;000\r\nMLCENABLED=Yes\r\n"
      "MLCSTART=(*\r\nMLCEND=*)\r\nDECIMALCOUNT=2\r\nFEED=FF\r\nSPEED=SS\r\nBLOCKSKIPAFTER=No\r\n");
  EXPECT_EQ(lathe->BackplotParameters(),
            "PLOTTYPE=TURNHAAS;ARCMODE=2;POSITIVEX=0;LATHEFLIP=3;DIAMETERPRG=1;DIAMETERARC=0;SHOWCYCLES=1;"
            "DRAWNULLARCS=1;IGNOREM6=0;IGNORET0=1;USEUVW=1;IS5AXIS=0;USEMILI=0;TOOLPREFIX='TT';IGNOREBLOCKSKIP=0;"
            "COMMENTSTART=59;MLCENABLED=1;MLCSTART='(*';MLCEND='*)';DECIMALCOUNT=2;FEED='FF';SPEED='SS';"
            "TOOLCHANGE='TT';TOOLLOADCMD='M6;X';BLOCKSKIPAFTER=0;TOOLLOAD=M6\\;X;UNITS=mm;RAPIDUNITS=mm/min;"
            "TURNUNITS=inches;TURNRAPIDUNITS=unit/rev;RAPIDRATE=5000;MAPLETTER=A,B;");
  EXPECT_EQ(lathe->Values().Text(kMapLetters), "A,B") << "the normalised letters replace the type's own";
}

TEST_F(BackplotParametersTest, CommentCharactersToolLoadAndARebuildAfterAPageSaved) {
  auto mill = Load("");
  SettingValues& values = mill->Values();
  values.SetText(kCommentStart, "");
  values.SetText(kCommentEnd, "\xE4");
  values.SetBool(kIgnoreToolLoad, false);
  values.SetText(kToolLoad, "M\\6;");
  mill->RebuildBackplotParameters();
  const std::string& text = mill->BackplotParameters();
  EXPECT_NE(text.find(";IGNOREBLOCKSKIP=0;COMMENTSTART=40;MLCENABLED=0;"), std::string::npos) << text;
  EXPECT_NE(text.find(";TOOLLOAD=M\\\\6\\;;"), std::string::npos) << text;
}

}  // namespace
}  // namespace prefig
