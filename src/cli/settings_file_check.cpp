#include "cli/settings_file_check.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <span>
#include <vector>

#include "cli/check_report.h"
#include "cli/cli_common.h"
#include "ini/ini_file.h"
#include "ini/ini_text.h"
#include "platform/file_io.h"
#include "record/setting_io.h"
#include "schema/registry.h"

namespace prefig::cli {
namespace {

struct DeclaredKey {
  const Setting* setting = nullptr;
  int member = 0;
  bool font_field = false;
};

struct ScopeDeclarations {
  std::map<std::string, DeclaredKey> keys;  // SECTION \n KEY, upper case
  std::set<std::string> sections;
};

std::string SectionKeyId(std::string_view section, std::string_view key) {
  return ini::UpperCase(section) + "\n" + ini::UpperCase(key);
}

ScopeDeclarations CollectDeclarations(std::span<const SettingTable> tables) {
  ScopeDeclarations declared;
  for (const SettingTable& table : tables) {
    for (const Setting* s : table.settings) {
      // Numbered sections (the macros) are read by their owner, not by name.
      if (std::string_view(s->section).find('%') != std::string_view::npos) continue;
      declared.sections.insert(ini::UpperCase(s->section));
      if (s->kind == Kind::kFont) {
        for (const char* field : kFontFieldNames) {
          declared.keys[SectionKeyId(s->section, FontKeyName(*s, field))] = {s, 0, true};
        }
        continue;
      }
      for (int member = 0; member < s->count; ++member) {
        declared.keys[SectionKeyId(s->section, KeyName(*s, member))] = {s, member, false};
      }
    }
  }
  return declared;
}

const ScopeDeclarations& DeclarationsOf(Scope scope) {
  static const ScopeDeclarations main = CollectDeclarations(schema::kMainTables);
  static const ScopeDeclarations type = CollectDeclarations(schema::kTypeTables);
  static const ScopeDeclarations dnc = CollectDeclarations(schema::kDncTables);
  return scope == Scope::kMain ? main : scope == Scope::kDnc ? dnc : type;
}

// Only numbers are ever repaired by a read; every other kind reads as it is.
bool IsRepairable(const DeclaredKey& declared) {
  const Setting& s = *declared.setting;
  return !declared.font_field && s.held_by == HeldBy::kValues &&
         (s.kind == Kind::kInteger || s.kind == Kind::kDouble || s.kind == Kind::kColour);
}

struct Repair {
  DeclaredKey declared;
  std::string section, key, stored, repaired;
  int line = 0;
};

// The loader's own read, on a copy of the file, tells what it writes back.
bool ComputeRepairs(const std::string& text, const LoadContext& context, std::vector<Repair>& repairs) {
  std::string copy = platform::CreateTemporaryFile("prefig-check-");
  if (copy.empty() || platform::ReplaceFile(copy, text) != 0) {
    if (!copy.empty()) std::remove(copy.c_str());
    return false;
  }
  {
    GIniFile ini;
    ini.Open(copy);
    for (Repair& repair : repairs) {
      const Setting& s = *repair.declared.setting;
      ReadSettingKey(ini, s, repair.key, DefaultText(s, context, repair.declared.member));
      repair.repaired = ini.GetString(repair.section, repair.key);
    }
  }
  std::remove(copy.c_str());
  return true;
}

int StoredBasicType(std::string_view text) {
  return ini::DecodeInt(StoredKeyValue(text, schema::kBasicType.section, schema::kBasicType.key).value_or("0"));
}

bool IsCommentLine(std::string_view text, size_t start) { return text[start] == ';' || text[start] == '#'; }

}  // namespace

std::string CheckSettingsFile(const std::string& path, Scope scope, bool fix, CheckReport& report) {
  std::string text;
  if (platform::ReadWholeFile(path, text) != platform::ReadStatus::kOk) {
    report.Error(path, 1, "the file cannot be read", "unreadable");
    return text;
  }
  const ScopeDeclarations& declared = DeclarationsOf(scope);
  std::set<std::string> seen, seen_sections;
  std::vector<ini::KeySpan> duplicates;
  std::vector<Repair> repairs;
  std::string section;
  bool in_section = false;
  for (size_t pos = 0;;) {
    ini::Line line = ini::ParseLine(text, pos);
    if (line.kind == ini::Line::kEnd) break;
    pos = line.next;
    int line_number = LineAt(text, line.start);
    if (line.kind == ini::Line::kBoundary) {
      in_section = line.header;
      section = line.header ? text.substr(line.name_begin, line.name_end - line.name_begin) : std::string();
      if (!line.header) {
        report.Error(path, line_number, "a section header the store cannot read; its keys are never read",
                     "ini-syntax");
      } else if (!seen_sections.insert(ini::UpperCase(section)).second) {
        // The store finds a section by its first header only.
        report.Warning(path, line_number, "[" + section + "] is written again; its keys here are never read",
                       "duplicate-section");
        in_section = false;
      }
      continue;
    }
    if (line.kind == ini::Line::kOther) {
      if (!IsCommentLine(text, line.start)) {
        report.Error(path, line_number, "a line that is neither a section header, a key nor a comment", "ini-syntax");
      }
      continue;
    }
    if (!in_section || IsCommentLine(text, line.start)) continue;
    std::string key = text.substr(line.name_begin, line.name_end - line.name_begin);
    std::string id = SectionKeyId(section, key);
    if (!seen.insert(id).second) {
      report.Warning(path, line_number, key + " is written again in [" + section + "]; only the first is read",
                     "duplicate-key");
      duplicates.push_back(ini::KeyAt(text, line));
      continue;
    }
    auto found = declared.keys.find(id);
    if (found == declared.keys.end()) {
      if (declared.sections.count(ini::UpperCase(section))) {
        report.Warning(path, line_number, "unknown key " + key + " in [" + section + "] (a typing error?)",
                       "unknown-key");
      }
      continue;
    }
    std::string stored(ini::ReadValue(text, ini::KeyAt(text, line)));
    if (IsRepairable(found->second) && !DecodeStored(*found->second.setting, stored)) {
      repairs.push_back({found->second, section, key, stored, {}, line_number});
    }
  }

  if (!repairs.empty()) {
    LoadContext context;
    if (scope == Scope::kType) context.basic_type = StoredBasicType(text);
    if (!ComputeRepairs(text, context, repairs)) {
      report.Error(path, 1, "no temporary file for the values the loader would repair", "unreadable");
      return text;
    }
    for (const Repair& repair : repairs) {
      const Setting& s = *repair.declared.setting;
      std::string range = s.kind == Kind::kDouble ? FormatValue(s, s.min) + ".." + FormatValue(s, s.max)
                                                  : std::to_string(static_cast<long long>(s.min)) + ".." +
                                                        std::to_string(static_cast<long long>(s.max));
      report.Warning(
          path, repair.line,
          repair.key + "=" + repair.stored + " is not a number in " + range + "; the loader uses " + repair.repaired,
          "range");
    }
  }
  if (!fix || (duplicates.empty() && repairs.empty())) return text;

  std::string fixed = text;
  // From the last, so that the spans found before stay valid.
  std::sort(duplicates.begin(), duplicates.end(),
            [](const ini::KeySpan& a, const ini::KeySpan& b) { return a.key > b.key; });
  for (const ini::KeySpan& span : duplicates) ini::RemoveKey(fixed, span);
  for (const Repair& repair : repairs) {
    ini::ApplyEdit(fixed, nullptr, ini::EditKind::kSet, repair.section, repair.key, repair.repaired);
  }
  // A fix that cannot be written ends the command: the fixes of the other
  // files, one save with these, are then not made either.
  if (int error = platform::ReplaceFile(path, fixed)) {
    throw Failure("nothing fixed, cannot write " + path + ": " + std::strerror(error));
  }
  for (const ini::KeySpan& span : duplicates) {
    report.Add(CheckReport::Level::kNote, path, LineAt(text, span.key), "fixed: the duplicate key removed",
               "duplicate-key");
  }
  for (const Repair& repair : repairs) {
    report.Add(CheckReport::Level::kNote, path, repair.line,
               "fixed: " + repair.key + "=" + repair.repaired + " written", "range");
  }
  return fixed;
}

}  // namespace prefig::cli
