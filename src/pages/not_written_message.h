#pragma once
#include <string>

namespace prefig {

// Tells the user, in a message box of the dialog, that its OK could not
// write `path` and why (`error` an errno value); without the reason the
// user could only guess why OK does nothing.
void ShowNotWritten(const std::string& path, int error);

}  // namespace prefig
