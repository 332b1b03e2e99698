#pragma once
#include <QString>
#include <functional>

namespace prefig::host {

// Runs `open_dialog` (which shows a modal dialog of the module) and, once
// the dialog is up, saves a PNG of it into `directory` as <name><suffix>.png;
// for the setup dialog one PNG per page of its tree, <nn>-<title><suffix>.png.
// Then the dialog is cancelled. Returns the number of files written.
int SaveDialogPictures(const QString& directory, const QString& name, const std::function<void()>& open_dialog,
                       const QString& suffix = QString());

}  // namespace prefig::host
