// Screen readers: every control of every page that shows a label or a text
// of its own is named by it in the Qt view.
#include <gtest/gtest.h>

#include <QWidget>

#include "controls/control.h"
#include "controls/push_button.h"
#include "module/module_state.h"
#include "pages/page_table.h"
#include "pages/setup_session.h"
#include "record/dnc_config.h"
#include "schema/dnc_client.h"
#include "support/temp_dir.h"
#include "support/test_configuration.h"
#include "ui/accessible_names.h"
#include "ui/control_widgets.h"
#include "ui/page_widget.h"
#include "ui/qt_text.h"

namespace prefig {
namespace {

// What the control's name must be: the label's text, else its own, else an
// icon button's tooltip; empty when the control shows none.
QString ExpectedAccessibleName(const WControl& control) {
  if (control.Label() != nullptr && !control.Label()->Text().empty()) {
    return ui::AccessibleText(ui::ToQt(control.Label()->Text()));
  }
  if (control.Kind() == ControlKind::kIconButton) {
    return ui::AccessibleText(ui::ToQt(static_cast<const WIcoButton&>(control).Tooltip()));
  }
  if (control.Kind() == ControlKind::kStatic) return {};  // a label names others
  return ui::AccessibleText(ui::ToQt(control.Text()));
}

TEST(AccessibleNames, EveryLabelledControlOfEveryPageIsNamedByItsLabel) {
  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  for (int i = 0; i < record.MachineTypes().Count(); ++i) {
    SetupSession().working_types.push_back(&record.MachineTypes().At(i));
  }
  SetupSession().current_type = 0;
  test::TempDir dnc_dir;
  GDncConfig dnc;
  dnc.Load(dnc_dir.File(schema::kDncConfigFileName), record.SettingsContext());
  Module().dnc_config = &dnc;

  int named = 0;
  for (const PageEntry& entry : PageTable()) {
    if (entry.make == nullptr) continue;
    std::unique_ptr<WConfigBase> page = entry.make();
    ui::PageWidget view(*page, nullptr);
    page->ShowPage(true);
    SCOPED_TRACE(page->GetTitle(true));
    for (const WControl* control : page->Controls()) {
      QWidget* widget = ui::WidgetOf(control);
      QString expected = ExpectedAccessibleName(*control);
      if (widget == nullptr || expected.isEmpty()) continue;
      EXPECT_EQ(widget->accessibleName().toStdString(), expected.toStdString())
          << "control " << control->TextId() << " " << control->ControlName();
      EXPECT_FALSE(expected.endsWith(QLatin1Char(':')) || expected.contains(QLatin1Char('&')));
      ++named;
    }
    page->ShowPage(false);
  }
  Module().dnc_config = nullptr;
  SetupSession().working_types.clear();
  EXPECT_GT(named, 200);
}

TEST(AccessibleNames, MnemonicsAndTheLabelsColonAreLeftOut) {
  EXPECT_EQ(ui::AccessibleText(QStringLiteral(" &Tab width: ")), QStringLiteral("Tab width"));
  EXPECT_EQ(ui::AccessibleText(QStringLiteral("Rapid rate (mm / min):")), QStringLiteral("Rapid rate (mm / min)"));
  EXPECT_EQ(ui::AccessibleText(QStringLiteral("Use colors")), QStringLiteral("Use colors"));
}

}  // namespace
}  // namespace prefig
