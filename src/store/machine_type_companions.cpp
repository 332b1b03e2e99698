// The parts of a machine type that other objects keep in its file. The
// macro library (sections MACROINF, MACROGRP, FAVORITE, MACRO%03d) loads
// after the settings and saves first; the backplot parameter string is
// rebuilt from the loaded settings. They plug in here and nowhere else.
#include "store/machine_type.h"

namespace prefig {

void GMachineType::LoadMacroLibrary(const TypeContext&) {}

void GMachineType::RebuildBackplotParameters() {}

void GMachineType::SaveMacroLibrary() {}

}  // namespace prefig
