// prefig ini ...: one store operation per call, with the store's own rules
// (a read that finds no key writes the default back).
#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/cli_common.h"
#include "cli/configuration_site.h"
#include "cli/scratch_configuration.h"
#include "ini/ini_file.h"
#include "ini/ini_overlay.h"
#include "ini/ini_text.h"
#include "platform/file_io.h"

namespace prefig::cli {
namespace {

struct IniArgs {
  std::string file, section, key, value, default_text, bool_text, root;
  int int_default = 0, int_min = 0, int_max = 0;
  double double_default = 0, double_min = 0, double_max = 0;
};

// A name the store refuses is refused here first, with the store's reason,
// so that a read does not quietly answer with the default.
void CheckNames(const IniArgs& x, bool with_key) {
  if (const char* why = ini::WhyUnusableSectionName(x.section))
    throw Failure(std::string(why) + ": '" + x.section + "'");
  if (!with_key) return;
  if (const char* why = ini::WhyUnusableKeyName(x.key)) throw Failure(std::string(why) + ": '" + x.key + "'");
}

// A write the store did not make, with its reason.
void CheckWritten(bool written, const GIniFile& file) {
  if (written) return;
  int error = file.WriteError();
  throw Failure("cannot write " + file.Path() + ": " + std::strerror(error != 0 ? error : EIO));
}

bool ParseYesNo(const std::string& text) {
  if (ini::SameName(text, "yes")) return true;
  if (ini::SameName(text, "no")) return false;
  throw Failure("expected yes or no, got '" + text + "'");
}

// A change that the site's lock forbids is refused before anything is written.
void CheckNotLocked(const GIniFile& file, const IniArgs& x) {
  const GIniOverlay* site = file.Overlay();
  if (site == nullptr) return;
  bool locked = x.key.empty() ? site->IsSectionLocked(x.section) : site->IsLocked(x.section, x.key);
  if (!locked) return;
  std::string name = x.key.empty() ? x.section : x.section + "/" + x.key;
  throw Failure(name + " is locked by the site file " + site->Source());
}

// Opens the file as the store does; a file that exists but cannot be read,
// or one that must be written and cannot, is an error. The main INI file and
// the machine types of the configuration (the editor's, or the one under
// --root) are read and written over their site files, as the editor does.
std::unique_ptr<GIniFile> OpenFile(const std::string& path, bool must_write, const std::string& root) {
  std::string text;
  platform::ReadStatus status = platform::ReadWholeFile(path, text);
  if (status == platform::ReadStatus::kOpenFailed || status == platform::ReadStatus::kReadFailed) {
    throw Failure((must_write ? "cannot write " : "cannot read ") + path + ": " +
                  std::strerror(platform::IsDirectory(path) ? EISDIR : EIO));
  }
  auto file = std::make_unique<GIniFile>();
  file->Open(path);
  SelectConfiguration(root);
  if (IsConfigurationFile(path)) file->UseSite(ReadConfigurationSite().site);
  if (file->IsReadOnly() && (must_write || status == platform::ReadStatus::kMissing)) {
    throw Failure("cannot write " + path + ": " + std::strerror(file->OpenError()));
  }
  return file;
}

constexpr const char* kSiteRootHelp =
    "The configuration whose site defaults and locks apply when FILE is its main INI file or one of its "
    "machine types (default: as the editor's ConfigPaths.cfg says)";

void Print(const std::string& value) { std::printf("%s\n", value.c_str()); }

CLI::App* Command(CLI::App& ini, const char* name, const char* help, IniArgs& args, bool with_key) {
  CLI::App* cmd = ini.add_subcommand(name, help);
  cmd->add_option("FILE", args.file, "INI file")->required();
  cmd->add_option("SECTION", args.section, "Section name")->required();
  if (with_key) cmd->add_option("KEY", args.key, "Key name")->required();
  cmd->add_option("--root", args.root, kSiteRootHelp);
  return cmd;
}

}  // namespace

namespace {

void AddIniCommands(CLI::App& app, int& exit_code) {
  auto args = std::make_shared<IniArgs>();
  IniArgs& a = *args;
  CLI::App* ini = app.add_subcommand("ini", "Read and write INI files with the store's rules");
  ini->require_subcommand(1);

  CLI::App* open = ini->add_subcommand("open", "Open a file (creating it) and tell whether it is writable");
  open->add_option("FILE", a.file, "INI file")->required();
  open->add_option("--root", a.root, kSiteRootHelp);
  open->callback([args] { Print(OpenFile(args->file, false, args->root)->IsReadOnly() ? "read-only" : "read-write"); });

  CLI::App* get = Command(*ini, "get", "Print a text value (a missing key gets the default written)", a, true);
  get->add_option("--default", a.default_text, "Default text");
  get->callback([args] {
    CheckNames(*args, true);
    Print(OpenFile(args->file, false, args->root)->GetString(args->section, args->key, args->default_text));
  });

  CLI::App* get_int = Command(*ini, "get-int", "Print an integer value, clamped to MIN..MAX", a, true);
  get_int->add_option("DEFAULT", a.int_default)->required();
  get_int->add_option("MIN", a.int_min)->required();
  get_int->add_option("MAX", a.int_max)->required();
  get_int->callback([args] {
    auto& x = *args;
    CheckNames(x, true);
    std::printf("%d\n", OpenFile(x.file, false, x.root)->GetInt(x.section, x.key, x.int_default, x.int_min, x.int_max));
  });

  CLI::App* get_double = Command(*ini, "get-double", "Print a number value, clamped to MIN..MAX", a, true);
  get_double->add_option("DEFAULT", a.double_default)->required();
  get_double->add_option("MIN", a.double_min)->required();
  get_double->add_option("MAX", a.double_max)->required();
  get_double->callback([args] {
    auto& x = *args;
    CheckNames(x, true);
    Print(ini::EncodeDouble(
        OpenFile(x.file, false, x.root)->GetDouble(x.section, x.key, x.double_default, x.double_min, x.double_max)));
  });

  CLI::App* get_bool = Command(*ini, "get-bool", "Print yes or no", a, true);
  get_bool->add_option("DEFAULT", a.bool_text, "yes or no")->required();
  get_bool->callback([args] {
    auto& x = *args;
    CheckNames(x, true);
    bool def = ParseYesNo(x.bool_text);
    Print(OpenFile(x.file, false, x.root)->GetBool(x.section, x.key, def) ? "yes" : "no");
  });

  struct Setter {
    const char* name;
    const char* help;
    bool (*write)(GIniFile&, const IniArgs&);
  };
  static const Setter kSetters[] = {
      {"set", "Write a text value (quoted when it has outer spaces or quotes)",
       [](GIniFile& f, const IniArgs& x) { return f.WriteString(x.section, x.key, x.value); }},
      {"set-raw", "Write a value as it is (trimmed)",
       [](GIniFile& f, const IniArgs& x) { return f.WriteRaw(x.section, x.key, x.value); }},
      {"set-int", "Write an integer",
       [](GIniFile& f, const IniArgs& x) {
         int n = 0;
         if (!CLI::detail::lexical_cast(x.value, n)) throw Failure("not an integer: " + x.value);
         return f.WriteInt(x.section, x.key, n);
       }},
      {"set-double", "Write a number",
       [](GIniFile& f, const IniArgs& x) {
         double n = 0;
         if (!CLI::detail::lexical_cast(x.value, n)) throw Failure("not a number: " + x.value);
         return f.WriteDouble(x.section, x.key, n);
       }},
      {"set-bool", "Write Yes or No",
       [](GIniFile& f, const IniArgs& x) { return f.WriteBool(x.section, x.key, ParseYesNo(x.value)); }},
      {"set-hex", "Write the bytes of a text as hexadecimal digits",
       [](GIniFile& f, const IniArgs& x) { return f.WriteHex(x.section, x.key, x.value); }},
  };
  for (const Setter& setter : kSetters) {
    CLI::App* cmd = Command(*ini, setter.name, setter.help, a, true);
    cmd->add_option("VALUE", a.value)->required();
    auto write = setter.write;
    cmd->callback([args, write] {
      CheckNames(*args, true);
      auto file = OpenFile(args->file, true, args->root);
      CheckNotLocked(*file, *args);
      CheckWritten(write(*file, *args), *file);
    });
  }

  CLI::App* del = Command(*ini, "delete", "Delete a key, or the whole section when no key is given", a, false);
  del->add_option("KEY", a.key, "Key name");
  del->callback([args] {
    CheckNames(*args, !args->key.empty());
    auto file = OpenFile(args->file, true, args->root);
    CheckNotLocked(*file, *args);
    CheckWritten(args->key.empty() ? file->DeleteSection(args->section) : file->DeleteKey(args->section, args->key),
                 *file);
  });

  CLI::App* exists = Command(*ini, "exists", "Exit 0 when the section (or key) exists, 1 when not", a, false);
  exists->add_option("KEY", a.key, "Key name");
  exists->callback([args, &exit_code] {
    // Asking must not create the file, as opening it would.
    if (!platform::FileExists(args->file)) {
      exit_code = kExitNo;
      return;
    }
    auto file = OpenFile(args->file, false, args->root);
    bool found = args->key.empty() ? file->SectionExists(args->section) : file->KeyExists(args->section, args->key);
    exit_code = found ? kExitOk : kExitNo;
  });
}

}  // namespace

static const CommandGroup kIniCommands{"ini", &AddIniCommands};

}  // namespace prefig::cli
