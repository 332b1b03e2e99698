// prefig 5axis ...: 5-axis machine definitions as the 5-axis dialog reads,
// shows and builds them.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "cli/cli_common.h"
#include "cli/host_program.h"
#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "pages/five_axis_dialog.h"
#include "platform/process.h"
#include "record/five_axis_files.h"
#include "record/five_axis_kinematics.h"
#include "record/fixed_number.h"

namespace prefig::cli {
namespace {

struct FiveAxisArgs {
  std::string text;
  int type = 0;
  std::string axis1, axis2, l1, l2 = "0", name = "Machine";
  std::string limits[kLimitCount];
  std::string types_dir, program_dir, current;
  bool records = false;
};

void PrintValue(const char* key, const std::string& value) { std::printf("%s=%s\n", key, value.c_str()); }

std::string Numbers(const FiveAxisVector& v) {
  return FixedText(v[0], 7) + " " + FixedText(v[1], 7) + " " + FixedText(v[2], 7);
}

void PrintAxis(const char* prefix, const FiveAxisRotary& axis, bool maximum_first) {
  std::string p = prefix;
  PrintValue((p + ".used").c_str(), std::to_string(axis.used));
  PrintValue((p + ".table").c_str(), std::to_string(axis.on_table));
  PrintValue((p + ".letter").c_str(), std::to_string(axis.letter));
  PrintValue((p + ".direction").c_str(), Numbers(axis.direction));
  PrintValue((p + ".offset").c_str(), Numbers(axis.offset));
  const char* first = maximum_first ? ".maximum" : ".minimum";
  const char* second = maximum_first ? ".minimum" : ".maximum";
  PrintValue((p + first).c_str(), FixedText(maximum_first ? axis.maximum : axis.minimum, 7));
  PrintValue((p + second).c_str(), FixedText(maximum_first ? axis.minimum : axis.maximum, 7));
}

// The record's fields in their order, then what the dialog shows for it.
void Show(const std::string& text) {
  auto record = ParseFiveAxisRecord(text);
  if (!record) throw Failure("not a readable 5-axis machine record");
  PrintValue("name", record->name);
  PrintAxis("axis1", record->axis1, true);
  PrintAxis("axis2", record->axis2, false);
  PrintValue("tool", Numbers(record->tool));
  PrintValue("reserved", std::to_string(record->reserved));
  PrintValue("reserved2", record->reserved2 ? std::to_string(*record->reserved2) : "");
  char identity[16];
  std::snprintf(identity, sizeof identity, "%08X", FiveAxisIdentity(*record));
  PrintValue("identity", identity);

  // As a template entry, so that showing it changes nothing.
  WInspect5Axis dialog(FiveAxisList{{*record}, 0, 0}, "");
  PrintValue("type", std::to_string(dialog.Type().Selected()));
  PrintValue("axis1.box", dialog.AxisBox(0).SelectedText());
  PrintValue("axis2.box", dialog.AxisBox(1).SelectedText());
  PrintValue("L1", dialog.L1().IsVisible() ? dialog.L1().Text() : "");
  PrintValue("L2", dialog.L2().IsVisible() ? dialog.L2().Text() : "");
  for (int i = 0; i < kLimitCount; ++i) {
    WEdit& limit = dialog.Limit(static_cast<FiveAxisLimit>(i));
    PrintValue(limit.ControlName().c_str(), limit.Text());
  }
}

int ParseAxisText(const std::string& text) {
  if (text.size() == 2) {
    int letter = (text[0] | 0x20) - 'a';
    if (letter >= kLetterA && letter <= kLetterC && (text[1] == '+' || text[1] == '-')) {
      return BoxIndex(letter, text[1] == '-' ? 1 : 0);
    }
  }
  throw Failure("an axis is written A+, A-, B+, B-, C+ or C-, not '" + text + "'");
}

// As the dialog takes a choice or typing: a control that the type
// disables (the box and limits of an axis it does not use) ignores it.
void BuildEdit(WEdit& field, const std::string& value) {
  if (field.IsEnabled()) field.UserEdit(value);
}
void BuildChoice(WComboBox& box, int index) {
  if (box.IsEnabled()) box.UserSelect(index);
}

// Drives the dialog as a user would: a new machine, the type, the axis
// boxes, the lengths and the limits, then the check of OK.
std::string Build(const FiveAxisArgs& a) {
  if (a.type < 0 || a.type >= kFreeType) {
    throw Failure("--type must be 0 to 9 (type 10 takes its vectors as entered)");
  }
  auto name = WInspect5AxisGetName::Accept(a.name);
  if (!name) throw Failure("--name must not be empty");
  FiveAxisRecord seed = DefaultFiveAxisRecord();
  seed.name = *name;
  seed.axis1.minimum = seed.axis1.maximum = seed.axis2.minimum = seed.axis2.maximum = 0;
  WInspect5Axis dialog(FiveAxisList{{seed}, 1, 0}, "");
  dialog.Type().UserSelect(a.type);
  BuildChoice(dialog.AxisBox(0), ParseAxisText(a.axis1));
  BuildChoice(dialog.AxisBox(1), ParseAxisText(a.axis2));
  BuildEdit(dialog.L1(), a.l1);
  BuildEdit(dialog.L2(), a.l2);
  for (int i = 0; i < kLimitCount; ++i) {
    if (!a.limits[i].empty()) BuildEdit(dialog.Limit(static_cast<FiveAxisLimit>(i)), a.limits[i]);
  }
  if (!dialog.Check()) {
    int axis = dialog.FocusControl() == &dialog.AxisBox(0) ? 1 : 2;
    throw Failure("the letter of axis " + std::to_string(axis) + " (" + (axis == 1 ? a.axis1 : a.axis2) +
                      ") is not allowed for type " + std::to_string(a.type),
                  kExitNo);
  }
  return FormatFiveAxisRecord(dialog.Entries()[0]);
}

void List(const FiveAxisArgs& a) {
  std::optional<FiveAxisRecord> current;
  if (!a.current.empty()) {
    current = ParseFiveAxisRecord(a.current);
    if (!current) throw Failure("--current is not a readable 5-axis machine record");
  }
  // By default the editor's own configuration: its TYPES directory and the
  // templates beside it.
  std::string host = ProgramOrHost("");
  std::string program_dir = a.program_dir.empty() ? platform::DirectoryOf(host) : a.program_dir;
  std::string types_dir = a.types_dir;
  if (types_dir.empty()) {
    ConfigPaths().SetProgramFile(host);
    types_dir = ConfigPaths().GetPath(kTypesKey);
  }
  std::vector<FiveAxisRecord> user = ReadFiveAxisFile(UserFiveAxisFile(types_dir));
  FiveAxisList list = BuildFiveAxisList(std::move(user), ReadFiveAxisFile(TemplateFiveAxisFile(program_dir)), current);
  for (const FiveAxisRecord& entry : list.entries) {
    std::printf("%s\n", a.records ? FormatFiveAxisRecord(entry).c_str() : entry.name.c_str());
  }
}

void AddFiveAxisCommands(CLI::App& app, int& /*exit_code*/) {
  auto args = std::make_shared<FiveAxisArgs>();
  FiveAxisArgs& a = *args;
  CLI::App* group = app.add_subcommand("5axis", "5-axis machine definitions");
  group->require_subcommand(1);

  CLI::App* show =
      group->add_subcommand("show", "Print a record's fields, identity value, type, axes, L1, L2 and limits");
  show->add_option("TEXT", a.text, "A record line")->required();
  show->callback([args] { Show(args->text); });

  CLI::App* build = group->add_subcommand("build", "Print the record the dialog makes of a type, its axes and lengths");
  build->add_option("--type", a.type, "Kinematic type 0 to 9")->required();
  build->add_option("--axis1", a.axis1, "First axis: A+, A-, B+, B-")->required();
  build->add_option("--axis2", a.axis2, "Second axis: C+, C- (A or B for types 2 and 5)")->required();
  build->add_option("--l1", a.l1, "Length L1")->required();
  build->add_option("--l2", a.l2, "Length L2 (types 1, 5, 7 and 9)");
  build->add_option("--min1", a.limits[kMin1], "Lower limit of axis 1");
  build->add_option("--max1", a.limits[kMax1], "Upper limit of axis 1");
  build->add_option("--min2", a.limits[kMin2], "Lower limit of axis 2");
  build->add_option("--max2", a.limits[kMax2], "Upper limit of axis 2");
  build->add_option("--name", a.name, "Machine name");
  build->callback([args] { std::printf("%s\n", Build(*args).c_str()); });

  CLI::App* list = group->add_subcommand("list", "Print the dialog's machine list, one entry a line");
  list->add_option("--types", a.types_dir, "Directory of User5Axis.cfg (default: the editor's TYPES directory)");
  list->add_option("--program-dir", a.program_dir, "Program directory whose Templates/5Axis.cfg is read");
  list->add_option("--current", a.current, "The host's current record");
  list->add_flag("--records", a.records, "Print each entry's record line instead of its name");
  list->callback([args] { List(*args); });
}

}  // namespace

static const CommandGroup kFiveAxisCommands{"5axis", &AddFiveAxisCommands};

}  // namespace prefig::cli
