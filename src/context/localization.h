#pragma once
#include <string>
#include <string_view>

#include "module/plugin_abi.h"

namespace prefig {

// The host's localisation library (Localization.so) as the module uses it:
// loaded once, then kept while the module is loaded, with the language of
// the translation file it read.
class GLocalization {
 public:
  GLocalization() = default;
  virtual ~GLocalization();
  GLocalization(const GLocalization&) = delete;
  GLocalization& operator=(const GLocalization&) = delete;

  // Loads the library, unless it is loaded already: the given path (when
  // not empty), then "Localization.so" in the system's search order, then
  // FindDllDirectory()/Localization.so; the first that has all three
  // functions is kept. When none has, an error box says so and the result
  // is empty. Then reads the translation file msg_<language>.xmlz from the
  // message directory (when empty: <program>/msg, <program>/../msg or the
  // program directory, the first that exists), or when that is missing the
  // file of the user's locale, or en-US. Returns the language read, or an
  // empty text when no file exists or the library could not read it.
  std::string Init(std::string_view library_path, std::string_view message_directory, std::string_view language);

  bool IsLoaded() const { return handle_ != nullptr; }
  const std::string& Language() const { return language_; }
  LocalizationGetTranslateListFunction GetTranslateList() const { return get_translate_list_; }
  LocalizationDeleteTranslateListFunction DeleteTranslateList() const { return delete_translate_list_; }

 private:
  bool Load(std::string_view library_path);

  void* handle_ = nullptr;
  LocalizationReadLocaleFileFunction read_locale_file_ = nullptr;
  LocalizationGetTranslateListFunction get_translate_list_ = nullptr;
  LocalizationDeleteTranslateListFunction delete_translate_list_ = nullptr;
  std::string language_;
};

// The module's one instance, and its Init.
GLocalization& Localization();
std::string InitLocalization(std::string_view library_path, std::string_view message_directory,
                             std::string_view language);

// The message directory that Init uses when none is given, below `program_directory`.
std::string FindMessageDirectory(const std::string& program_directory);

}  // namespace prefig
