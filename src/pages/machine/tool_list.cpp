#include "pages/machine/tool_list.h"

#include <algorithm>
#include <cstring>

#include "ini/ini_text.h"
#include "module/host_interface.h"
#include "module/services.h"
#include "pages/setup_session.h"
#include "platform/file_io.h"
#include "record/machine_type.h"
#include "record/prefiguration.h"

namespace prefig {
namespace {

constexpr int kToolListTitleId = 1580;
constexpr int kToolListGroupId = 13384;
constexpr int kChooseTemplateCaptionId = 13355;
constexpr int kTemplateFilesId = 343;
constexpr int kAllFilesId = 579;
constexpr size_t kPrefixSize = 256;     // 255 characters and the terminator
constexpr size_t kTemplateSize = 1024;  // 1023 characters and the terminator
constexpr std::string_view kExpressionMark = "2:";
constexpr std::string_view kTextMark = "1:";

std::string Slashed(std::string_view path) {
  std::string text(path);
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

bool IsRtf(std::string_view path) {
  size_t dot = path.rfind('.');
  size_t slash = path.find_last_of('/');
  return dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash) &&
         ini::SameName(path.substr(dot + 1), "rtf");
}

}  // namespace

DMchToollist::DMchToollist() : WMachinePage(kToolListTitleId, schema::kToolListPage) {
  using namespace layout;
  HandledInHooks({&schema::kTemplate, &schema::kToolPrefix});
  prefix_.SetMaximumLength(kPrefixSize);
  template_.SetControlName("template");
  UpdateOnChange(new_generator_);
  SetLayout(Column{
      Group{kToolListGroupId,
            {new_generator_, Form{prefix_, trigger1_, trigger2_, comment_filter_},
             Row{Column{sort_, ignore_duplicates_, ignore_zeros_},
                 Column{two_line_comments_, next_line_, two_lines_at_a_time_}},
             Form{Row{template_, choose_, edit_}}}},
      Stretch{},
  });
}

void DMchToollist::OnLoad(bool) {
  const GMachineType* type = CurrentType();
  std::string prefix = type ? type->Values().Text(schema::kToolPrefix) : std::string();
  bool expression = prefix.starts_with(kExpressionMark);
  if (expression || prefix.starts_with(kTextMark)) prefix.erase(0, kExpressionMark.size());
  prefix_.SetTriggerMode(expression ? WEditAscii::kRegularExpressionMode : 0);
  prefix_.SetText(prefix);
  template_.SetPath(type ? type->Values().Text(schema::kTemplate) : std::string());
}

void DMchToollist::OnSave() {
  GMachineType* type = CurrentType();
  if (type == nullptr) return;
  std::string prefix(ini::Trim(prefix_.GetText(kPrefixSize)));
  bool expression = !prefix.empty() && prefix_.TriggerMode() == WEditAscii::kRegularExpressionMode;
  type->Values().SetText(schema::kToolPrefix, expression ? std::string(kExpressionMark) + prefix : prefix);
  type->Values().SetText(schema::kTemplate, ini::Trim(template_.Path().substr(0, kTemplateSize - 1)));
}

void DMchToollist::OnDefaults() {
  prefix_.SetTriggerMode(0);
  prefix_.SetText(schema::kToolPrefix.page);
  if (GPrefiguration* record = Record()) {
    template_.SetPath(platform::JoinPath(record->SettingsContext().data_directory, schema::kToolListTemplateName));
  }
}

void DMchToollist::OnUpdate() { FollowGenerator(); }

// Only the two standard files, in the DATA directory (where the default
// lives) or beside the program, follow the generator; a template of the
// user's own stays.
void DMchToollist::FollowGenerator() {
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  LoadContext context = record->SettingsContext();
  std::string path = Slashed(template_.Path());
  bool standard = false;
  for (const std::string& directory : {context.data_directory, context.program_directory}) {
    if (directory.empty()) continue;
    for (const char* name : {schema::kToolListTemplateName, schema::kNewToolListTemplateName}) {
      if (ini::SameName(path, Slashed(platform::JoinPath(directory, name)))) standard = true;
    }
  }
  if (!standard) return;
  template_.SetPath(platform::JoinPath(context.data_directory, new_generator_.IsChecked()
                                                                   ? schema::kNewToolListTemplateName
                                                                   : schema::kToolListTemplateName));
}

void DMchToollist::ChooseTemplate() {
  FileRequest request;
  request.caption_id = kChooseTemplateCaptionId;
  request.path = template_.Path();
  request.filters = {MessageString(kTemplateFilesId) + " (*.txt *.rtf)", MessageString(kAllFilesId) + " (*)"};
  if (!GetServices().ChooseFile(request)) return;
  template_.SetPath(request.path.substr(0, kTemplateSize - 1));
}

// A text template is edited in the editor: the dialog closes as OK does,
// so nothing the user changed is lost, and the host then opens the file. An
// RTF template goes to the desktop's application and the dialog stays.
void DMchToollist::EditTemplate() {
  std::string path = template_.Path();
  if (IsRtf(path)) {
    GetServices().OpenDocument(path);
    return;
  }
  if (SetupSession().close_with_ok) SetupSession().close_with_ok();
  auto* open = new OpenFileRecord;
  std::strncpy(open->path, path.c_str(), kOpenFilePathSize - 1);
  std::strncpy(open->display_path, path.c_str(), kOpenFilePathSize - 1);
  GetServices().PostToHost(kMsgOpenFile, reinterpret_cast<uintptr_t>(open), 0);
}

}  // namespace prefig
