#pragma once
// Every table of settings, in the order in which the loader reads and the
// savers write them. A table is a list of declarations in one file's scope,
// ordered as its page (or the record) saves them.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "schema/backplot.h"
#include "schema/backplot_colors.h"
#include "schema/backplot_view.h"
#include "schema/control_syntax.h"
#include "schema/dnc_client.h"
#include "schema/editing_state.h"
#include "schema/editor.h"
#include "schema/external_commands.h"
#include "schema/features.h"
#include "schema/file_compare.h"
#include "schema/general.h"
#include "schema/load_save.h"
#include "schema/machine_general.h"
#include "schema/macro_info.h"
#include "schema/macro_library.h"
#include "schema/mazak_view.h"
#include "schema/multi_channel.h"
#include "schema/planar.h"
#include "schema/printer.h"
#include "schema/protocols.h"
#include "schema/quiver.h"
#include "schema/renumber.h"
#include "schema/setting.h"
#include "schema/syntax_colors.h"
#include "schema/tool_list.h"
#include "schema/tool_scan.h"

namespace prefig {

// When a table is written.
enum class Saved : uint8_t {
  kByPage,       // by its page, on OK
  kOnDestroy,    // when the record is destroyed after a successful initialisation
  kAlways,       // every time the machine type is saved
  kWhenChanged,  // when the machine type is saved and marked changed
  kNever,        // read (and completed) by the loader only
};

struct SettingTable {
  const char* name;
  Scope scope;
  std::span<const Setting* const> settings;
  Saved saved;
  bool by_member = false;  // numbered families saved member by member, all tables' keys for one member together
};

namespace schema {

// The main INI file. The global pages save their own tables; the loader reads
// them all when the record is initialised.
inline constexpr SettingTable kMainTables[] = {
    {"general", kMain, kGeneralPage, Saved::kByPage},
    {"general, not saved", kMain, kGeneralPageReadOnly, Saved::kNever},
    {"editor", kMain, kEditorPage, Saved::kByPage},
    {"printer", kMain, kPrinterPage, Saved::kByPage},
    {"external commands", kMain, kExternalCommandsPage, Saved::kByPage, true},
    {"features", kMain, kFeaturesPage, Saved::kByPage},
    {"mazak view", kMain, kMazakViewPage, Saved::kByPage},
    {"backplot view", kMain, kBackplotViewPage, Saved::kByPage},
    {"backplot colours", kMain, kBackplotColoursPage, Saved::kByPage},
    {"editing state", kMain, kEditingState, Saved::kOnDestroy},
    {"protocols", kMain, kProtocolKeys, Saved::kNever},
};

inline constexpr const Setting* kTypeToolLists[] = {&kToolCount, &kTool, &kTurnToolCount, &kTurnTool};

// A machine type file, in the order of its saver: the always-part, then
// GENERAL, the colours and the sections of the pages.
inline constexpr SettingTable kTypeTables[] = {
    {"type header", kType, kTypeHeader, Saved::kNever},
    {"type editor state", kType, kTypeEditorState, Saved::kAlways},
    {"type tool lists", kType, kTypeToolLists, Saved::kAlways},
    {"type identity", kType, kTypeIdentity, Saved::kWhenChanged},
    {"machine general", kType, kMachineGeneralPage, Saved::kWhenChanged},
    {"syntax colours", kType, kSyntaxColoursPage, Saved::kWhenChanged},
    {"older syntax colours", kType, kOldSyntaxColours, Saved::kNever},
    {"load/save", kType, kLoadSavePage, Saved::kWhenChanged},
    {"backplot", kType, kBackplotPage, Saved::kWhenChanged},
    {"backplot, kept", kType, kBackplotKept, Saved::kWhenChanged},
    {"tool scan", kType, kToolScanPage, Saved::kWhenChanged},
    {"control syntax", kType, kControlSyntaxPage, Saved::kWhenChanged},
    {"renumber", kType, kRenumberPage, Saved::kWhenChanged},
    {"tool list", kType, kToolListPage, Saved::kWhenChanged},
    {"file compare", kType, kFileComparePage, Saved::kWhenChanged},
    {"planar", kType, kPlanarPage, Saved::kWhenChanged},
    {"planar, kept", kType, kPlanarKept, Saved::kWhenChanged},
    {"multi-channel", kType, kMultiChannelPage, Saved::kWhenChanged},
    {"quiver", kType, kQuiver, Saved::kWhenChanged},
    {"macro info", kType, kMacroInfo, Saved::kWhenChanged},
    {"macro library", kType, kMacroLibraryKeys, Saved::kAlways},
};

// The host's DNC configuration object.
inline constexpr SettingTable kDncTables[] = {
    {"dnc administration", kDnc, kDncAdministrationPage, Saved::kByPage},
    {"dnc port list", kDnc, kDncPortListPage, Saved::kByPage},
};

}  // namespace schema

// The tables of one file, or of all files (main, machine type, DNC).
std::span<const SettingTable> TablesOf(Scope scope);
std::vector<const SettingTable*> AllTables();
const SettingTable* FindTable(std::string_view name);

// Every declaration that a file of `scope` holds, once, in table order.
const std::vector<const Setting*>& SettingsOf(Scope scope);

// The declaration and member that a key of a file names ("TITLE01" gives
// TITLE%02d, member 1; a font field gives the font), or null.
struct SettingKey {
  const Setting* setting = nullptr;
  int member = 0;
};
SettingKey FindSetting(Scope scope, std::string_view section, std::string_view key);

// KeyName of a declared setting, formatted once for the program's life:
// loading reads every member of every numbered family of every file.
const std::string& DeclaredKeyName(const Setting& s, int member = 0);

// Every declaration on one line, table by table: the golden dump that makes
// a changed key, default or order a one-line difference in review.
std::string DumpSchema();
std::string DescribeSetting(const Setting& s);

}  // namespace prefig
