#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace prefig::test {

// The keys of one section of an INI text in the order they stand (a
// section given twice: both parts, in turn). A key deleted and written
// again stands last, so after a save this is the order of its writes.
std::vector<std::string> KeysOfSection(std::string_view text, std::string_view section);

}  // namespace prefig::test
