#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "module/module_state.h"

namespace prefig {

// Message files, msg/msg_<language>.bin: every text of the user interface,
// indexed by message id. Layout, numbers little-endian:
//   N (u32)  S (u32)  N offsets (u32) into the text block  the text block (S bytes)
// The text block holds the zero-terminated texts, every byte combined by
// exclusive-or with kMessageScrambleKey. Text i is the text of message id i.
inline constexpr uint8_t kMessageScrambleKey = 0xA7;
inline constexpr const char* kMessageDirectoryName = "msg";
inline constexpr std::string_view kMessageFilePrefix = "msg_";
inline constexpr std::string_view kMessageFileExtension = ".bin";
// The translation files of the localisation library lie beside them.
inline constexpr std::string_view kTranslationFileExtension = ".xmlz";
inline constexpr const char* kMarkerMessageText = "***";
// Far beyond any real message file (every id in use is below 16888, the
// English texts take some 80 kB); files that claim more are refused.
inline constexpr uint32_t kMessageFileMaxTexts = uint32_t{1} << 20;
inline constexpr uint32_t kMessageFileMaxBlockBytes = uint32_t{64} << 20;

// "msg_<language>.bin" and "msg_<language>.xmlz".
std::string MessageFileName(std::string_view language);
std::string TranslationFileName(std::string_view language);

// Texts by message id, as the message sources hold them; an id without a
// text and one with an empty text are the same.
using MessageTexts = std::map<uint32_t, std::string>;

// The texts of one message file, unscrambled, with the table of text
// pointers that the module and the host use.
class MessageCatalog {
 public:
  MessageCatalog() = default;
  MessageCatalog(const MessageCatalog&) = delete;
  MessageCatalog& operator=(const MessageCatalog&) = delete;
  // Moving keeps the texts where they are (the table stays valid); the
  // catalog moved from is left empty.
  MessageCatalog(MessageCatalog&& other) noexcept;
  MessageCatalog& operator=(MessageCatalog&& other) noexcept;

  // N: the number of texts in the file.
  uint32_t Count() const { return count_; }
  // The text pointers: entry i points at text i for i below N; the table
  // always has room for every id below kMessageIdLimit (null beyond N), so
  // a short file can never make a lookup read past its end.
  MessageTable Table() const { return entries_.data(); }
  // Text i, or null beyond N.
  const char* Text(uint32_t id) const { return id < count_ ? entries_[id] : nullptr; }
  // Whether text 711 is the marker "***".
  bool HasMarker() const;
  MessageTexts Texts() const;  // every non-empty text

  // Takes the bytes of a message file apart. False, leaving the catalog as
  // it was, when they do not hold a whole message file: too short for N, S
  // or the offsets, N or S above the limits, a block shorter than S, an
  // offset outside the block, or a block that does not end with a
  // terminator.
  bool Parse(std::string_view bytes);

 private:
  uint32_t count_ = 0;
  std::vector<char> block_;
  std::vector<const char*> entries_ = std::vector<const char*>(kMessageIdLimit, nullptr);
};

// Pieces of the format for readers that look at part of a file only: the
// little-endian number at `pos` (four bytes must be there) and the
// scrambling, which undoes itself.
inline constexpr size_t kMessageFileHeaderBytes = 8;
uint32_t MessageFileWord(std::string_view bytes, size_t pos);
void ScrambleMessageBytes(char* data, size_t size);

// The bytes of a message file holding `texts`: N is the highest id plus one;
// the block starts with one terminator, the text of every id below N that
// has none, followed by the texts in the order of their ids. Ids at or
// above kMessageFileMaxTexts, which no reader would take, are left out.
std::string BuildMessageFile(const MessageTexts& texts);

// Reads a message file into `catalog`, or, when it is null, into a catalog
// of the module's own that becomes the module's message table (earlier ones
// stay alive: whoever holds their pointers may go on using them). Returns N
// when the file was read and text 711 is "***", else 0; a file that was read
// but lacks the marker is stored all the same.
uint32_t ReadMessageFile(const std::string& path, MessageCatalog* catalog);

// The word after the extension in the name of a file type that the file
// associations register ("NC File"), from the module's message table, or
// "File" while none is loaded.
std::string FileWord();

}  // namespace prefig
