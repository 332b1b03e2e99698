#pragma once
#include <string_view>

namespace prefig {

class GMachineType;

// Short NC programs that show a machine type's colours: every kind of word
// its basic type knows, a comment, a skipped block and, for turning, two
// channels that wait for each other.
enum class NcSample { kMilling, kTurning, kHeidenhain, kText };

std::string_view NcSampleProgram(NcSample sample);
// Heidenhain for basic type 1, text for 3, turning for a turning program,
// milling otherwise (and without a type).
NcSample NcSampleFor(const GMachineType* type);

}  // namespace prefig
