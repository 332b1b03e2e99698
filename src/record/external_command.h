#pragma once
#include <string>
#include <string_view>

namespace prefig {

class SettingValues;

// What the host can do with an external command: nothing without a title
// and a program, else run it and read its output file, or just run it.
enum class CommandState { kNone = 0, kWithOutput = 1, kWithoutOutput = 2 };

// The parameters as the host runs them: trimmed, words joined by single
// blanks, and a word naming the file ($FILE, $OUTFILE, $PATH, in any case)
// put in double quotes so that a path with blanks stays one argument. A
// quoted run ("$PATH/out file.txt") is one word, blanks included; a word
// with a quote inside is left as its author quoted it.
std::string NormalizeCommandParameters(std::string_view parameters);

CommandState ExternalCommandState(const SettingValues& values, int command);

// After the commands were read from the file: the record holds their
// parameters normalised (the file keeps what the user typed).
void NormalizeExternalCommands(SettingValues& values);

}  // namespace prefig
