#include "pages/run_five_axis.h"

#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "module/services.h"
#include "pages/five_axis_dialog.h"
#include "pages/get_config_password.h"
#include "record/five_axis_files.h"
#include "record/five_axis_record.h"
#include "record/prefiguration.h"
#include "schema/features.h"

namespace prefig {

std::string ConfiguredUserFiveAxisFile() { return UserFiveAxisFile(ConfigPaths().GetPath(kTypesKey)); }

std::string ConfiguredTemplateFiveAxisFile() { return TemplateFiveAxisFile(ConfigPaths().ProgramDirectory()); }

bool RunFiveAxisSetup(std::string& definition, const GPrefiguration* record) {
  if (record != nullptr) {
    const std::string& password = record->Global().Values().Text(schema::kPassword);
    if (!password.empty() && !CheckConfigPassword(password)) return false;
  }
  std::optional<FiveAxisRecord> current = ParseFiveAxisRecord(definition);
  if (!current) return false;
  WInspect5Axis dialog(ConfiguredUserFiveAxisFile(), ConfiguredTemplateFiveAxisFile(), current);
  if (dialog.Run() != kIdOk || !dialog.Result()) return false;
  definition = FormatFiveAxisRecord(*dialog.Result());
  return true;
}

}  // namespace prefig
