#pragma once
#include <cstddef>
#include <string_view>

namespace prefig {

// The length of the well-formed UTF-8 sequence that starts at `pos`, or 0
// when the bytes there are not one (overlong forms, surrogates and values
// above U+10FFFF are not).
size_t Utf8SequenceLength(std::string_view text, size_t pos);

// The longest start of `text` of at most `max_bytes` bytes that does not
// end inside a UTF-8 sequence.
std::string_view CutUtf8(std::string_view text, size_t max_bytes);

}  // namespace prefig
