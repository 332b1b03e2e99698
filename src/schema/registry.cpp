#include "schema/registry.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <unordered_map>

#include "ini/ini_text.h"
#include "schema/font_description.h"

namespace prefig {
namespace {

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::kText: return "text";
    case Kind::kInteger: return "integer";
    case Kind::kDouble: return "number";
    case Kind::kYesNo: return "yes/no";
    case Kind::kChar: return "character";
    case Kind::kCommaList: return "list";
    case Kind::kColour: return "colour";
    case Kind::kHexText: return "hex-text";
    case Kind::kFont: return "font";
  }
  return "?";
}

const char* ScopeName(Scope scope) {
  switch (scope) {
    case Scope::kMain: return "main INI file";
    case Scope::kType: return "machine type file";
    case Scope::kMainAndType: return "main INI file and machine type file";
    case Scope::kDnc: return "DNC configuration file";
  }
  return "?";
}

const char* SavedName(Saved saved) {
  switch (saved) {
    case Saved::kByPage: return "saved by its page";
    case Saved::kOnDestroy: return "saved when the record is destroyed";
    case Saved::kAlways: return "saved with the type every time";
    case Saved::kWhenChanged: return "saved with the type when changed";
    case Saved::kNever: return "read and completed, never saved";
  }
  return "?";
}

const char* HolderName(HeldBy holder) {
  switch (holder) {
    case HeldBy::kValues: return "";
    case HeldBy::kColourList: return "colour list";
    case HeldBy::kToolTable: return "tool table";
    case HeldBy::kProtocolList: return "protocol list";
    case HeldBy::kIniFile: return "the file itself";
    case HeldBy::kMacroLibrary: return "macro library";
  }
  return "?";
}

// Texts are built by appending: GCC 12 misreads "x" + std::string&& in
// optimised builds (-Wrestrict).
std::string Quoted(const char* text) {
  std::string out = "\"";
  out += text;
  out += '"';
  return out;
}

std::string Number(double n, Kind kind) {
  char buffer[64];
  if (kind == Kind::kColour) {
    std::snprintf(buffer, sizeof buffer, "0x%llX", static_cast<unsigned long long>(n));
  } else {
    // The golden list must not depend on the locale's decimal separator.
    auto end = std::to_chars(buffer, buffer + sizeof buffer, n, std::chars_format::general, 15).ptr;
    return std::string(buffer, end);
  }
  return buffer;
}

std::string Variants(const ByBasicType& texts) {
  std::string out = "by type";
  for (const char* text : texts) {
    out += ' ';
    out += Quoted(text);
  }
  return out;
}

std::string Limits(const Setting& s) {
  std::string out;
  switch (s.kind) {
    case Kind::kText:
    case Kind::kChar:
    case Kind::kHexText:
      if (s.length > 0) out += ' ' + std::to_string(s.length);
      break;
    case Kind::kCommaList: out += ' ' + std::to_string(s.items) + 'x' + std::to_string(s.length); break;
    case Kind::kInteger:
    case Kind::kColour:
    case Kind::kDouble:
      out += ' ';
      out += Number(s.min, s.kind);
      out += "..";
      out += Number(s.max, s.kind);
      if (s.kind == Kind::kDouble) out += " %." + std::to_string(s.decimals) + 'f';
      break;
    case Kind::kYesNo:
      if (s.yes_no == YesNoText::kOneZero) out += " 1/0";
      break;
    case Kind::kFont: break;
  }
  return out;
}

std::string PageText(const Setting& s) {
  if (HasTypeVariants(s.page_by_type)) return Variants(s.page_by_type);
  if (s.page == kSameAsLoader) return "same";
  if (s.page == kLeftUnchanged) return "left unchanged";
  if (s.page == kSetByPage) return "set from other controls";
  return Quoted(s.page);
}

std::string LoaderText(const Setting& s) {
  std::string out;
  if (HasTypeVariants(s.loader_by_type)) {
    out = Variants(s.loader_by_type);
  } else if (s.member_defaults) {
    out = "per member";
    for (int member = 0; member < s.count; ++member) {
      out += ' ';
      out += Quoted(s.member_defaults[member]);
    }
  } else {
    out = Quoted(s.loader);
  }
  if (s.loader_imperial) {
    out += " imperial ";
    out += Quoted(s.loader_imperial);
  }
  switch (s.from) {
    case DefaultFrom::kDeclared: break;
    case DefaultFrom::kCurrentLanguage: out = "the current language"; break;
    case DefaultFrom::kProgramDirectory: out += " in the program directory"; break;
    case DefaultFrom::kDataDirectory: out += " in DATA"; break;
    case DefaultFrom::kNamespaceUri: out += " on the namespace host"; break;
  }
  if (s.default_from) out = std::string(s.default_from->section) + "/" + s.default_from->key + " or " + out;
  if (s.if_empty) {
    out += ", empty taken as ";
    out += Quoted(s.if_empty);
  }
  return out;
}

}  // namespace

std::span<const SettingTable> TablesOf(Scope scope) {
  switch (scope) {
    case Scope::kType: return schema::kTypeTables;
    case Scope::kDnc: return schema::kDncTables;
    default: return schema::kMainTables;
  }
}

std::vector<const SettingTable*> AllTables() {
  std::vector<const SettingTable*> tables;
  for (Scope scope : {Scope::kMain, Scope::kType, Scope::kDnc}) {
    for (const SettingTable& table : TablesOf(scope)) tables.push_back(&table);
  }
  return tables;
}

const SettingTable* FindTable(std::string_view name) {
  for (const SettingTable* table : AllTables()) {
    if (name == table->name) return table;
  }
  return nullptr;
}

const std::vector<const Setting*>& SettingsOf(Scope scope) {
  static const auto collect = [](Scope file) {
    std::vector<const Setting*> settings;
    for (const SettingTable& table : TablesOf(file)) {
      for (const Setting* s : table.settings) {
        if (InScope(s->scope, file) && std::find(settings.begin(), settings.end(), s) == settings.end()) {
          settings.push_back(s);
        }
      }
    }
    return settings;
  };
  static const std::vector<const Setting*> main = collect(Scope::kMain), type = collect(Scope::kType),
                                           dnc = collect(Scope::kDnc);
  switch (scope) {
    case Scope::kType: return type;
    case Scope::kDnc: return dnc;
    default: return main;
  }
}

SettingKey FindSetting(Scope scope, std::string_view section, std::string_view key) {
  for (const Setting* s : SettingsOf(scope)) {
    if (!ini::SameName(s->section, section)) continue;
    if (s->kind == Kind::kFont) {
      for (const char* field : kFontFieldNames) {
        if (ini::SameName(FontKeyName(*s, field), key)) return {s, 0};
      }
      continue;
    }
    for (int member = 0; member < s->count; ++member) {
      if (ini::SameName(KeyName(*s, member), key)) return {s, member};
    }
  }
  return {};
}

const std::string& DeclaredKeyName(const Setting& s, int member) {
  static const auto names = [] {
    std::unordered_map<const Setting*, std::vector<std::string>> table;
    for (Scope scope : {Scope::kMain, Scope::kType, Scope::kDnc}) {
      for (const Setting* declared : SettingsOf(scope)) {
        std::vector<std::string>& keys = table[declared];
        if (!keys.empty()) continue;
        for (int i = 0; i < declared->count; ++i) keys.push_back(KeyName(*declared, i));
      }
    }
    return table;
  }();
  auto found = names.find(&s);
  if (found != names.end() && member >= 0 && member < static_cast<int>(found->second.size())) {
    return found->second[static_cast<size_t>(member)];
  }
  thread_local std::string other;
  other = KeyName(s, member);
  return other;
}

std::string DescribeSetting(const Setting& s) {
  std::string line = std::string(s.section) + "/" + s.key;
  if (s.count > 1) {
    line += " x" + std::to_string(s.count);
    if (s.first != 0) line += " from " + std::to_string(s.first);
  }
  line += std::string(" ") + KindName(s.kind) + Limits(s);
  line += " loader " + LoaderText(s);
  if (s.only_when) line += std::string(", read only while ") + s.only_when->key + " is Yes";
  if (s.no_while) line += std::string(", No while ") + s.no_while->key + " is Yes";
  line += " page " + PageText(s);
  if (s.held_by != HeldBy::kValues) line += std::string(" held by ") + HolderName(s.held_by);
  if (s.scope == Scope::kMainAndType) line += " (both files)";
  return line;
}

std::string DumpSchema() {
  std::string out;
  std::vector<std::pair<const Setting*, const char*>> seen;
  for (const SettingTable* table : AllTables()) {
    out += std::string("[") + table->name + "] " + ScopeName(table->scope) + ", " + SavedName(table->saved);
    if (table->by_member) out += ", member by member";
    out += "\n";
    for (const Setting* s : table->settings) {
      auto earlier = std::find_if(seen.begin(), seen.end(), [s](const auto& entry) { return entry.first == s; });
      if (earlier != seen.end()) {
        out += std::string(s->section) + "/" + s->key + " (see " + earlier->second + ")\n";
        continue;
      }
      seen.emplace_back(s, table->name);
      out += DescribeSetting(*s) + "\n";
    }
  }
  return out;
}

}  // namespace prefig
