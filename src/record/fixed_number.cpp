#include "record/fixed_number.h"

#include <charconv>
#include <cmath>

namespace prefig {

std::string FixedText(double value, int decimals) {
  // to_chars rounds exactly as printf does in the C locale; 330 characters
  // hold every finite double with up to 17 decimals.
  char buffer[330];
  if (!std::isfinite(value)) value = 0.0;
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

std::string ShortNumberText(double value, int decimals) {
  std::string text = FixedText(value, decimals);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

}  // namespace prefig
