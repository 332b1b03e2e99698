#pragma once
#include <string>

namespace prefig {

// "%.Nf" with "." as decimal separator whatever the process locale is.
std::string FixedText(double value, int decimals);

// FixedText without the zeros that end its fraction, and without the
// separator when nothing is left after it: 155.0000 -> "155", 0.5000 -> "0.5".
// A value that rounds to zero is "0", never "-0".
std::string ShortNumberText(double value, int decimals);

}  // namespace prefig
