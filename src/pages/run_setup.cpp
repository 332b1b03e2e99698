#include "pages/run_setup.h"

#include <cstring>

#include "controls/control.h"
#include "module/module_state.h"
#include "module/services.h"
#include "pages/editor_setup_main.h"
#include "pages/get_config_password.h"
#include "platform/module_log.h"
#include "record/dnc_config.h"
#include "record/prefiguration.h"
#include "schema/features.h"

namespace prefig {

int RunSetupSession(int start_page, GMachineType** list_out, int* count_out, GPrefiguration* record,
                    GDncConfig* dnc_config) {
  if (record == nullptr || list_out == nullptr || count_out == nullptr) return 0;
  ModuleState& module = Module();
  module.record = record;
  module.dnc_config = dnc_config;
  if (start_page < 1) {
    start_page = -start_page;
  } else {
    const std::string& password = record->Global().Values().Text(schema::kPassword);
    if (!password.empty() && !CheckConfigPassword(password)) return 0;
  }
  if (dnc_config != nullptr) dnc_config->Refresh();

  int count = -1;
  {
    // The main file is read once for the whole dialog and written once at
    // its end; what other programs write meanwhile survives that write.
    bool was_cached = record->SetCached(true);
    record->CachedText();  // read now: what others write from here on is theirs
    DEditorSetupMain dialog(FeatureSwitchesOf(*record), dnc_config != nullptr);
    module.restart_notice = false;
    dialog.Run(start_page, list_out, &count);
    if (!was_cached && !record->Flush()) {
      LogLine("SETUP : Settings not written to '%s': %s", record->Path().c_str(), std::strerror(record->WriteError()));
    }
    record->SetCached(was_cached);
  }
  *count_out = count;

  if (module.restart_notice) {
    MessageBoxRequest notice;
    notice.text = MessageString(kRestartNoticeId);
    notice.caption_id = kNoticeCaptionId;
    notice.icon = MessageIcon::kExclamation;
    notice.owner = MessageOwner::kHostWindow;
    GetServices().MessageBox(notice);
  }
  return 0;
}

}  // namespace prefig
