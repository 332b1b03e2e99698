// prefig check: the whole configuration read as the record's loader reads
// it, and what the loader would repair, refuse or misread reported.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "cli/check_report.h"
#include "cli/cli_common.h"
#include "cli/scratch_configuration.h"
#include "cli/settings_file_check.h"
#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "controls/control.h"
#include "ini/ini_text.h"
#include "ini/journal_transaction.h"
#include "pages/machine/tool_scan.h"
#include "platform/file_io.h"
#include "record/channel_parser.h"
#include "record/five_axis_record.h"
#include "record/pattern.h"
#include "record/prefiguration.h"
#include "record/setting_io.h"
#include "schema/registry.h"

namespace prefig::cli {
namespace {

namespace fs = std::filesystem;

struct CheckArgs {
  std::string root, type;
  bool fix = false;
};

// A machine type as loaded, with its own file and that file's text before
// the loader completed it (the lines a finding points at).
struct CheckedType {
  GMachineType* type;
  std::string file, text;
  int Line(const Setting& s) const { return KeyLine(text, s.section, s.key); }
  // The value as the file holds it, when it does.
  std::optional<std::string> Stored(const Setting& s) const { return StoredKeyValue(text, s.section, s.key); }
  // The loaded value; a setting that the loader reads only while another is
  // on, as the file holds it, since turning that on brings it into use.
  std::string Text(const Setting& s) const {
    if (type->Values().IsHeld(s)) return type->Values().Text(s);
    return Stored(s).value_or(std::string());
  }
};

bool IsTypeFile(const fs::path& path) { return ini::SameName(path.extension().string(), kTypeFileExtension); }

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

void CheckSyntaxCharacters(const CheckedType& t, CheckReport& report) {
  const SettingValues& values = t.type->Values();
  char comment = values.Char(schema::kCommentStart);
  if (comment == '\0') return;
  std::string comment_text(1, comment);
  int line = t.Line(schema::kCommentStart);
  if (values.Text(schema::kBlockSkip) == comment_text) {
    report.Error(t.file, line, "the comment start " + Quoted(comment_text) + " is the block-skip text",
                 "syntax-collision");
  }
  if (values.Char(schema::kDecimal) == comment) {
    report.Error(t.file, line, "the comment start " + Quoted(comment_text) + " is the decimal character",
                 "syntax-collision");
  }
  const std::string& multi_line = values.Text(schema::kMlcStart);
  if (values.Bool(schema::kMlcEnabled) && !multi_line.empty() && multi_line[0] == comment) {
    report.Error(t.file, t.Line(schema::kMlcStart),
                 "the multi-line comment start " + Quoted(multi_line) + " begins with the comment start " +
                     Quoted(comment_text) + ": a line comment swallows it",
                 "syntax-collision");
  }
}

// The patterns the user entered, compiled as the multi-channel view compiles
// them whatever method is chosen now: a method chosen later uses them.
void CheckChannelPatterns(const CheckedType& t, CheckReport& report) {
  ChannelSettings settings;
  settings.start = ParseStoredPattern(t.Text(schema::kChannelStart));
  settings.end = ParseStoredPattern(t.Text(schema::kChannelEnd));
  settings.sync = ParseStoredPattern(t.Text(schema::kSyncCommand));
  settings.sync_number = ParseStoredPattern(t.Text(schema::kSyncCommandNumber));
  GChannelParser parser(settings);
  static const struct {
    GChannelParser::Part part;
    const Setting* setting;
  } kChannelParts[] = {{GChannelParser::Part::kStart, &schema::kChannelStart},
                       {GChannelParser::Part::kEnd, &schema::kChannelEnd},
                       {GChannelParser::Part::kSync, &schema::kSyncCommand},
                       {GChannelParser::Part::kSyncNumber, &schema::kSyncCommandNumber}};
  for (const auto& part : kChannelParts) {
    const std::string& error = parser.Error(part.part);
    if (error.empty()) continue;
    report.Error(t.file, t.Line(*part.setting),
                 std::string(part.setting->key) + " " + Quoted(t.Text(*part.setting)) + ": " + error,
                 "channel-pattern");
  }
  StoredPattern prefix = ParseStoredPattern(t.Text(schema::kToolPrefix));
  if (prefix.regex) {
    std::string error = PatternError(prefix.text);
    if (!error.empty()) {
      report.Error(t.file, t.Line(schema::kToolPrefix),
                   "tool-list prefix " + Quoted(t.Text(schema::kToolPrefix)) + ": " + error, "tool-prefix");
    }
  }
}

// The words the tool scan page would refuse, with the page's own reason.
void CheckToolScanWords(const CheckedType& t, CheckReport& report) {
  for (const Setting* s : schema::kToolScanPage) {
    std::optional<ToolScanWord> word = ToolScanWordOf(*s);
    if (!word) continue;
    std::string text = t.Text(*s);
    if (int refusal = ToolScanRefusal(*word, text)) {
      report.Error(t.file, t.Line(*s), std::string(s->key) + " " + Quoted(text) + ": " + MessageString(refusal),
                   "tool-scan");
    }
  }
}

bool IsZero(const FiveAxisVector& v) { return v[0] == 0 && v[1] == 0 && v[2] == 0; }

void CheckFiveAxis(const CheckedType& t, CheckReport& report) {
  const std::string& text = t.type->Values().Text(schema::kCfg5Axis);
  int line = t.Line(schema::kCfg5Axis);
  std::optional<FiveAxisRecord> record = ParseFiveAxisRecord(text);
  if (!record) {
    report.Error(t.file, line, "CFG5AXIS is not a 5-axis machine record", "five-axis");
    return;
  }
  if ((record->axis1.used && IsZero(record->axis1.direction)) ||
      (record->axis2.used && IsZero(record->axis2.direction)) || IsZero(record->tool)) {
    report.Error(t.file, line, "the 5-axis machine " + Quoted(record->name) + " has a zero direction vector",
                 "five-axis");
  }
}

void CheckFilesAndFilter(const CheckedType& t, const GNcFilterTable& filters, CheckReport& report) {
  const SettingValues& values = t.type->Values();
  const std::string& control = values.Text(schema::kFilterType);
  if (!control.empty()) {
    bool known = false;
    for (const NcFilter& filter : filters.Entries()) known = known || filter.control_key == control;
    if (!known) {
      report.Error(t.file, t.Line(schema::kFilterType),
                   "the NC filter " + Quoted(control) + " is no entry of the filter table", "nc-filter");
    }
  }
  // The default template is made when the first tool list is; until then it
  // is rightly missing.
  LoadContext context;
  context.data_directory = ConfigPaths().GetPath(kDataKey);
  for (const Setting* s : {&schema::kTemplate, &schema::kDefaultPostProcessor}) {
    const std::string& path = values.Text(*s);
    if (!path.empty() && path != DefaultText(*s, context) && !platform::FileExists(path)) {
      report.Warning(t.file, t.Line(*s), std::string(s->key) + ": no file " + path, "missing-file");
    }
  }
}

// Two types that share a name, a description or an extension they register
// with the desktop: the editor cannot tell which one is meant.
void CheckAcrossTypes(const std::vector<CheckedType>& types, CheckReport& report) {
  std::map<std::string, const CheckedType*> names, descriptions, extensions;
  std::vector<std::pair<int, const CheckedType*>> orders;
  for (const CheckedType& t : types) {
    const SettingValues& values = t.type->Values();
    auto claim = [&](std::map<std::string, const CheckedType*>& seen, const std::string& id, const Setting& s,
                     const std::string& what, const char* check, bool error) {
      auto [it, first] = seen.emplace(ini::UpperCase(id), &t);
      if (first || it->second == &t) return;
      std::string message = what + " " + Quoted(id) + " is also the one of " + it->second->file;
      if (error) {
        report.Error(t.file, t.Line(s), message, check);
      } else {
        report.Warning(t.file, t.Line(s), message, check);
      }
    };
    // As written: the loader makes names unique, and the editor then shows another name than the file has.
    claim(names, t.Stored(schema::kTypeName).value_or(t.type->Name()), schema::kTypeName, "TYPENAME", "duplicate-type",
          true);
    claim(descriptions, t.Stored(schema::kDescription).value_or(t.type->Description()), schema::kDescription,
          "the description", "duplicate-type", true);
    if (values.Bool(schema::kRegDefaultExt) && !values.Text(schema::kSaveExt).empty()) {
      claim(extensions, values.Text(schema::kSaveExt), schema::kSaveExt, "the extension", "extension-claimed", false);
    }
    if (values.Bool(schema::kRegOtherExt)) {
      for (const std::string& extension : values.List(schema::kLoadExt)) {
        claim(extensions, extension, schema::kLoadExt, "the extension", "extension-claimed", false);
      }
    }
    std::optional<std::string> order = t.Stored(schema::kLoadOrder);
    orders.emplace_back(order ? ini::DecodeInt(*order) : t.type->LoadOrder(), &t);
  }
  std::stable_sort(orders.begin(), orders.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < orders.size(); ++i) {
    int expected = static_cast<int>(i) + 1;
    int previous = i == 0 ? 0 : orders[i - 1].first;
    if (orders[i].first == previous + 1 || orders[i].first == expected) continue;
    const CheckedType& t = *orders[i].second;
    report.Warning(t.file, t.Line(schema::kLoadOrder),
                   "LOADORDER " + std::to_string(orders[i].first) + " follows " + std::to_string(previous) +
                       ": the list is renumbered from 1 without gaps",
                   "load-order");
  }
}

// The first existing folder above a path must take new folders.
bool CanBeCreated(const std::string& directory) {
  std::error_code error;
  fs::path path = directory;
  while (!path.empty() && !fs::exists(path, error)) {
    if (path == path.parent_path()) return false;
    path = path.parent_path();
  }
  return fs::is_directory(path, error) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

void CheckConfigPaths(CheckReport& report) {
  std::string file = ConfigPaths().PathsFile();
  PathTable table;
  if (!platform::FileExists(file)) return;
  std::string text;
  if (!ConfigPaths().ReadPathsFile(table) || platform::ReadWholeFile(file, text) != platform::ReadStatus::kOk) {
    report.Error(file, 1, "the file cannot be read", "unreadable");
    return;
  }
  auto line_of = [&text](const std::string& key) {
    for (size_t pos = 0; pos < text.size();) {
      size_t end = ini::LineEnd(text, pos);
      std::string_view line = ini::Trim(std::string_view(text).substr(pos, end - pos));
      if (line.size() > key.size() && ini::SameName(line.substr(0, key.size()), key) &&
          (ini::IsBlank(line[key.size()]) || line[key.size()] == '='))
        return LineAt(text, pos);
      pos = end + 1;
    }
    return 1;
  };
  // A key reaches itself directly or through other keys of the file.
  auto refers = [&table](const std::string& from, const std::string& to) {
    const std::string* value = table.Find(from);
    return value && ini::UpperCase(*value).find("%" + ini::UpperCase(to) + "%") != std::string::npos;
  };
  auto cycle = [&](const std::string& start) {
    std::vector<std::string> path = {start};
    std::set<std::string> visited;
    std::function<bool(const std::string&)> reaches = [&](const std::string& key) {
      for (const PathTable::Entry& next : table) {
        if (!refers(key, next.key)) continue;
        if (ini::SameName(next.key, start)) return true;
        if (!visited.insert(next.key).second) continue;
        path.push_back(next.key);
        if (reaches(next.key)) return true;
        path.pop_back();
      }
      return false;
    };
    return reaches(start) ? path : std::vector<std::string>();
  };
  for (const PathTable::Entry& entry : table) {
    if (std::vector<std::string> through = cycle(entry.key); !through.empty()) {
      std::string via;
      for (size_t i = 1; i < through.size(); ++i) via += (i == 1 ? " through " : ", ") + through[i];
      report.Error(file, line_of(entry.key), entry.key + " refers to itself" + via, "config-paths");
      continue;
    }
    std::string directory = ConfigPaths().GetPath(entry.key);
    // The site folder is the administrator's: read where it is, never made.
    if (entry.key == kSiteKey) {
      if (!platform::IsDirectory(directory)) {
        report.Warning(file, line_of(entry.key), "SITE: the folder " + directory + " is not there (no site defaults)",
                       "config-paths");
      }
      continue;
    }
    if (!directory.empty() && !CanBeCreated(directory)) {
      report.Error(file, line_of(entry.key), entry.key + ": the folder " + directory + " cannot be created",
                   "config-paths");
    }
  }
}

std::vector<std::string> TypeFiles(const std::string& directory) {
  std::vector<std::string> files;
  std::error_code error;
  for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    std::error_code type_error;
    if (it->is_regular_file(type_error) && IsTypeFile(it->path())) files.push_back(it->path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int CheckConfiguration(const std::string& root, const std::string& chosen, bool fix) {
  CheckReport report;
  SelectConfiguration(root);
  if (chosen.empty()) CheckConfigPaths(report);
  std::string main_ini = ConfigPaths().GetPath(kCfgKey, std::string(kMainIniName) + ".ini");
  std::string types_directory = ConfigPaths().GetPath(kTypesKey);

  // The loader works on copies; the files checked and fixed are the real ones.
  ScratchConfiguration scratch(root);
  GPrefiguration record;
  StartRecord(record);
  record.NcFilters().Fill();
  GMachineList& list = record.MachineTypes();
  const GMachineType* only = chosen.empty() ? nullptr : &FindType(list, chosen);
  std::string only_file = only ? platform::FileNameOf(only->Path()) : std::string();

  std::string dnc_ini = platform::DirectoryOf(main_ini) + "/" + schema::kDncConfigFileName;
  // The fixes of every file are one save of the configuration's journal:
  // all are made, or none. A check alone leaves the journal as it is.
  std::unique_ptr<journal::JournalAttachment> attached;
  if (fix) {
    attached = journal::AttachJournal(platform::DirectoryOf(main_ini));
    journal::WatchFolder(types_directory);
  }
  journal::JournalTransaction fixes;
  if (chosen.empty() && platform::FileExists(main_ini)) CheckSettingsFile(main_ini, Scope::kMain, fix, report);
  if (chosen.empty() && platform::FileExists(dnc_ini)) CheckSettingsFile(dnc_ini, Scope::kDnc, fix, report);
  std::map<std::string, std::string> texts;  // file name -> its text after the fixes
  for (const std::string& file : TypeFiles(types_directory)) {
    std::string name = platform::FileNameOf(file);
    if (!only || name == only_file) {
      texts[name] = CheckSettingsFile(file, Scope::kType, fix, report);
    }
  }
  if (int error = fixes.Commit()) {
    throw Failure("nothing fixed, cannot write " + fixes.FailedPath() + ": " + std::strerror(error));
  }

  std::vector<CheckedType> types;
  for (int i = 0; i < list.Count(); ++i) {
    GMachineType& type = list.At(i);
    std::string name = platform::FileNameOf(type.Path());
    CheckedType checked{&type, types_directory + "/" + name, {}};
    if (auto found = texts.find(name); found != texts.end()) {
      checked.text = found->second;
    } else {
      platform::ReadWholeFile(type.Path(), checked.text);  // a template the loader copied
    }
    types.push_back(std::move(checked));
  }
  for (const CheckedType& t : types) {
    if (only && t.type != only) continue;
    CheckSyntaxCharacters(t, report);
    CheckChannelPatterns(t, report);
    CheckToolScanWords(t, report);
    CheckFiveAxis(t, report);
    CheckFilesAndFilter(t, record.NcFilters(), report);
  }
  if (!only) CheckAcrossTypes(types, report);
  std::fputs(report.Text().c_str(), stdout);
  return report.Errors() > 0 ? kExitNo : kExitOk;
}

namespace {

void AddCheckCommands(CLI::App& app, int& exit_code) {
  auto args = std::make_shared<CheckArgs>();
  CLI::App* check = app.add_subcommand(
      "check",
      "Read the whole configuration as the editor's loader does and report what it would refuse, misread or "
      "repair, one finding a line (FILE:LINE: error|warning: message [check]); exit 1 with errors");
  check->add_option("--root", args->root, kRootHelp);
  check->add_option("--type", args->type, "Only this machine type (TYPENAME, DESCRIPTION or position)");
  check->add_flag("--fix", args->fix, "Write back the repairs the loader would make anyway, each printed");
  check->callback([args, &exit_code] { exit_code = CheckConfiguration(args->root, args->type, args->fix); });
}

const CommandGroup kCheck{"check", &AddCheckCommands};

}  // namespace
}  // namespace prefig::cli
