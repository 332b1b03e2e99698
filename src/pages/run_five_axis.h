#pragma once
#include <string>

namespace prefig {

class GPrefiguration;

// What the export Run5AxisMchSetup does: with a record whose configuration
// password is set, the password first; then the 5-axis dialog on the
// machines of User5Axis.cfg (the TYPES directory) and of the program's
// templates, opened on `definition`. True after OK, `definition` then holds
// the chosen machine's record; otherwise it is left as it was. A text that
// is no record shows nothing.
bool RunFiveAxisSetup(std::string& definition, const GPrefiguration* record);

// The 5-axis machine files of the configuration: the user's machines and
// the program's templates.
std::string ConfiguredUserFiveAxisFile();
std::string ConfiguredTemplateFiveAxisFile();

}  // namespace prefig
