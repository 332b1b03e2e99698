#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace prefig::localization {

// Translation files, msg/msg_<language>.xmlz: a zlib stream (RFC 1950) of
// a UTF-8 XML document:
//   <translation language="de-DE">
//     <text><source>Milling</source><target>Fräsen</target></text>
//     ...
//   </translation>
// Each <text> maps an English text (as machine types, filters and macros
// name things) to the file's language. A <text> without a non-empty source
// or without a target is ignored; for a source given twice the first wins.
struct TranslationEntry {
  std::string source;
  std::string target;
};

struct Translation {
  std::string language;
  std::vector<TranslationEntry> entries;
};

// Far beyond any real translation file; a stream that unpacks to more is
// refused rather than filling the memory.
inline constexpr size_t kMaxTranslationXmlBytes = size_t{64} << 20;

// The XML document of a translation file; false with `error` set when the
// bytes are no zlib stream or unpack to more than the limit.
bool UnpackTranslation(std::string_view packed, std::string& xml, std::string* error);
std::string PackTranslation(std::string_view xml);

// The translation a document holds; false with `error` set when it is not
// well-formed XML or its root is not <translation language="...">.
bool ParseTranslation(std::string_view xml, Translation& translation, std::string* error);

// Both steps for a file.
bool ReadTranslationFile(const std::string& path, Translation& translation, std::string* error);

}  // namespace prefig::localization
