#include "context/configuration.h"

#include <cstring>
#include <utility>

#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "context/default_language.h"
#include "context/language_code.h"
#include "context/localization.h"
#include "context/message_file.h"
#include "context/message_ids.h"
#include "context/site_folder.h"
#include "ini/ini_text.h"
#include "ini/journal_transaction.h"
#include "module/module_state.h"
#include "platform/command_line.h"
#include "platform/file_io.h"
#include "platform/module_log.h"
#include "platform/process.h"

namespace prefig {
namespace {

// Without the path table the main INI file lies here, below the program directory.
constexpr const char* kFixedConfigDirectory = "Cfg";
constexpr std::string_view kLanguageOption = "/lang=";
constexpr size_t kLanguageOptionMax = 9;
// A table that another part of the program has loaded already carries one
// of these in place of its marker.
constexpr const char* kOtherMarkerText = "###";

// The language given with "/lang=" (letter case ignored) up to the next
// blank, or empty.
std::string LanguageOption(std::string_view arguments) {
  const std::string upper = ini::UpperCase(arguments);
  const size_t found = upper.find(ini::UpperCase(kLanguageOption));
  if (found == std::string::npos) return {};
  std::string_view value = arguments.substr(found + kLanguageOption.size());
  value = value.substr(0, value.find_first_of(" \t\""));
  return std::string(ini::Trim(value.substr(0, kLanguageOptionMax)));
}

bool IsMarker(const char* text) {
  return text != nullptr && (std::strcmp(text, kMarkerMessageText) == 0 || std::strcmp(text, kOtherMarkerText) == 0);
}

}  // namespace

GConfiguration::~GConfiguration() = default;

void GConfiguration::SetProgram(std::vector<std::string> command_line, std::string program_file) {
  own_program_ = true;
  command_line_ = std::move(command_line);
  program_file_ = std::move(program_file);
}

int GConfiguration::Init(std::string_view ini_name, std::string* arguments, bool use_path_table) {
  initialized_ = false;
  language_changed_ = false;
  // 1. The program and its arguments.
  const std::vector<std::string> command_line = own_program_ ? command_line_ : platform::CommandLine();
  const std::string program_file = own_program_ ? program_file_ : platform::ProgramFile();
  const std::string directory = platform::DirectoryOf(program_file);
  if (command_line.empty() || program_file.empty() || directory.size() > kProgramDirectoryMax) {
    std::string joined = command_line.empty() ? std::string() : command_line[0];
    if (command_line.size() > 1) joined += " " + platform::JoinArguments(command_line);
    LogLine("INIT  : Failed - Invalid path %s", joined.c_str());
    return kInitBadCommandLine;
  }
  program_directory_ = directory;
  arguments_ = platform::JoinArguments(command_line);

  // 2. The main INI file.
  const std::string file_name = std::string(ini_name) + ".ini";
  std::string path;
  if (use_path_table) {
    path = ConfigPaths().GetPath(kCfgKey, file_name);
    if (!platform::FileExists(path)) ConfigPaths().GetPath(kCfgKey, {}, true);
  } else {
    path = program_directory_ + "/" + kFixedConfigDirectory + "/" + file_name;
    if (!platform::FileExists(path)) platform::CreateDirectoryPath(platform::DirectoryOf(path));
  }
  journal_ = journal::AttachJournal(platform::DirectoryOf(path));
  platform::MakeOwnerWritable(path);
  Open(path);
  if (IsReadOnly()) LogLine("INIT  : Inifile is readonly '%s'.", path.c_str());
  // Read once per start, before the first setting is read.
  site_.reset();
  if (std::string site = use_path_table ? SiteFolderOf(ConfigPaths()) : std::string(); !site.empty()) {
    site_ = ReadSiteFolder(site, file_name).site;
  }
  UseSite(site_);

  // 3. and 4. The language and its messages. Units follow the user's
  // locale, whatever language the texts are in.
  const std::string default_language = DefaultLanguage(&uses_inches_);
  const char* table_code = MessageText(kLanguageCodeMessageId);
  if (IsMarker(MessageText(kMarkerMessageId)) && table_code != nullptr && *table_code != '\0') {
    language_ = std::string(table_code).substr(0, kLanguageCodeMax);
  } else {
    language_ = ChooseLanguage(default_language);
    if (int result = LoadMessages(); result != kInitDone) return result;
  }

  // 5. and 6. What this run uses, and whether it is new.
  const LanguageKeys& keys = language_keys_;
  WriteString(keys.section, keys.key, language_);
  if (!ini::SameName(GetString(keys.last_section, keys.last_key), language_)) {
    language_changed_ = true;
    WriteString(keys.last_section, keys.last_key, language_);
  }
  if (arguments) *arguments = arguments_;
  initialized_ = true;
  return kInitDone;
}

std::string GConfiguration::ChooseLanguage(const std::string& default_language) {
  std::string language = LanguageOption(arguments_);
  if (language.empty()) {
    language = GetString(language_keys_.section, language_keys_.key, default_language, kLanguageCodeMax);
  }
  return NormalizeLanguageCode(language);
}

// The message file of the language, else the English one. A file that is
// there but cannot be used also gives way to the English one, so that a
// damaged translation does not keep the editor from starting.
int GConfiguration::LoadMessages() {
  const std::string folder = program_directory_ + "/" + kMessageDirectoryName;
  auto path_of = [&](const std::string& language) { return folder + "/" + MessageFileName(language); };
  std::vector<std::string> candidates{language_};
  if (language_ != kEnglishLanguage) candidates.emplace_back(kEnglishLanguage);
  for (const std::string& language : candidates) {
    if (!IsUsableLanguageCode(language) || !platform::FileExists(path_of(language))) continue;
    if (ReadMessageFile(path_of(language), nullptr) == 0) {
      LogLine("INIT  : Error loading msg file: %s", path_of(language).c_str());
      continue;
    }
    language_ = language;
    InitLocalization({}, folder, language_);
    return kInitDone;
  }
  if (!platform::FileExists(path_of(kEnglishLanguage))) LogLine("INIT  : Default language not found");
  return kInitNoMessages;
}

}  // namespace prefig
