#include "controls/spin_value.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/comma_locale.h"

namespace prefig {
namespace {

std::string StepFrom(WSpinValue& spin, const char* text, int direction) {
  spin.SetText(text);
  spin.Step(direction);
  return spin.Text();
}

TEST(SpinValue, FractionsStepTheirNumeratorAndStopAtOne) {
  WSpinValue spin(nullptr, 0);
  EXPECT_EQ(StepFrom(spin, "1/32", +1), "2/32");
  EXPECT_EQ(StepFrom(spin, "1/32", -1), "1/32");
  EXPECT_EQ(StepFrom(spin, "3\\8", +1), "4/8");
  EXPECT_EQ(StepFrom(spin, "0/4", -1), "1/4");  // never below 1
}

TEST(SpinValue, DecimalsKeepTheirPlacesAndStepTheLastOneBelowOne) {
  WSpinValue spin(nullptr, 0);
  EXPECT_EQ(StepFrom(spin, "0.25", +1), "0.26");
  EXPECT_EQ(StepFrom(spin, "0,25", -1), "0.24");  // either separator; written with "."
  EXPECT_EQ(StepFrom(spin, "-0.5", -1), "-0.6");
  EXPECT_EQ(StepFrom(spin, "1.123456789", +1), "2.12345679");  // at most 8 places
}

TEST(SpinValue, DecimalBoundsClampTheStep) {
  WSpinValue spin(nullptr, 0);
  spin.DecimalSetup(0.0, 5.0, 0.1);
  EXPECT_EQ(spin.Text(), "0.1");
  EXPECT_EQ(StepFrom(spin, "0.1", -1), "0.0");
  EXPECT_EQ(StepFrom(spin, "4.5", +1), "5.0");
  // Decimal mode steps a text without a separator as a number with one place.
  EXPECT_EQ(StepFrom(spin, "3", +1), "4.0");
  // A positive minimum is also the smallest step below 1.
  spin.DecimalSetup(0.05, 1.0, 0.5);
  EXPECT_EQ(StepFrom(spin, "0.5", -1), "0.4");
  EXPECT_EQ(StepFrom(spin, "0.01", -1), "0.05");
}

TEST(SpinValue, WholeNumbersStepWithinTheRange) {
  WSpinValue spin(nullptr, 0);
  spin.Setup(5, 99999, 5);
  EXPECT_EQ(StepFrom(spin, "240", +1), "245");
  EXPECT_EQ(StepFrom(spin, "99998", +1), "99999");
  EXPECT_EQ(StepFrom(spin, "abc", +1), "5");  // not a number: from 0, then clamped
}

TEST(SpinValue, ValueIsReadClampedAndShownUnclamped) {
  WSpinValue spin(nullptr, 0);
  spin.Setup(1, 50, 1);
  spin.SetValue(80);
  EXPECT_EQ(spin.Text(), "80");
  EXPECT_EQ(spin.GetValue(), 50);
  spin.SetText(" -3x");
  EXPECT_EQ(spin.GetValue(), 1);
  spin.Setup(10, 2, 1);  // a maximum below the minimum is raised
  EXPECT_EQ(spin.Maximum(), 10);
}

TEST(SpinValue, LettersBecomeTheirCodeStepped) {
  WSpinValue spin(nullptr, 0);
  spin.Setup(0, 1000, 1, true);
  EXPECT_EQ(StepFrom(spin, "C", +1), "3");
  EXPECT_EQ(StepFrom(spin, "BA", +1), std::to_string(27 * 1 + ('A' - 37) + 1));
  EXPECT_EQ(StepFrom(spin, "ABC", +1), "1");  // three letters: a number like any other (0 + 1)
}

TEST(SpinValue, DecimalsAreShownWithAPointUnderACommaLocale) {
  // The toolkit sets the user's locale; a German user must still see and
  // store "0.26", never "0,26".
  auto run = test::RunUnderCommaLocale([] {
    WSpinValue spin(nullptr, 0);
    spin.DecimalSetup(0.0, 5.0, 0.1);
    std::string shown = spin.Text();
    std::string stepped = StepFrom(spin, "0.25", +1);
    if (shown == "0.1" && stepped == "0.26") return 0;
    std::fprintf(stderr, "under the comma locale: shown %s, stepped %s\n", shown.c_str(), stepped.c_str());
    return 1;
  });
  if (run == test::CommaLocaleRun::kUnavailable) GTEST_SKIP() << "no locale with a decimal comma could be made here";
  EXPECT_EQ(run, test::CommaLocaleRun::kPassed) << "failed checks (listed on standard error)";
}

}  // namespace
}  // namespace prefig
