#pragma once
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>

namespace prefig {

// Translation through the message files: a text of another language is
// found in that language's message file, and the text under the same
// message id in the module's table is its translation. Used for the texts
// that machine type files carry in the language they were written in.
class MessageTranslator {
 public:
  explicit MessageTranslator(std::string message_directory) : directory_(std::move(message_directory)) {}

  // The translation, or empty when the text is not a message of that
  // language or the current table has none for it.
  std::string Translate(std::string_view text, std::string_view language);

 private:
  std::string directory_;
  // Per language: each text and the first message id that holds it.
  std::map<std::string, std::unordered_map<std::string, uint32_t>, std::less<>> ids_;
};

}  // namespace prefig
