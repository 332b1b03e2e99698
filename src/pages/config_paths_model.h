#pragma once
#include <functional>
#include <string>
#include <vector>

#include "context/path_table.h"

namespace prefig {

class GConfigPathHandler;

// What the configuration paths dialog does, without its view: a drop-down
// list of the directory keys, an edit field with the selected key's path
// as written in ConfigPaths.cfg, a check box that asks to copy the existing
// configuration files to changed directories, and Default, Cancel and OK.
// The view shows Keys()/Selection()/EditText()/CopyFiles(), hands typing to
// SetEditText and calls LeaveEdit when the field loses the focus.
class GConfigPathsModel {
 public:
  static constexpr const char* kTemporaryPrefix = "~CC";
  // The program, beside the editor, that installs a new ConfigPaths.cfg
  // when it has to run as administrator ("prefig paths install").
  static constexpr const char* kInstallerProgram = "prefig";

  // How OK puts the file in place; tests replace the parts.
  struct Installer {
    // Whether we can write the file ourselves.
    std::function<bool(const std::string& target)> can_write;
    // The program run elevated otherwise; empty: kInstallerProgram in the
    // program directory.
    std::string program;
  };

  enum class Outcome {
    kOpen,        // OK not pressed yet
    kUnchanged,   // OK found nothing to write
    kInstalled,   // new paths written and taken into use
    kNotWritten,  // the file could not be written: the old paths stay
    kCancelled,
  };

  // `changed` (may be null) is set when new paths were written and taken into use.
  GConfigPathsModel(GConfigPathHandler& handler, bool* changed);
  GConfigPathsModel(GConfigPathHandler& handler, bool* changed, Installer installer);

  // The dialog opening: the copy box checked, the edited table filled with
  // the defaults and then the file's values, the file's values kept as
  // read, every key's directory noted as it is now, the first key selected.
  void Open();

  const std::vector<std::string>& Keys() const { return keys_; }
  int Selection() const { return selection_; }
  void Select(int index);  // shows that key's path; does not store the field
  const std::string& EditText() const { return edit_text_; }
  void SetEditText(std::string text) { edit_text_ = std::move(text); }
  void LeaveEdit();  // stores the field, normalised, as the selected key's path
  bool CopyFiles() const { return copy_files_; }
  void SetCopyFiles(bool on) { copy_files_ = on; }

  void Default();  // the defaults only (the file's values dropped), first key selected
  int Cancel();    // writes nothing
  // Writes the file when anything differs from it, takes the new paths
  // into use and copies the files of changed directories. Always ends the
  // dialog.
  int Ok();

  Outcome LastOutcome() const { return outcome_; }
  const PathTable& Edited() const { return edited_; }

 private:
  void FillDefaults();
  void RefillKeys();
  bool Differs() const;
  bool Install();
  void CopyChangedDirectories();

  GConfigPathHandler& handler_;
  bool* changed_;
  Installer installer_;
  PathTable edited_;
  PathTable as_read_;
  PathTable old_resolved_;
  std::vector<std::string> keys_;
  int selection_ = -1;
  std::string edit_text_;
  bool copy_files_ = true;
  Outcome outcome_ = Outcome::kOpen;
};

}  // namespace prefig
