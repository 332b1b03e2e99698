#include "record/machine_type.h"

#include <algorithm>
#include <optional>

#include "ini/ini_text.h"
#include "module/version.h"
#include "platform/file_io.h"
#include "record/nc_filter_table.h"
#include "record/setting_tables.h"
#include "schema/control_syntax.h"
#include "schema/declared_values.h"
#include "schema/multi_channel.h"
#include "schema/nc_filter_names.h"
#include "schema/registry.h"

namespace prefig {
namespace {

using namespace schema;

// Files below these versions predate the current planar definitions and the
// current colour section.
constexpr int kPlanarDefinitionsVersion = 51144;
constexpr int kColourListVersion = 51000;
constexpr char kOldPlanarSection[] = "PLANARDEF";
// The standard tool list template of older installations.
constexpr char kOldToolListTemplate[] = "/SYS/TOOLLIST.TXT";

}  // namespace

GMachineType::GMachineType(std::string path)
    : path_(std::move(path)), mill_tools_(kToolCount, kTool), turn_tools_(kTurnToolCount, kTurnTool) {}

void GMachineType::FileMoved(std::string path) {
  path_ = std::move(path);
  ini_.Open(path_);
}

const std::string& GMachineType::Name() const { return values_.Text(kTypeName); }
const std::string& GMachineType::Description() const { return values_.Text(kDescription); }
int GMachineType::LoadOrder() const { return values_.Int(kLoadOrder); }
int GMachineType::BasicType() const { return values_.Int(kBasicType); }
bool GMachineType::IsTurning() const { return values_.Bool(kTurnPrg); }

void GMachineType::SetName(std::string_view name) {
  if (name == Name()) return;
  values_.SetText(kTypeName, name);
  changed_ = true;
}

void GMachineType::SetLoadOrder(int order) {
  if (order == LoadOrder()) return;
  values_.SetInt(kLoadOrder, order);
  changed_ = true;
}

// The GENERAL keys that decide whether and how the rest is read.
bool GMachineType::ReadHeader(const TypeContext& context, int& version_read) {
  const LoadContext& load = context.load;
  values_.Load(ini_, kTypeLanguage, load);
  text_language_ = values_.Text(kTypeLanguage);
  if (context.normalise_language) text_language_ = context.normalise_language(text_language_);
  translate_ = !ini::SameName(text_language_, load.language);

  values_.Load(ini_, kVersion, load);
  version_read = values_.Int(kVersion);
  if (version_read != kModuleVersion) {
    if (version_read < kPlanarDefinitionsVersion) ini_.DeleteSection(kOldPlanarSection);
    values_.SetInt(kVersion, kModuleVersion);
    values_.Save(ini_, kVersion);
    translate_ = true;
  }

  values_.Load(ini_, kDisableTranslate, load);
  if (values_.Bool(kDisableTranslate)) translate_ = false;

  values_.Load(ini_, kDescription, load);
  if (translate_ && context.translate) {
    std::string translated = Description().empty() ? std::string() : context.translate(Description(), text_language_);
    if (!translated.empty() && translated != Description()) {
      values_.SetText(kDescription, translated);
      values_.Save(ini_, kDescription);
    }
    // The file's texts are in the current language from now on, so the next
    // start does not translate them again.
    values_.SetText(kTypeLanguage, load.language);
    values_.Save(ini_, kTypeLanguage);
  }

  values_.Load(ini_, kTypeName, load);
  if (Name().empty()) {
    values_.SetText(kTypeName, ini_.GetString(kBasicType.section, kBasicType.key, kBasicType.loader, kTypeName.length));
    values_.Save(ini_, kTypeName);
  }
  return !Name().empty() && !Description().empty();
}

// Paths that a file may name in an older or shorter form.
void GMachineType::ApplyPathRules(const LoadContext& context) {
  std::string tool_list = values_.Text(kTemplate);
  std::replace(tool_list.begin(), tool_list.end(), '\\', '/');
  if (tool_list.empty() || ini::UpperCase(tool_list).find(kOldToolListTemplate) != std::string::npos) {
    values_.SetText(kTemplate, DefaultText(kTemplate, context));
    values_.Save(ini_, kTemplate);
  }
  const std::string& post = values_.Text(kDefaultPostProcessor);
  if (!post.empty() && !context.program_directory.empty()) {
    std::string beside = context.program_directory + "/" + post;
    if (platform::FileExists(beside)) values_.SetText(kDefaultPostProcessor, beside);
  }
}

// A file without a namespace URI or control key gets the filter of its
// family; the turning flag always follows the control key.
void GMachineType::UpgradeNcFilter() {
  if (values_.Text(kFilterUri).empty() || values_.Text(kFilterType).empty()) {
    changed_ = true;
    NcFilter filter = BasicType() == 1
                          ? DeriveNcFilter(kControlKeyHeidenhain, NcFormatUri(kNamespacePathHeidenhain),
                                           kFilterLibraryHeidenhainUpgrade)
                          : DeriveNcFilter(values_.Bool(kIsTurn) ? kControlKeyTurnFanucA : kControlKeyMillFanuc);
    values_.SetText(kFilterType, filter.control_key);
    values_.SetText(kFilterDll, filter.library);
    values_.SetText(kFilterUri, filter.uri);
    for (const Setting* s : {&kFilterDll, &kFilterUri, &kFilterType}) values_.Save(ini_, *s);
  }
  bool turning = IsTurningControl(values_.Text(kFilterType));
  if (turning != values_.Bool(kTurnPrg)) {
    values_.SetBool(kTurnPrg, turning);
    values_.Save(ini_, kTurnPrg);
  }
}

bool GMachineType::Load(const TypeContext& context) {
  valid_ = false;
  changed_ = false;
  bool was_cached = ini_.SetCached(true);
  ini_.UseSite(context.site);
  ini_.Open(path_);
  // Everything is read from one scan of the text; what is missing, locked
  // by the site or must be repaired goes through the file (and the scan
  // forgets what is written).
  std::optional<DeclaredValues> scan;
  if (const std::string* text = ini_.CachedText()) scan.emplace(Scope::kType, *text, ini_.Overlay());
  values_.UseScan(scan ? &*scan : nullptr);
  int version_read = 0;
  valid_ = ReadHeader(context, version_read);
  if (valid_) {
    LoadContext load = context.load;
    values_.Load(ini_, kBasicType, load);
    load.basic_type = BasicType();
    SettingHolders holders{values_, &colours_, {&mill_tools_, &turn_tools_}, scan ? &*scan : nullptr};
    for (const SettingTable& table : kTypeTables) LoadTable(ini_, table, holders, load);
    if (version_read < kColourListVersion && colours_.TakeOverOlderSection(ini_, values_)) changed_ = true;
    ApplyPathRules(load);
    UpgradeNcFilter();
    LoadMacroLibrary(context, scan ? &*scan : nullptr);
    RebuildBackplotParameters();
    RebuildChannelParser();
  }
  values_.UseScan(nullptr);
  ini_.SetCached(was_cached);
  return valid_;
}

ChannelSettings GMachineType::ChannelParserSettings() const {
  ChannelSettings settings;
  settings.mode = values_.Int(kMultiChannelMode);
  settings.by_channel_numbers = values_.Bool(kSyncUsingChNo);
  settings.start = ParseStoredPattern(values_.Text(kChannelStart));
  settings.end = ParseStoredPattern(values_.Text(kChannelEnd));
  settings.sync = ParseStoredPattern(values_.Text(kSyncCommand));
  settings.sync_number = ParseStoredPattern(values_.Text(kSyncCommandNumber));
  settings.comment_start = values_.Char(kCommentStart);
  settings.comment_end = values_.Char(kCommentEnd);
  settings.block_skip = values_.Text(kBlockSkip);
  return settings;
}

void GMachineType::RebuildChannelParser() { channel_parser_ = GChannelParser(ChannelParserSettings()); }

bool GMachineType::Save() {
  if (!valid_) return true;
  ini_.ClearWriteError();  // the answer is about this save
  bool was_cached = ini_.SetCached(true);
  SettingHolders holders{values_, &colours_, {&mill_tools_, &turn_tools_}};
  SaveMacroLibrary();
  for (const SettingTable& table : kTypeTables) {
    if (table.saved == Saved::kAlways) SaveTable(ini_, table, holders);
  }
  if (changed_) {
    for (const SettingTable& table : kTypeTables) {
      if (table.saved != Saved::kWhenChanged) continue;
      if (table.settings.data() == kSyntaxColoursPage) ini_.DeleteSection(kColourCount.section);
      SaveTable(ini_, table, holders);
    }
  }
  RebuildChannelParser();
  ini_.SetCached(was_cached);
  // A save that did not reach the file leaves the type changed, so that the
  // next one writes all of it again.
  bool written = ini_.WriteError() == 0;
  if (written) changed_ = false;
  return written;
}

}  // namespace prefig
