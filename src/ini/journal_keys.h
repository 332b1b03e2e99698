#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace prefig::journal {

// The keys whose values differ between two texts of one INI file, as
// SECTION/KEY (names as the new text spells them, else the old): keys that
// changed or came in the order of the new text, then the keys that went.
// Read as the store reads: the first of two sections or keys of one name
// counts. A text that holds no sections gives none.
std::vector<std::string> ChangedKeys(std::string_view old_text, std::string_view new_text);

}  // namespace prefig::journal
