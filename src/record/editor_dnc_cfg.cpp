#include "record/editor_dnc_cfg.h"

#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "context/language_code.h"
#include "context/message_file.h"
#include "context/message_ids.h"
#include "context/message_translation.h"
#include "ini/journal_transaction.h"
#include "module/module_state.h"
#include "module/protocol_abi.h"
#include "platform/file_io.h"
#include "record/base_directory_path.h"
#include "record/dnc_config.h"
#include "schema/dnc_client.h"
#include "schema/general.h"

namespace prefig {
namespace {

constexpr char kTypesFolder[] = "Types";
constexpr char kDataFolder[] = "Data";

}  // namespace

GEditorDNCCfg::GEditorDNCCfg()
    : GConfiguration({schema::kLanguage.section, schema::kLanguage.key, schema::kLastLanguage.section,
                      schema::kLastLanguage.key}) {}
GEditorDNCCfg::~GEditorDNCCfg() = default;

std::string GEditorDNCCfg::TypesDirectory() const {
  if (use_path_table_) return ConfigPaths().GetPath(kTypesKey, {}, true);
  return ComposeFromBaseDirectory(ProgramDirectory(), kTypesFolder);
}

std::string GEditorDNCCfg::DataDirectory() const {
  if (use_path_table_) return ConfigPaths().GetPath(kDataKey);
  return ComposeFromBaseDirectory(ProgramDirectory(), kDataFolder);
}

LoadContext GEditorDNCCfg::SettingsContext() const {
  return LoadContext{.imperial = UsesInches(),
                     .language = Language(),
                     .program_directory = ProgramDirectory(),
                     .data_directory = DataDirectory()};
}

TypeContext GEditorDNCCfg::MachineTypeContext() const {
  TypeContext context;
  context.load = SettingsContext();
  context.normalise_language = [](std::string_view code) { return NormalizeLanguageCode(code); };
  context.site = Site();
  if (translator_) {
    std::shared_ptr<MessageTranslator> translator = translator_;
    context.translate = [translator](std::string_view text, std::string_view language) {
      return translator->Translate(text, language);
    };
  }
  return context;
}

int GEditorDNCCfg::InitDnc(std::string_view ini_name, bool use_path_table) {
  dnc_ready_ = false;
  use_path_table_ = use_path_table;
  int result = Init(ini_name, nullptr, use_path_table);
  if (result != kInitDone) return result;
  translator_ = std::make_shared<MessageTranslator>(ProgramDirectory() + "/" + kMessageDirectoryName);
  protocol_result_ = protocols_.Load(*this, ProgramDirectory() + "/" + kProtocolsFolder);
  const char* default_name = MessageText(kDefaultMachineTypeNameMessageId);
  MachineListPlaces places{TypesDirectory(), ProgramDirectory() + "/" + std::string(kTemplatesFolder),
                           default_name ? default_name : ""};
  journal::WatchFolder(places.types_directory);
  machine_types_.Build(places, MachineTypeContext());
  dnc_ready_ = true;
  return kInitDone;
}

void GEditorDNCCfg::InitDncConfig(GDncConfig& config) {
  config.Load(platform::DirectoryOf(Path()) + "/" + schema::kDncConfigFileName, SettingsContext());
}

void GEditorDNCCfg::Destroy() {
  machine_types_.Clear();
  dnc_ready_ = false;
}

}  // namespace prefig
