#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "ini/ini_file.h"
#include "record/channel_parser.h"
#include "record/colour_list.h"
#include "record/macro_library.h"
#include "record/setting_values.h"
#include "record/tool_table.h"

namespace prefig {

class DeclaredValues;

// What loading a machine type needs from the run-time context.
struct TypeContext {
  LoadContext load;  // basic_type is set for each type as it is read
  // The language code normalisation; none keeps codes as they are.
  std::function<std::string(std::string_view code)> normalise_language;
  // The translation of a text from `language` into the current language
  // through the message files; none, or an empty result, keeps the text.
  std::function<std::string(std::string_view text, std::string_view language)> translate;
  // The site defaults and locks of the configuration (null: none).
  std::shared_ptr<const GIniSite> site;
};

// One machine type: its own INI file (*.mac in TYPES) and every setting of
// the type, read through the settings schema.
class GMachineType {
 public:
  explicit GMachineType(std::string path);
  GMachineType(const GMachineType&) = delete;
  GMachineType& operator=(const GMachineType&) = delete;

  // Attaches the file and reads it in cache mode, so that it is read once
  // and written at most once: language and translation of the description,
  // the version upgrade, TYPENAME from BASICTYPE, then every key of every
  // section with its default (a new file holds them all afterwards), the
  // older colour section, and the NC filter upgrade. False when the type
  // lacks TYPENAME or DESCRIPTION; such a type is not read further.
  bool Load(const TypeContext& context);
  // The machine type saver: the always-part, and for a changed type every
  // setting in the order of its pages. Only for a valid type.
  bool Save();  // false when the type's file could not be written; it then stays changed

  const std::string& Path() const { return path_; }
  // The type's file was moved to `path`: the type follows it.
  void FileMoved(std::string path);
  GIniFile& Ini() { return ini_; }
  SettingValues& Values() { return values_; }
  const SettingValues& Values() const { return values_; }
  ColourList& Colours() { return colours_; }
  const ColourList& Colours() const { return colours_; }
  ToolTable& MillTools() { return mill_tools_; }
  ToolTable& TurnTools() { return turn_tools_; }
  GMacroLibrary& Macros() { return macros_; }
  const GMacroLibrary& Macros() const { return macros_; }
  // The syntax and unit settings for the host's backplot as NAME=value;
  // pairs, held here and never stored.
  const std::string& BackplotParameters() const { return backplot_parameters_; }
  // After loading, and whenever the backplot or tool scan settings were
  // saved into the type. Normalises the map letters.
  void RebuildBackplotParameters();
  // The parser that the multi-channel view splits the type's programs with,
  // built from its multi-channel settings, comment characters and block
  // skip; rebuilt after loading, saving, and whenever the multi-channel
  // settings were saved into the type.
  const GChannelParser& ChannelParser() const { return channel_parser_; }
  void RebuildChannelParser();
  // What the channel parser is built from: the stored settings.
  ChannelSettings ChannelParserSettings() const;

  const std::string& Name() const;         // TYPENAME
  const std::string& Description() const;  // DESCRIPTION
  int LoadOrder() const;
  int BasicType() const;
  bool IsTurning() const;  // its NC filter is a turning control
  // Both mark the type changed when the value differs.
  void SetName(std::string_view name);
  void SetLoadOrder(int order);

  // The Backplot page asked the host to open the type's tool library; the
  // host takes notice and clears it.
  bool ToolLibraryRequested() const { return tool_library_requested_; }
  void SetToolLibraryRequested(bool requested) { tool_library_requested_ = requested; }

  bool IsValid() const { return valid_; }
  bool IsChanged() const { return changed_; }
  void SetChanged(bool changed = true) { changed_ = changed; }
  // Whether the file's texts are translated when read (its language differs
  // from the current one, or it was upgraded, and translation is allowed),
  // and the language they are in.
  bool Translates() const { return translate_; }
  const std::string& TextLanguage() const { return text_language_; }

 private:
  bool ReadHeader(const TypeContext& context, int& version_read);
  void ApplyPathRules(const LoadContext& context);
  void UpgradeNcFilter();
  // The macro library keeps its data in the type; only the loader and the
  // saver call these (machine_type_companions.cpp, beside the backplot
  // parameter string). The NC filter table is the record's and is filled
  // by the setup dialog, not by loading.
  void LoadMacroLibrary(const TypeContext& context, const DeclaredValues* scan);
  void SaveMacroLibrary();

  std::string path_;
  GIniFile ini_;
  SettingValues values_{Scope::kType};
  ColourList colours_;
  ToolTable mill_tools_;
  ToolTable turn_tools_;
  GMacroLibrary macros_;
  std::string backplot_parameters_;
  GChannelParser channel_parser_;
  bool valid_ = false;
  bool changed_ = false;
  bool tool_library_requested_ = false;
  bool translate_ = false;
  std::string text_language_;
};

}  // namespace prefig
