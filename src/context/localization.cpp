#include "context/localization.h"

#include <dlfcn.h>

#include "context/default_language.h"
#include "context/language_code.h"
#include "context/message_file.h"
#include "module/plugin_loader.h"
#include "module/services.h"
#include "platform/file_io.h"
#include "platform/module_log.h"
#include "platform/process.h"

namespace prefig {
namespace {

std::string MissingLibraryText() {
  return std::string("Could not find a valid ") + kLocalizationLibrary +
         ".\n\nPlease try reinstalling your product.\n\nIf the problem persists, please contact VELMO support.";
}

}  // namespace

GLocalization::~GLocalization() {
  if (handle_) ::dlclose(handle_);
}

bool GLocalization::Load(std::string_view library_path) {
  const std::string candidates[] = {std::string(library_path), kLocalizationLibrary,
                                    FindDllDirectory() + "/" + kLocalizationLibrary};
  for (const std::string& candidate : candidates) {
    if (candidate.empty()) continue;
    void* handle = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) continue;
    auto read = reinterpret_cast<LocalizationReadLocaleFileFunction>(::dlsym(handle, kReadLocaleFileExport));
    auto get = reinterpret_cast<LocalizationGetTranslateListFunction>(::dlsym(handle, kGetTranslateListExport));
    auto del = reinterpret_cast<LocalizationDeleteTranslateListFunction>(::dlsym(handle, kDeleteTranslateListExport));
    if (read && get && del) {
      handle_ = handle;
      read_locale_file_ = read;
      get_translate_list_ = get;
      delete_translate_list_ = del;
      return true;
    }
    ::dlclose(handle);
  }
  return false;
}

std::string GLocalization::Init(std::string_view library_path, std::string_view message_directory,
                                std::string_view language) {
  const std::string normalized = NormalizeLanguageCode(language);
  if (handle_ == nullptr && !Load(library_path)) {
    GetServices().MessageBox(
        {MissingLibraryText(), kErrorCaptionId, MessageIcon::kStop, MessageButtons::kOk, MessageOwner::kNone});
    return {};
  }
  const std::string directory =
      message_directory.empty() ? FindMessageDirectory(platform::ProgramDirectory()) : std::string(message_directory);
  for (const std::string& candidate : {normalized, DefaultTranslationLanguage(), std::string(kEnglishLanguage)}) {
    if (!IsUsableLanguageCode(candidate)) continue;
    const std::string path = directory + "/" + TranslationFileName(candidate);
    if (!platform::FileExists(path)) continue;
    if (read_locale_file_(path.c_str()) < 0) {
      LogLine("INIT  : Error loading translation file: %s", path.c_str());
      return {};
    }
    language_ = candidate;
    return language_;
  }
  return {};
}

GLocalization& Localization() {
  static GLocalization localization;
  return localization;
}

std::string InitLocalization(std::string_view library_path, std::string_view message_directory,
                             std::string_view language) {
  return Localization().Init(library_path, message_directory, language);
}

std::string FindMessageDirectory(const std::string& program_directory) {
  return platform::FolderOfProgram(program_directory, kMessageDirectoryName);
}

}  // namespace prefig
