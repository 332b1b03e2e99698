// The Qt view kept in step with the models, on the offscreen platform.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>

#include "context/config_path_handler.h"
#include "controls/header_ctrl.h"
#include "controls/push_button.h"
#include "module/plugin_abi.h"
#include "pages/config_paths_dialog.h"
#include "pages/editor_setup_main.h"
#include "pages/five_axis_dialog.h"
#include "pages/machine_types/rename_machine_type.h"
#include "pages/scripted_services.h"
#include "support/message_table.h"
#include "support/temp_dir.h"
#include "support/test_page.h"
#include "ui/control_widgets.h"
#include "ui/form_dialog_window.h"
#include "ui/page_widget.h"
#include "ui/setup_dialog.h"

namespace prefig {
namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "ui_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};
const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

using test::TestPage;

class Renderer : public ::testing::Test {
 protected:
  test::ScopedMessages messages;
  ScopedScriptedServices services;
  TestPage page;
};

TEST_F(Renderer, SpinArrowsStepThroughTheModel) {
  ui::PageWidget view(page, nullptr);
  page.ShowPage(true);
  page.box.Click();
  auto* spin = qobject_cast<QAbstractSpinBox*>(ui::WidgetOf(&page.spin));
  ASSERT_NE(spin, nullptr);
  page.spin.SetText("1/32");
  EXPECT_EQ(spin->text(), "1/32");
  spin->stepUp();
  EXPECT_EQ(page.spin.Text(), "2/32");
  EXPECT_EQ(spin->text(), "2/32");
  spin->stepDown();
  spin->stepDown();
  EXPECT_EQ(spin->text(), "1/32");
}

TEST_F(Renderer, DisablingASpinDisablesItsLabelAndChecksTravelBothWays) {
  ui::PageWidget view(page, nullptr);
  page.ShowPage(true);
  QWidget* spin = ui::WidgetOf(&page.spin);
  QWidget* label = ui::LabelWidgetOf(&page.spin);
  ASSERT_NE(label, nullptr);
  EXPECT_FALSE(spin->isEnabled());
  EXPECT_FALSE(label->isEnabled());
  auto* box = qobject_cast<QCheckBox*>(ui::WidgetOf(&page.box));
  box->click();  // the user's click reaches the model and its enable rule
  EXPECT_TRUE(page.box.IsChecked());
  EXPECT_TRUE(spin->isEnabled());
  EXPECT_TRUE(label->isEnabled());
  page.box.SetCheck(false);
  EXPECT_FALSE(box->isChecked());
  page.spin.Enable(false);
  EXPECT_FALSE(label->isEnabled());
}

TEST_F(Renderer, TypingReachesTheModel) {
  ui::PageWidget view(page, nullptr);
  page.ShowPage(true);
  auto* edit = qobject_cast<QLineEdit*>(ui::WidgetOf(&page.edit));
  edit->setFocus();
  edit->insert("G54");
  emit edit->textEdited(edit->text());
  EXPECT_EQ(page.edit.Text(), "G54");
  EXPECT_EQ(page.edit.SelectionStart(), 3u);
}

TEST_F(Renderer, TheTreeSelectsTheStartPageAndFollowsTheUser) {
  auto table = test::TestPageTable();
  DEditorSetupMain model({}, true, table);
  model.Open(5);
  ui::SetupDialog dialog(model, nullptr);
  auto* tree = dialog.findChild<QTreeWidget*>("pageTree");
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->currentItem()->text(0), "#2004");
  EXPECT_EQ(tree->currentItem()->parent()->text(0), "#2003");
  EXPECT_EQ(dialog.windowTitle(), "#346: #2004");
  auto* stack = dialog.findChild<QStackedWidget*>();
  EXPECT_EQ(&static_cast<ui::PageWidget*>(stack->currentWidget())->Page(), model.Page(PageId::kSyntaxColours));

  tree->setCurrentItem(tree->topLevelItem(0));
  EXPECT_EQ(model.CurrentPage(), model.Page(PageId::kGeneral));
  EXPECT_EQ(&static_cast<ui::PageWidget*>(stack->currentWidget())->Page(), model.Page(PageId::kGeneral));

  dialog.findChild<QPushButton*>("ok")->click();
  EXPECT_TRUE(model.HasEnded());
  EXPECT_EQ(dialog.result(), kIdOk);
}

TEST_F(Renderer, ListRowsShowTheirChecksAndGreyAndClicksReachTheModel) {
  WHeaderCtrl list(nullptr);  // outlives its widget, as a page's controls do
  QWidget parent;
  list.AddColumn(511, -70);
  list.AddColumn(513, 0);
  list.SetRows({{{"Mill", "ISO"}, false, false}, {{"Lathe", "ISO"}, true, true}});
  list.SetCheckBoxes(true);
  auto* view = qobject_cast<QTreeWidget*>(ui::CreateControlWidget(list, &parent));
  ASSERT_NE(view, nullptr);
  QTreeWidgetItem* lathe = view->topLevelItem(1);
  EXPECT_EQ(lathe->checkState(0), Qt::Checked);
  EXPECT_EQ(lathe->foreground(1).color(), QColor(0x7D, 0x7D, 0x7D));
  QTreeWidgetItem* mill = view->topLevelItem(0);
  mill->setCheckState(0, Qt::Checked);  // as a click does
  EXPECT_TRUE(list.Rows()[0].checked);
  EXPECT_EQ(view->topLevelItem(0), mill);  // changed in place, not made anew
  view->setCurrentItem(lathe);
  EXPECT_EQ(list.Selected(), 1);
  list.SetCheckBoxes(false);
  EXPECT_FALSE(view->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable);
}

// OK asks the model, which may keep the dialog open; Escape cancels.
TEST_F(Renderer, ADialogOfThePagesClosesOnlyWhenItsModelSays) {
  DRenameMch model("Mill", {"Mill", "Lathe"});
  ui::FormDialogWindow window(model, nullptr);
  EXPECT_EQ(window.windowTitle(), "#3545");
  auto* field = window.findChild<QLineEdit*>();
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->text(), "Mill");
  field->setText("lathe");
  emit field->textEdited(field->text());
  window.accept();
  EXPECT_FALSE(model.HasEnded());
  EXPECT_EQ(services.message_boxes.size(), 1u);
  field->setText("Drill");
  emit field->textEdited(field->text());
  window.accept();
  EXPECT_TRUE(model.HasEnded());
  EXPECT_EQ(model.NewDescription(), "Drill");

  DRenameMch cancelled("Mill", {"Mill"});
  ui::FormDialogWindow other(cancelled, nullptr);
  other.reject();
  EXPECT_EQ(cancelled.EndCode(), kIdCancel);
}

// The 5-axis and paths dialogs are form dialogs like the prompts: the one
// window draws them, and choices in its widgets reach their models.
TEST_F(Renderer, TheFiveAxisAndPathsDialogsAreDrawnFromTheirLayouts) {
  WInspect5Axis five_axis(FiveAxisList{{DefaultFiveAxisRecord()}, 1, 0}, "");
  ui::FormDialogWindow window(five_axis, nullptr);
  auto* type = qobject_cast<QComboBox*>(ui::WidgetOf(&five_axis.Type()));
  ASSERT_NE(type, nullptr);
  EXPECT_EQ(type->count(), 11);
  EXPECT_EQ(type->currentIndex(), 8);
  type->setCurrentIndex(2);
  emit type->activated(2);  // two tilting axes, but axis 2 is C
  EXPECT_EQ(five_axis.Type().Selected(), 2);
  EXPECT_EQ(five_axis.Picture().Name(), "five_axis_type_2");
  EXPECT_TRUE(ui::WidgetOf(&five_axis.Vector(0))->isHidden());
  window.accept();
  EXPECT_FALSE(five_axis.HasEnded());
  EXPECT_EQ(five_axis.FocusControl(), &five_axis.AxisBox(1));
  window.reject();
  EXPECT_EQ(five_axis.EndCode(), kIdCancel);

  test::TempDir dir;
  GConfigPathHandler handler(dir.File("editor"));
  DConfigPaths paths(handler, nullptr);
  ui::FormDialogWindow paths_window(paths, nullptr);
  auto* keys = qobject_cast<QComboBox*>(ui::WidgetOf(&paths.Keys()));
  auto* path = qobject_cast<QLineEdit*>(ui::WidgetOf(&paths.Path()));
  ASSERT_TRUE(keys != nullptr && path != nullptr);
  keys->setCurrentIndex(1);
  emit keys->activated(1);
  EXPECT_EQ(path->text(), "%ROOTDIR%/Cfg");
  paths_window.reject();
  EXPECT_EQ(paths.LastOutcome(), DConfigPaths::Outcome::kCancelled);
  EXPECT_FALSE(std::filesystem::exists(dir.File("ConfigPaths.cfg")));
}

// OK in the window installs what was typed in its field.
TEST_F(Renderer, ThePathsWindowsOkInstallsAChangedPathsFile) {
  test::TempDir dir;
  GConfigPathHandler handler(dir.File("editor"));
  bool changed = false;
  DConfigPaths paths(handler, &changed, {[](const std::string&) { return true; }, ""});
  ui::FormDialogWindow window(paths, nullptr);
  auto* table = qobject_cast<QTreeWidget*>(ui::WidgetOf(&paths.Table()));
  auto* keys = qobject_cast<QComboBox*>(ui::WidgetOf(&paths.Keys()));
  auto* path = qobject_cast<QLineEdit*>(ui::WidgetOf(&paths.Path()));
  ASSERT_TRUE(table != nullptr && keys != nullptr && path != nullptr);
  EXPECT_EQ(table->topLevelItemCount(), 7);
  keys->setCurrentIndex(2);
  emit keys->activated(2);
  EXPECT_EQ(table->indexOfTopLevelItem(table->currentItem()), 2);
  path->setText(QString::fromStdString(dir.File("data")));
  emit path->textEdited(path->text());
  window.accept();
  EXPECT_EQ(paths.LastOutcome(), DConfigPaths::Outcome::kInstalled);
  EXPECT_TRUE(changed);
  EXPECT_NE(test::ReadFile(dir.File("ConfigPaths.cfg")).find("DATA = " + dir.File("data")), std::string::npos)
      << test::ReadFile(dir.File("ConfigPaths.cfg"));
}

// The program's folder chooser, as the Load/save page calls it: the answer
// goes into the caller's buffer, Cancel leaves the buffer alone.
TEST_F(Renderer, TheFolderChooserPlugInWritesTheChosenFolderBack) {
  void* library = ::dlopen(PREFIG_FILE_DIR_SELECTOR, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << ::dlerror();
  auto init = reinterpret_cast<DllInitFunction>(::dlsym(library, kDllInitExport));
  auto select = reinterpret_cast<SelectDirectoryFunction>(::dlsym(library, kSelectDirectoryExport));
  ASSERT_NE(init, nullptr);
  ASSERT_NE(select, nullptr);
  EXPECT_EQ(init(Module().message_table), 0);

  test::TempDir dir;
  std::filesystem::create_directory(dir.File("picked"));
  // Answers the chooser once it is up: picks the folder, or cancels.
  QString caption, start;
  bool pick = false;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (chooser == nullptr) return;
    answer.stop();
    caption = chooser->windowTitle();
    start = chooser->directory().absolutePath();
    if (pick) {
      chooser->setDirectory(QString::fromStdString(dir.File("picked")));
      static_cast<QDialog*>(chooser)->accept();  // as the OK button does
    } else {
      chooser->reject();
    }
  });
  char path[kSelectDirectoryPathSize] = {};
  std::strncpy(path, dir.path().c_str(), sizeof path - 1);
  answer.start(10);
  EXPECT_EQ(select(path, 1533, kSelectDirectoryMayCreate, nullptr), 0);
  EXPECT_EQ(std::string(path), dir.path());
  EXPECT_EQ(caption, "#1533");
  EXPECT_EQ(start, QDir(QString::fromStdString(dir.path())).absolutePath());
  pick = true;
  answer.start(10);
  EXPECT_EQ(select(path, 1533, kSelectDirectoryMayCreate, nullptr), 1);
  EXPECT_EQ(std::string(path), dir.File("picked"));
  ::dlclose(library);
}

}  // namespace
}  // namespace prefig
