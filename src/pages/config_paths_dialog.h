#pragma once
#include <functional>
#include <string>

#include "context/message_ids.h"
#include "context/path_table.h"
#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/header_ctrl.h"
#include "controls/push_button.h"
#include "pages/form_dialog.h"

namespace prefig {

class GConfigPathHandler;

// The configuration paths dialog: a drop-down list of the directory keys,
// a field with the selected key's path as ConfigPaths.cfg writes it, a
// check box that asks to copy the existing configuration files to changed
// directories, Default, and OK, which writes ConfigPaths.cfg beside the
// program (through an installer run as administrator where the program
// directory is protected) and takes the new paths into use.
class DConfigPaths : public FormDialog {
 public:
  static constexpr int kCaptionId = 1610;
  static constexpr int kKeyColumnId = 1623;
  static constexpr int kPathColumnId = 1624;
  // OK installed the new paths, yet a file of a changed folder could not be
  // copied to the new one: "%s" the file.
  static constexpr int kNotCopiedId = 16651;
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
    kNotWritten,  // the file could not be written: the old paths stay, the dialog stays open
    kCancelled,
  };

  // Opens the dialog: the copy box checked, the edited table filled with
  // the defaults and then the file's values, the file's values kept as
  // read, every key's directory noted as it is now, the first key
  // selected. `changed` (may be null) is set when new paths were written
  // and taken into use.
  DConfigPaths(GConfigPathHandler& handler, bool* changed, Installer installer = {});

  // Every key with its path; choosing a row chooses its key.
  WHeaderCtrl& Table() { return table_; }
  WComboBox& Keys() { return keys_; }
  // The selected key's path; what the user types is stored, normalised, as
  // that key's path.
  WEdit& Path() { return path_; }
  WAutoCheckbox& CopyFiles() { return copy_files_; }
  WPushButton& DefaultButton() { return default_; }

  // Writes the file when anything differs from it, takes the new paths
  // into use and copies the files of changed directories. Always ends the
  // dialog.
  void Ok() override;
  void Cancel() override;

  Outcome LastOutcome() const { return outcome_; }
  const PathTable& Edited() const { return edited_; }

 private:
  void OnEdited(WControl& control) override;
  void FillDefaults();
  void RefillKeys();
  void ShowSelected();
  void RefillTable();
  void StorePath();
  void Default();
  bool Differs() const;
  int Install();  // 0 or an errno value
  // Logs every file that could not be copied; the first is told the user.
  void CopyChangedDirectories();

  WStatic explanation_{this, 1611};
  WHeaderCtrl table_{this, 0};
  WComboBox keys_{this, 0};
  WEdit path_{this, 0};
  WAutoCheckbox copy_files_{this, 1612};
  WPushButton default_{this, kDefaultButtonMessageId, [this] { Default(); }};

  GConfigPathHandler& handler_;
  bool* changed_;
  Installer installer_;
  PathTable edited_;
  PathTable as_read_;
  PathTable old_resolved_;
  Outcome outcome_ = Outcome::kOpen;
};

}  // namespace prefig
