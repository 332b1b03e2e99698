#include "context/message_translation.h"

#include "context/language_code.h"
#include "context/message_file.h"
#include "module/module_state.h"

namespace prefig {

std::string MessageTranslator::Translate(std::string_view text, std::string_view language) {
  std::string code = NormalizeLanguageCode(language);
  if (text.empty() || !IsUsableLanguageCode(code)) return {};
  auto found = ids_.find(code);
  if (found == ids_.end()) {
    std::unordered_map<std::string, uint32_t> ids;
    MessageCatalog catalog;
    if (ReadMessageFile(directory_ + "/" + MessageFileName(code), &catalog) != 0) {
      for (uint32_t id = 0; id < catalog.Count(); ++id) {
        const char* message = catalog.Text(id);
        if (message && *message) ids.emplace(message, id);
      }
    }
    found = ids_.emplace(code, std::move(ids)).first;
  }
  auto id = found->second.find(std::string(text));
  if (id == found->second.end()) return {};
  const char* translation = MessageText(static_cast<int>(id->second));
  return translation ? translation : std::string();
}

}  // namespace prefig
