#pragma once
#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "context/message_ids.h"
#include "pages/modal_dialog.h"
#include "pages/page_table.h"

namespace prefig {

class GMachineType;
class GPrefiguration;
class WConfigBase;
class WControl;

// The feature switches of the record.
FeatureSwitches FeatureSwitchesOf(GPrefiguration& record);

// The setup dialog: a tree of pages on the left, the current page under a
// title banner, OK, Cancel, Default and Help.
class DEditorSetupMain : public ModalDialog {
 public:
  static constexpr int kCaptionId = 346;
  static constexpr int kOkTextId = 341;
  static constexpr int kCancelTextId = 337;
  static constexpr int kHelpTextId = 345;
  static constexpr int kDefaultTextId = kDefaultButtonMessageId;
  static constexpr int kDefaultQuestionId = 13661;
  // OK could not save: "%s" the file and the reason.
  static constexpr int kNotSavedId = 16600;
  // The types' order could not be saved as the dialog closed: "%s" the file
  // and the reason.
  static constexpr int kOrderNotSavedId = 16652;

  struct TreeEntry {
    PageId id;
    WConfigBase* page;
    int parent;  // index of the parent entry, -1 at the root
    bool expanded;
    std::string title;
  };

  // Where Tab from the tree goes: the usual next widget, a control of the
  // page, or (control null) the OK button.
  struct Focus {
    bool usual;
    WControl* control;
  };

  // Makes the pages of `table` that are present.
  DEditorSetupMain(const FeatureSwitches& switches, bool has_dnc_object,
                   std::span<const PageEntry> table = PageTable());
  ~DEditorSetupMain() override;

  // Runs the dialog with the start page and performs the close step: the
  // machine types go to `list_out` (room for 256) and their number to
  // `count_out`, or -1 when the list did not change. Always 1.
  int Run(int start_page, GMachineType** list_out, int* count_out);

  // The opening steps: the record's NC filter table, the working list of
  // machine types, the tree of present pages and the start page.
  void Open(int start_page);
  // After the dialog: unless it ended with OK, the machine types that pages
  // changed read their files again; the type chosen last becomes the
  // record's current one; hands back the changed machine type list, or -1.
  void Close(GMachineType** list_out, int* count_out);

  const std::vector<TreeEntry>& Tree() const { return tree_; }
  int Selected() const { return selected_; }  // -1 before the first selection
  WConfigBase* CurrentPage() const;
  WConfigBase* Page(PageId id) const { return pages_[static_cast<int>(id)].get(); }
  const std::string& Caption() const { return caption_; }
  const std::string& Banner() const { return banner_; }

  // The tree's selection changed.
  void Select(int entry);
  void Default();
  void Help();
  void Ok();
  void Cancel() override;
  Focus TabFromTree() const;

 private:
  std::span<const PageEntry> table_;
  std::array<std::unique_ptr<WConfigBase>, kPageCount> pages_;
  std::vector<TreeEntry> tree_;
  int selected_ = -1;
  std::string caption_;
  std::string banner_;
};

}  // namespace prefig
