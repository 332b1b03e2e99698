#include "pages/global/external_commands.h"

#include "module/module_state.h"
#include "module/services.h"
#include "platform/file_io.h"
#include "record/prefiguration.h"

namespace prefig {
namespace {

constexpr int kCommandsTitleId = 1613;
constexpr int kFirstCommandGroupId = 1614;
constexpr int kSecondCommandGroupId = 1615;
constexpr int kProgramChooserCaptionId = 1622;
constexpr int kProgramFilesId = 343;
constexpr int kAllFilesId = 579;

std::string TrimmedField(std::string_view text) {
  size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(" \t");
  return std::string(text.substr(start, end - start + 1));
}

}  // namespace

CommandFields::CommandFields(ControlOwner* owner, int command)
    : title(owner, 1616, Member(schema::kExtTitle, command)),
      executable(owner, 1620, Member(schema::kExtExe, command)),
      browse(owner, icon::kFolder, 1620, [this] { Browse(); }),
      parameters(owner, 1617, Member(schema::kExtParam, command)),
      wait_for_output(owner, 1618, Member(schema::kExtWaitOutput, command)),
      output(owner, 1619, Member(schema::kExtOutput, command)) {}

bool CommandFields::HasTitle() const { return !TrimmedField(title.Text()).empty(); }

// Programs on this system carry no extension: both filters show every file.
void CommandFields::Browse() {
  FileRequest request;
  request.caption_id = kProgramChooserCaptionId;
  request.path = TrimmedField(executable.Text());
  request.filters = {MessageString(kProgramFilesId) + " (*)", MessageString(kAllFilesId) + " (*)"};
  if (!GetServices().ChooseFile(request) || !platform::FileExists(request.path)) return;
  executable.UserEdit(request.path.substr(0, schema::kExtExe.length));
}

DExternalCmd::DExternalCmd() : WPrefigBase(kCommandsTitleId, schema::kExternalCommandsPage) {
  using namespace layout;
  for (CommandFields* fields : {&first_, &second_}) {
    auto titled = [fields] { return fields->HasTitle(); };
    for (WControl* control : std::initializer_list<WControl*>{&fields->parameters, &fields->wait_for_output,
                                                              &fields->executable, &fields->browse}) {
      EnableWhen(*control, titled, {&fields->title});
    }
    EnableWhen(fields->output, [fields] { return fields->HasTitle() && fields->wait_for_output.IsChecked(); },
               {&fields->title, &fields->wait_for_output});
  }
  auto group = [](int title_id, CommandFields& fields) {
    return Group{title_id,
                 {Form{fields.title, Row{fields.executable, fields.browse}, fields.parameters, fields.wait_for_output,
                       fields.output}}};
  };
  SetLayout(Column{group(kFirstCommandGroupId, first_), group(kSecondCommandGroupId, second_), Stretch{}});
}

void DExternalCmd::OnLoad(bool first_time) {
  (void)first_time;
  Remember();
}

void DExternalCmd::Remember() {
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  for (int command = 0; command < schema::kExternalCommands; ++command) {
    loaded_titles_[command] = TrimmedField(record->Global().Values().Text(schema::kExtTitle, command));
    loaded_states_[command] = ExternalCommandState(record->Global().Values(), command);
  }
}

void DExternalCmd::OnSave() {
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  SettingValues& values = record->Global().Values();
  for (int command = 0; command < schema::kExternalCommands; ++command) {
    bool retitled = TrimmedField(values.Text(schema::kExtTitle, command)) != loaded_titles_[command];
    bool came_into_being =
        loaded_states_[command] == CommandState::kNone && ExternalCommandState(values, command) != CommandState::kNone;
    if (retitled || came_into_being) Module().restart_notice = true;
  }
  NormalizeExternalCommands(values);
  Remember();
}

}  // namespace prefig
