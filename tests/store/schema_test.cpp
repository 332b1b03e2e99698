// The settings schema: the golden dump of every declaration, and the rules
// that every declaration must keep.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "store/ini_text.h"
#include "store/schema/registry.h"
#include "store/setting_values.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

const std::string kGoldenPath = std::string(PREFIG_SOURCE_DIR) + "/tests/store/data/schema_golden.txt";

TEST(SchemaTest, DumpMatchesTheGoldenFile) {
  std::string golden = test::ReadFile(kGoldenPath);
  std::string dump = DumpSchema();
  if (dump != golden && std::getenv("PREFIG_UPDATE_GOLDEN")) {
    test::WriteFile(kGoldenPath, dump);
    GTEST_SKIP() << "golden file rewritten";
  }
  EXPECT_EQ(dump, golden) << "a declaration changed; review the difference and run the test with "
                             "PREFIG_UPDATE_GOLDEN=1 to accept it";
}

}  // namespace
}  // namespace prefig
