// Localization.so: holds the translations of the language that the module
// chose (read from its translation file) and hands them out as lists.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "module/plugin_abi.h"
#include "plugins/localization/translation_file.h"

namespace {

using prefig::localization::Translation;

struct OwnedList {
  LocalizationTranslateList list{};
  Translation copy;
  std::vector<LocalizationTranslation> entries;
};

Translation& Current() {
  static Translation translation;
  return translation;
}

// Lists handed out and not yet deleted, by the address the caller holds;
// a pointer that is not among them is ignored on deletion.
std::map<const LocalizationTranslateList*, std::unique_ptr<OwnedList>>& Lists() {
  static std::map<const LocalizationTranslateList*, std::unique_ptr<OwnedList>> lists;
  return lists;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int Localization_ReadLocaleFile(const char* path) {
  if (path == nullptr) return -1;
  Translation read;
  if (!prefig::localization::ReadTranslationFile(path, read, nullptr)) return -1;
  Current() = std::move(read);
  return static_cast<int>(Current().entries.size());
}

extern "C" __attribute__((visibility("default"))) LocalizationTranslateList* Localization_GetTranslateList() {
  auto owned = std::make_unique<OwnedList>();
  owned->copy = Current();
  for (const auto& entry : owned->copy.entries) owned->entries.push_back({entry.source.c_str(), entry.target.c_str()});
  owned->list.language = owned->copy.language.c_str();
  owned->list.count = static_cast<int>(owned->entries.size());
  owned->list.entries = owned->entries.data();
  LocalizationTranslateList* list = &owned->list;
  Lists().emplace(list, std::move(owned));
  return list;
}

extern "C" __attribute__((visibility("default"))) void Localization_DeleteTranslateList(
    LocalizationTranslateList* list) {
  Lists().erase(list);
}

// The loader's contract for plug-ins, so that the library can also be
// loaded like any other; it needs nothing from the message table.
extern "C" __attribute__((visibility("default"))) int DllInit(const char* const*) { return 0; }
