#include "ini/registry_hive.h"

#include "ini/ini_edit.h"
#include "ini/ini_text.h"
#include "platform/registry.h"

namespace prefig::ini::hive {
namespace {

constexpr std::string_view kDefaultValueName = "@";
constexpr char kKeySeparator = '\\';

bool IsUnsafeNameChar(unsigned char c) { return c <= ' ' || c == 0x7f || c == '%'; }

std::string Escape(std::string_view name, std::string_view also) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (char c : name) {
    auto u = static_cast<unsigned char>(c);
    if (IsUnsafeNameChar(u) || also.find(c) != std::string_view::npos) {
      out += '%';
      out += kDigits[u >> 4];
      out += kDigits[u & 15];
    } else {
      out += c;
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = ini::FoldCase(c);
  return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

std::string Unescape(std::string_view name) {
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '%' && i + 2 < name.size() && HexDigit(name[i + 1]) >= 0 && HexDigit(name[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(name[i + 1]) * 16 + HexDigit(name[i + 2]));
      i += 2;
    } else {
      out += name[i];
    }
  }
  return out;
}

std::string SectionName(std::string_view key) { return Escape(key, "[]"); }

std::string ValueName(std::string_view value) {
  return value.empty() ? std::string(kDefaultValueName) : Escape(value, "=[@");
}

// Every section header of the text: its escaped name.
std::vector<std::string_view> SectionNames(std::string_view text) {
  std::vector<std::string_view> names;
  for (size_t pos = 0;;) {
    ini::Line line = ini::ParseLine(text, pos);
    if (line.kind == ini::Line::kEnd) return names;
    if (line.header) names.push_back(text.substr(line.name_begin, line.name_end - line.name_begin));
    pos = line.next;
  }
}

bool HasValues(std::string_view text, std::string_view section) {
  auto span = ini::FindSection(text, section);
  if (!span) return false;
  for (size_t pos = span->body; pos < span->end;) {
    ini::Line line = ini::ParseLine(text, pos);
    if (line.kind == ini::Line::kKey && line.start < span->end) return true;
    if (line.kind == ini::Line::kEnd || line.next <= pos) break;
    pos = line.next;
  }
  return false;
}

// Whether `name` (a decoded key) is `key` or lies below it.
bool IsInTree(std::string_view name, std::string_view key) {
  if (name.size() < key.size() || !ini::SameName(name.substr(0, key.size()), key)) return false;
  return name.size() == key.size() || name[key.size()] == kKeySeparator;
}

}  // namespace

std::optional<std::string> Lookup(std::string_view text, std::string_view key, std::string_view value) {
  auto span = ini::Locate(text, nullptr, SectionName(key), ValueName(value));
  if (!span) return std::nullopt;
  return std::string(ini::StoredValue(text, *span));
}

bool Set(std::string& text, std::string_view key, std::string_view value, std::string_view stored) {
  return ini::ApplyEdit(text, nullptr, ini::EditKind::kSet, SectionName(key), ValueName(value),
                        ini::CleanRawValue(stored));
}

bool DeleteValue(std::string& text, std::string_view key, std::string_view value) {
  std::string section = SectionName(key);
  if (!ini::ApplyEdit(text, nullptr, ini::EditKind::kDeleteKey, section, ValueName(value), {})) return false;
  if (!HasValues(text, section)) ini::ApplyEdit(text, nullptr, ini::EditKind::kDeleteSection, section, {}, {});
  return true;
}

bool DeleteTree(std::string& text, std::string_view key) {
  std::vector<std::string> doomed;
  for (std::string_view name : SectionNames(text)) {
    if (IsInTree(Unescape(name), key)) doomed.emplace_back(name);
  }
  bool changed = false;
  for (const std::string& name : doomed) {
    changed |= ini::ApplyEdit(text, nullptr, ini::EditKind::kDeleteSection, name, {}, {});
  }
  return changed;
}

std::vector<std::string> Subkeys(std::string_view text, std::string_view key) {
  std::vector<std::string> found;
  for (std::string_view escaped : SectionNames(text)) {
    std::string name = Unescape(escaped);
    std::string_view below = name;
    if (!key.empty()) {
      if (!IsInTree(name, key) || name.size() == key.size()) continue;
      below.remove_prefix(key.size() + 1);
    }
    std::string child(below.substr(0, below.find(kKeySeparator)));
    bool seen = child.empty();
    for (const std::string& other : found) seen = seen || ini::SameName(other, child);
    if (!seen) found.push_back(child);
  }
  return found;
}

namespace {

constexpr platform::HiveFormat kIniHive{&NormaliseLoadedText, &Lookup, &Set, &DeleteValue, &DeleteTree, &Subkeys};
// Runs when the library is loaded, before anything can call the registry.
[[maybe_unused]] const bool kInstalled = (platform::SetHiveFormat(&kIniHive), true);

}  // namespace
}  // namespace prefig::ini::hive
