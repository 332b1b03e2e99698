// The name filter with which the host's Open dialog follows the current
// machine type.
#include "host/open_filter.h"

#include <gtest/gtest.h>

namespace prefig::host {
namespace {

TEST(OpenFileFilter, OffersTheDefaultExtensionFirstInBothCasesAndEachOnce) {
  EXPECT_EQ(OpenFileFilter("ISO Milling", "nc", {"NCL", "NC", "iso"}),
            "ISO Milling (*.NC *.nc *.NCL *.ncl *.ISO *.iso)");
  EXPECT_EQ(OpenFileFilter("Text file", "", {}), "Text file (*)");
  EXPECT_EQ(OpenFileFilter("Heidenhain", "", {"H"}), "Heidenhain (*.H *.h)");
}

}  // namespace
}  // namespace prefig::host
