#pragma once
#include <QString>
#include <functional>

namespace prefig::host {

// Runs `open_dialog` (which shows a modal dialog of the module) and, once
// the dialog is up, saves a PNG of it into `directory` as <name>.png; for
// the setup dialog one PNG per page of its tree, <nn>-<title>.png. Then the
// dialog is cancelled. Returns the number of files written.
int SaveDialogPictures(const QString& directory, const QString& name, const std::function<void()>& open_dialog);

}  // namespace prefig::host
