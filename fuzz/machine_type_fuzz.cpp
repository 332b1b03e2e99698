// One machine type file of arbitrary bytes: loading, saving and loading
// again must not crash, and reading all settings from one scan of the text
// must give what reading them key by key gives, and leave the same file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "store/declared_values.h"
#include "store/machine_type.h"
#include "store/schema/registry.h"
#include "store/setting_tables.h"

namespace {

using namespace prefig;

const std::string& WorkDir() {
  static const std::string dir = [] {
    std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = base + "/prefig-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) abort();
    return pattern;
  }();
  return dir;
}

void WriteText(const std::string& path, const uint8_t* data, size_t size) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) abort();
  if (size > 0) fwrite(data, 1, size, f);
  fclose(f);
}

std::string ReadText(const std::string& path) {
  std::string text;
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) return "<missing>";
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  fclose(f);
  return text;
}

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
  WriteText(path, data, size);
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

  WriteText(key_by_key, data, size);
  WriteText(scanned, data, size);
  std::string expected = LoadEverything(key_by_key, false), actual = LoadEverything(scanned, true);
  if (expected != actual) {
    fprintf(stderr, "scan and key-by-key reading differ\n--- key by key\n%s\n--- scan\n%s\n", expected.c_str(),
            actual.c_str());
    abort();
  }
  return 0;
}
