// The parts of a machine type that other objects keep in its file. The
// macro library (sections MACROINF, MACROGRP, FAVORITE, MACRO%03d) loads
// after the settings and saves first; the backplot parameter string is
// rebuilt from the loaded settings. They plug in here and nowhere else.
#include "context/message_ids.h"
#include "module/module_state.h"
#include "record/backplot_parameters.h"
#include "record/machine_type.h"

namespace prefig {

void GMachineType::LoadMacroLibrary(const TypeContext& context, const DeclaredValues* scan) {
  MacroLoadContext macro_context;
  macro_context.declared = scan;
  if (translate_ && context.translate) {
    macro_context.translate = [&context, this](std::string_view text) {
      return context.translate(text, text_language_);
    };
  }
  const char* group = MessageText(kDefaultMacroGroupMessageId);
  macro_context.default_group_name = group ? group : "";
  macros_.Load(ini_, macro_context);
}

void GMachineType::RebuildBackplotParameters() { backplot_parameters_ = BuildBackplotParameters(values_); }

void GMachineType::SaveMacroLibrary() { macros_.Save(ini_); }

}  // namespace prefig
