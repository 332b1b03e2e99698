// One machine type file of arbitrary bytes: loading, saving and loading
// again must not crash, and reading all settings from one scan of the text
// must give what reading them key by key gives, and leave the same file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "record/machine_type.h"
#include "record/setting_tables.h"
#include "schema/declared_values.h"
#include "schema/registry.h"
#include "work_dir.h"

namespace {

using namespace prefig;
using fuzz::ReadText;
using fuzz::WorkDir;
using fuzz::WriteText;

// Every setting of a machine type file, read with or without a scan; the
// values as text and the file afterwards.
std::string LoadEverything(const std::string& path, bool with_scan) {
  std::string result;
  {
    GIniFile ini;
    ini.SetCached(true);
    ini.Open(path);
    SettingValues values(Scope::kType);
    ColourList colours;
    ToolTable mill(schema::kToolCount, schema::kTool), turn(schema::kTurnToolCount, schema::kTurnTool);
    std::optional<DeclaredValues> scan;
    if (with_scan && ini.CachedText()) scan.emplace(Scope::kType, *ini.CachedText());
    values.UseScan(scan ? &*scan : nullptr);
    SettingHolders holders{values, &colours, {&mill, &turn}, scan ? &*scan : nullptr};
    for (const SettingTable& table : schema::kTypeTables) LoadTable(ini, table, holders, LoadContext{});
    values.UseScan(nullptr);
    for (const Setting* s : SettingsOf(Scope::kType)) {
      if (!values.Holds(*s)) continue;
      for (int member = 0; member < s->count; ++member) result += values.Format(*s, member) + "\n";
    }
    for (const UserColour& entry : colours.Entries()) result += FormatUserColour(entry) + "\n";
    for (const ToolRecord& tool : mill.Tools()) result += FormatToolRecord(tool) + "\n";
  }
  return result + ReadText(path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = WorkDir() + "/type.mac", key_by_key = WorkDir() + "/plain.mac", scanned = WorkDir() + "/scan.mac";
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  WriteText(path, bytes);
  TypeContext context;
  context.load.language = "en-US";
  context.translate = [](std::string_view text, std::string_view) { return std::string(text) + "!"; };
  {
    GMachineType type(path);
    if (type.Load(context)) {
      type.SetChanged();
      type.Save();
    }
  }
  GMachineType again(path);
  again.Load(context);

  WriteText(key_by_key, bytes);
  WriteText(scanned, bytes);
  std::string expected = LoadEverything(key_by_key, false), actual = LoadEverything(scanned, true);
  if (expected != actual) {
    fprintf(stderr, "scan and key-by-key reading differ\n--- key by key\n%s\n--- scan\n%s\n", expected.c_str(),
            actual.c_str());
    abort();
  }
  return 0;
}
