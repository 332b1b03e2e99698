#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "context/message_file.h"

namespace prefig {

// Message sources: the text form of a message file that translators edit.
// One line per message id, in ascending order of the ids:
//   <id> TAB <text> LF
// The text is UTF-8; a backslash starts an escape: \\ \n \t \r or \xHH (two
// hexadecimal digits, any byte but 0). Control characters appear only as
// escapes. Ids without a text have no line, and a line needs a text. The
// form is exact: FormatMessageSource of the parsed texts gives the source
// back byte for byte (with \xHH written for what has no other escape).

// The texts of a source, or nothing with `error` set to "line N: why".
std::optional<MessageTexts> ParseMessageSource(std::string_view source, std::string* error);

std::string FormatMessageSource(const MessageTexts& texts);

}  // namespace prefig
