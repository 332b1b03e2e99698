#pragma once
#include <cerrno>
#include <optional>
#include <string>

namespace prefig {

// The first write of a save that did not happen: the file, and the errno
// value (EIO when the failing call gave none).
struct WriteFailure {
  std::string path;
  int error = 0;
};

// Keeps the first failure of a save; the later ones are only its echoes.
inline void KeepFirst(std::optional<WriteFailure>& failure, const std::string& path, int error) {
  if (!failure) failure = WriteFailure{path, error != 0 ? error : EIO};
}

// Tells the user, in a message box of the dialog, that its OK could not
// write `path` and why (`error` an errno value); without the reason the
// user could only guess why OK does nothing.
void ShowNotWritten(const std::string& path, int error);

}  // namespace prefig
