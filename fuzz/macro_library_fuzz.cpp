// The macro sections of a machine type file from arbitrary bytes: loading
// must give a library within its limits in which every parameter is
// referred to, the same whether the sections are read in one pass or key
// by key, and leave the same file; saved whole and loaded again it must
// come back the same, and saving it unchanged must leave the file as it is.
// The file is read and written in cache mode, as a machine type does (the
// INI store target checks that cache mode leaves what direct mode leaves).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ini/ini_file.h"
#include "record/macro_library.h"
#include "record/macro_references.h"
#include "schema/macro_library.h"
#include "work_dir.h"

namespace {

using namespace prefig;
using fuzz::ReadText;
using fuzz::WorkDir;
using fuzz::WriteText;

[[noreturn]] void Fail(const char* what, const std::string& detail = {}) {
  fprintf(stderr, "%s\n%s\n", what, detail.c_str());
  abort();
}

// Everything the library holds, as text.
std::string Dump(const GMacroLibrary& library) {
  std::string out = "current " + std::to_string(library.Current()) + "\n";
  for (const Macro& macro : library.Macros()) {
    for (size_t i = 0; i < macro.fields.Keys().size(); ++i) {
      out += FormatValue(*macro.fields.Keys()[i], macro.fields.At(i)) + "|";
    }
    out += JoinMacroLines(macro.lines) + "\n";
    for (const MacroParameter& parameter : macro.parameters) {
      for (size_t i = 0; i < parameter.fields.Keys().size(); ++i) {
        out += FormatValue(*parameter.fields.Keys()[i], parameter.fields.At(i)) + "|";
      }
      out += "\n";
    }
  }
  for (const std::string& group : library.Groups()) out += "group " + group + "\n";
  for (const MacroFavourite& f : library.Favourites()) {
    out += "favourite " + std::to_string(f.group) + " " + std::to_string(f.macro) + "\n";
  }
  return out;
}

void CheckLimits(const GMacroLibrary& library) {
  if (library.Macros().size() > static_cast<size_t>(schema::kMacroCountMax)) Fail("too many macros");
  if (library.Current() < 0 || library.Current() > static_cast<int>(library.Macros().size())) Fail("current");
  for (const Macro& macro : library.Macros()) {
    if (macro.Name().empty() || macro.lines.empty() || macro.lines.size() > static_cast<size_t>(kMacroLinesMax) ||
        macro.parameters.size() > static_cast<size_t>(schema::kMacroParameterMax)) {
      Fail("macro out of limits", macro.Name());
    }
    // Every parameter kept is referred to.
    std::vector<bool> referred(macro.parameters.size() + 1);
    for (const std::string& line : macro.lines) {
      for (const ParameterReference& ref : FindReferences(line)) {
        if (static_cast<size_t>(ref.number) < referred.size()) referred[static_cast<size_t>(ref.number)] = true;
      }
    }
    for (size_t n = 1; n < referred.size(); ++n) {
      if (!referred[n]) Fail("a parameter no line refers to", macro.Name());
    }
  }
  for (const MacroFavourite& f : library.Favourites()) {
    if (f.macro < 0 || f.macro >= static_cast<int>(library.Macros().size())) Fail("favourite of no macro");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string path = WorkDir() + "/macros.mac", key_by_key = WorkDir() + "/plain.mac";
  auto translate = [](std::string_view text) { return std::string(text) + "!"; };
  MacroLoadContext one_pass{.translate = translate, .default_group_name = "General"};
  MacroLoadContext plain{.translate = translate, .default_group_name = "General", .one_pass = false};

  std::string expected;
  {
    WriteText(key_by_key, bytes);
    GIniFile ini;
    ini.SetCached(true);
    ini.Open(key_by_key);
    GMacroLibrary library;
    library.Load(ini, plain);
    ini.Flush();
    expected = Dump(library);
  }
  std::string saved;
  {
    WriteText(path, bytes);
    GIniFile ini;
    ini.SetCached(true);
    ini.Open(path);
    GMacroLibrary library;
    library.Load(ini, one_pass);
    ini.Flush();
    if (Dump(library) != expected || ReadText(path) != ReadText(key_by_key)) {
      Fail("one pass and key by key differ", "--- key by key\n" + expected + "--- one pass\n" + Dump(library));
    }
    CheckLimits(library);
    library.SetChanged();
    library.Save(ini);
    ini.Flush();
    saved = Dump(library);
  }
  std::string file = ReadText(path);
  GIniFile ini;
  ini.SetCached(true);
  ini.Open(path);
  GMacroLibrary again;
  again.Load(ini, MacroLoadContext{.translate = {}, .default_group_name = "General"});
  CheckLimits(again);
  std::string reloaded = Dump(again);
  if (reloaded != saved) Fail("saved and loaded again differ", "--- saved\n" + saved + "--- loaded\n" + reloaded);
  again.Save(ini);
  ini.Flush();
  if (ReadText(path) != file) Fail("saving an unchanged library changed the file");
  return 0;
}
