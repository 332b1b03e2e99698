#include "ui/control_widgets.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSpinBox>
#include <QSvgRenderer>
#include <QToolButton>
#include <QTreeWidget>
#include <QValidator>
#include <algorithm>
#include <functional>

#include "context/message_ids.h"
#include "controls/auto_checkbox.h"
#include "controls/color_indicator.h"
#include "controls/combo_box.h"
#include "controls/edit_ascii.h"
#include "controls/edit_field.h"
#include "controls/file_name_field.h"
#include "controls/font_sample.h"
#include "controls/header_ctrl.h"
#include "controls/nc_preview.h"
#include "controls/picture.h"
#include "controls/push_button.h"
#include "controls/slider.h"
#include "controls/spin_value.h"
#include "controls/swatch_row.h"
#include "ui/accessible_names.h"
#include "ui/icons.h"
#include "ui/nc_preview_box.h"
#include "ui/palette_contrast.h"
#include "ui/qt_font.h"
#include "ui/qt_text.h"
#include "ui/setting_marks.h"
#include "ui/site_lock_marker.h"

namespace prefig::ui {
namespace {

constexpr size_t kShortTextMax = 64;

QHash<const WControl*, QWidget*>& Widgets() {
  static QHash<const WControl*, QWidget*> widgets;
  return widgets;
}

// Keeps one widget and one control in step; lives as long as the widget.
class Adapter : public QObject, public ControlView {
 public:
  Adapter(WControl& control, QWidget* widget) : QObject(widget), control_(control), widget_(widget) {
    Widgets().insert(&control, widget);
    control.AttachView(this);
  }
  ~Adapter() override {
    control_.AttachView(nullptr);
    Widgets().remove(&control_);
  }

  void ModelChanged() final {
    QSignalBlocker block(widget_);
    widget_->setEnabled(control_.IsEnabled());
    widget_->setHidden(!control_.IsVisible() || IsFilteredOut(widget_));
    Show();
    ShowSiteLock(control_, widget_);
    RefreshMarks(control_);
    NameForScreenReaders(control_, widget_);
  }

 protected:
  virtual void Show() = 0;

  WControl& control_;
  QWidget* widget_;
};

template <typename Model, typename Widget>
class TypedAdapter : public Adapter {
 public:
  TypedAdapter(Model& model, Widget* widget) : Adapter(model, widget), model_(model), view_(widget) {}

 protected:
  Model& model_;
  Widget* view_;
};

class StaticAdapter : public TypedAdapter<WStatic, QLabel> {
 public:
  using TypedAdapter::TypedAdapter;
  void Show() override {
    view_->setText(ToQt(model_.Text()));
    // A label names its control for screen readers.
    if (QWidget* buddy = view_->buddy(); buddy != nullptr && !model_.Text().empty()) {
      buddy->setAccessibleName(AccessibleText(view_->text()));
    }
  }
};

class CheckAdapter : public TypedAdapter<WAutoCheckbox, QCheckBox> {
 public:
  CheckAdapter(WAutoCheckbox& model, QCheckBox* box) : TypedAdapter(model, box) {
    connect(box, &QCheckBox::clicked, this, [this](bool checked) {
      if (checked != model_.IsChecked()) model_.Click();
    });
    box->installEventFilter(this);
  }
  void Show() override {
    view_->setText(ToQt(model_.Text()));
    view_->setChecked(model_.IsChecked());
  }
  // The mouse resting on the box is the toolkit's tooltip event.
  bool eventFilter(QObject* object, QEvent* event) override {
    if (object == view_ && event->type() == QEvent::ToolTip) {
      model_.HoverHelp();
      return true;
    }
    return false;
  }
};

// A spin box whose arrows step through the model, so fractions, decimals
// and letters step as the model says.
class ModelSpinBox : public QAbstractSpinBox {
 public:
  ModelSpinBox(WSpinValue& model, QWidget* parent) : QAbstractSpinBox(parent), model_(model) {
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) { model_.UserEdit(FromQt(text)); });
  }
  QLineEdit* Edit() const { return lineEdit(); }

  void stepBy(int steps) override {
    for (int i = 0; i < std::abs(steps); ++i) model_.UserStep(steps > 0 ? 1 : -1);
    lineEdit()->selectAll();
  }
  StepEnabled stepEnabled() const override {
    if (!isEnabled() || isReadOnly()) return StepNone;
    return StepUpEnabled | StepDownEnabled;
  }
  QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }

  // Room for the longest number of the range.
  QSize sizeHint() const override {
    ensurePolished();
    int digits = model_.IsDecimal() ? 8 : 4;
    for (int bound : {model_.Minimum(), model_.Maximum()}) {
      if (bound != WSpinValue::kRangeNeverSet && bound != INT_MAX) {
        digits = std::max(digits, static_cast<int>(QString::number(bound).size()));
      }
    }
    QSize text(fontMetrics().horizontalAdvance(QString(digits + 1, QLatin1Char('0'))), lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

 private:
  WSpinValue& model_;
};

class SpinAdapter : public TypedAdapter<WSpinValue, ModelSpinBox> {
 public:
  using TypedAdapter::TypedAdapter;
  void Show() override {
    QString text = ToQt(model_.Text());
    if (view_->Edit()->text() != text) view_->Edit()->setText(text);
    view_->updateGeometry();
  }
};

class ComboAdapter : public TypedAdapter<WComboBox, QComboBox> {
 public:
  ComboAdapter(WComboBox& model, QComboBox* combo) : TypedAdapter(model, combo) {
    connect(combo, &QComboBox::activated, this, [this](int index) { model_.UserSelect(index); });
  }
  void Show() override {
    const auto& entries = model_.Entries();
    bool same = view_->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < view_->count(); ++i) same = view_->itemText(i) == ToQt(entries[i].text);
    if (!same) {
      view_->clear();
      for (const auto& entry : entries) view_->addItem(ToQt(entry.text));
    }
    view_->setCurrentIndex(model_.Selected());
  }
};

// The numeric field's model decides what the user may type.
class FieldValidator : public QValidator {
 public:
  FieldValidator(WEditField& model, QLineEdit* edit) : QValidator(edit), model_(model), edit_(edit) {}
  State validate(QString& input, int& position) const override {
    std::string filtered = model_.Filter(FromQt(edit_->text()), FromQt(input));
    QString kept = ToQt(filtered);
    if (kept == input) return Acceptable;
    if (kept == edit_->text()) return Invalid;
    position = std::min<int>(position, static_cast<int>(kept.size()));
    input = kept;
    return Acceptable;
  }

 private:
  WEditField& model_;
  QLineEdit* edit_;
};

class EditAdapter : public TypedAdapter<WEdit, QLineEdit> {
 public:
  EditAdapter(WEdit& model, QLineEdit* edit) : TypedAdapter(model, edit) {
    connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
      model_.UserEdit(FromQt(text));
      TakeSelection();
    });
    connect(edit, &QLineEdit::selectionChanged, this, &EditAdapter::TakeSelection);
    connect(edit, &QLineEdit::cursorPositionChanged, this, &EditAdapter::TakeSelection);
    if (model.Kind() == ControlKind::kEditField)
      edit->setValidator(new FieldValidator(static_cast<WEditField&>(model), edit));
    edit->installEventFilter(this);
  }
  bool eventFilter(QObject* object, QEvent* event) override {
    if (object == view_ && event->type() == QEvent::FocusOut) model_.UserLeave();
    return false;
  }
  void Show() override {
    QString text = ToQt(model_.Text());
    if (view_->text() != text) view_->setText(text);
    view_->setMaxLength(static_cast<int>(model_.MaximumLength()) - 1);
    view_->setEchoMode(model_.IsPassword() ? QLineEdit::Password : QLineEdit::Normal);
  }

 protected:
  void TakeSelection() {
    qsizetype start = view_->hasSelectedText() ? view_->selectionStart() : view_->cursorPosition();
    qsizetype length = view_->hasSelectedText() ? view_->selectionLength() : 0;
    QByteArray before = view_->text().left(start).toUtf8();
    QByteArray selected = view_->text().mid(start, length).toUtf8();
    model_.SetSelection(before.size(), before.size() + selected.size());
  }
};

const char* MarkIcon(WEditAscii::Mark mark) {
  switch (mark) {
    case WEditAscii::Mark::kFirstMode: return "mode-text";
    case WEditAscii::Mark::kSecondMode: return "mode-plain";
    case WEditAscii::Mark::kValidExpression: return "regex-valid";
    case WEditAscii::Mark::kInvalidExpression: return "regex-invalid";
  }
  return "mode-text";
}

// The ASCII field: the edit menu with the control characters, and the drop
// button inside the right border with the mode menu; its icon is the mark.
class AsciiAdapter : public EditAdapter {
 public:
  AsciiAdapter(WEditAscii& model, QLineEdit* edit) : EditAdapter(model, edit), ascii_(model) {
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QLineEdit::customContextMenuRequested, this, &AsciiAdapter::ContextMenu);
    drop_ = edit->addAction(Icon(MarkIcon(model.CurrentMark())), QLineEdit::TrailingPosition);
    connect(drop_, &QAction::triggered, this, &AsciiAdapter::ModeMenu);
  }
  void Show() override {
    EditAdapter::Show();
    drop_->setIcon(Icon(MarkIcon(ascii_.CurrentMark())));
  }

 private:
  // The edit commands with the module's texts, then the control characters.
  void ContextMenu(const QPoint& at) {
    QMenu menu;
    bool writable = !view_->isReadOnly();
    bool selected = view_->hasSelectedText();
    QLineEdit* edit = view_;
    auto add = [&](int text_id, bool enabled, std::function<void()> command) {
      QAction* action = menu.addAction(Message(text_id));
      action->setEnabled(enabled);
      connect(action, &QAction::triggered, this, [this, command] {
        command();
        model_.UserEdit(FromQt(view_->text()));
      });
    };
    add(kUndoMessageId, writable && edit->isUndoAvailable(), [edit] { edit->undo(); });
    menu.addSeparator();
    add(kCutMessageId, writable && selected, [edit] { edit->cut(); });
    add(kCopyMessageId, selected, [edit] { edit->copy(); });
    add(kPasteMessageId, writable, [edit] { edit->paste(); });
    add(kDeleteMessageId, writable && selected, [edit] { edit->del(); });
    menu.addSeparator();
    add(kSelectAllMessageId, !edit->text().isEmpty(), [edit] { edit->selectAll(); });
    menu.addSeparator();
    for (int i = 0; i < WEditAscii::kAsciiEntryCount; ++i) {
      QAction* action = menu.addAction(ToQt(WEditAscii::AsciiMenuText(i)));
      action->setEnabled(writable);
      connect(action, &QAction::triggered, this, [this, i] {
        TakeSelection();
        view_->insert(ToQt(WEditAscii::AsciiInsertion(i)));  // undoable in the field
        model_.UserEdit(FromQt(view_->text()));
      });
    }
    menu.exec(view_->mapToGlobal(at));
  }
  void ModeMenu() {
    QMenu menu;
    for (int mode = 0; mode < WEditAscii::kModeCount; ++mode) {
      QAction* action = menu.addAction(Message(WEditAscii::kFirstModeTextId + mode));
      action->setCheckable(true);
      action->setChecked(mode == ascii_.TriggerMode());
      connect(action, &QAction::triggered, this, [this, mode] { ascii_.UserSetTriggerMode(mode); });
    }
    menu.exec(view_->mapToGlobal(QPoint(view_->width() - view_->height(), view_->height())));
  }

  WEditAscii& ascii_;
  QAction* drop_;
};

// A path shortened to the label's width.
class PathLabel : public QLabel {
 public:
  PathLabel(WFileNameField& model, QWidget* parent) : QLabel(parent), model_(model) {
    setFrameShape(QFrame::StyledPanel);
    setMinimumWidth(fontMetrics().averageCharWidth() * 12);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  }
  void Refresh() {
    QFontMetrics metrics = fontMetrics();
    int width = contentsRect().width() - 2 * margin() - metrics.averageCharWidth() / 2;
    setText(ToQt(model_.DisplayText(
        width, [&metrics](std::string_view text) { return metrics.horizontalAdvance(ToQt(text)); })));
    setToolTip(ToQt(model_.Path()));
  }
  QSize minimumSizeHint() const override { return {minimumWidth(), QLabel::minimumSizeHint().height()}; }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    Refresh();
  }

 private:
  WFileNameField& model_;
};

class PathAdapter : public TypedAdapter<WFileNameField, PathLabel> {
 public:
  using TypedAdapter::TypedAdapter;
  void Show() override { view_->Refresh(); }
};

class ButtonAdapter : public TypedAdapter<WPushButton, QAbstractButton> {
 public:
  ButtonAdapter(WPushButton& model, QAbstractButton* button) : TypedAdapter(model, button) {
    connect(button, &QAbstractButton::clicked, this, [this] { model_.Click(); });
  }
  void Show() override {
    if (model_.Kind() == ControlKind::kIconButton) {
      const auto& icon_button = static_cast<const WIcoButton&>(model_);
      view_->setIcon(Icon(icon_button.IconName()));
      view_->setToolTip(ToQt(icon_button.Tooltip()));
    } else {
      view_->setText(ToQt(model_.Text()));
    }
  }
};

// The swatch draws its cells as the model mixes them; a bound one chooses
// a colour on a click or Space.
class Swatch : public QFrame {
 public:
  Swatch(WColorIndicator& model, QWidget* parent) : QFrame(parent), model_(model) {
    setFrameShape(QFrame::Box);
    setMinimumSize(40, 20);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    if (model.IsChoosable()) {
      setFocusPolicy(Qt::StrongFocus);
      setCursor(Qt::PointingHandCursor);
    }
  }
  QSize sizeHint() const override { return {fontMetrics().height() * 3, fontMetrics().height() + 6}; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    QRect inside = contentsRect();
    const int cell = WColorIndicator::kCellSize;
    for (int y = inside.top(), row = 0; y <= inside.bottom(); y += cell, ++row) {
      for (int x = inside.left(), column = 0; x <= inside.right(); x += cell, ++column) {
        Rgba c = model_.CellColor(column, row);
        painter.fillRect(QRect(x, y, cell, cell).intersected(inside), QColor(c.red, c.green, c.blue));
      }
    }
    if (hasFocus()) {
      QStyleOptionFocusRect focus;
      focus.initFrom(this);
      focus.rect = inside.adjusted(2, 2, -2, -2);
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    painter.end();
    QFrame::paintEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (model_.IsChoosable() && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      model_.Choose();
      return;
    }
    QFrame::mouseReleaseEvent(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (model_.IsChoosable() && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return)) {
      model_.Choose();
      return;
    }
    QFrame::keyPressEvent(event);
  }

 private:
  WColorIndicator& model_;
};

class SwatchAdapter : public TypedAdapter<WColorIndicator, Swatch> {
 public:
  using TypedAdapter::TypedAdapter;
  void Show() override { view_->update(); }
};

// A 16 by 16 square: a transparent outer ring, a grey one, the colour inside,
// so that a colour like the list's background still shows its edge.
QIcon SwatchIcon(Rgba colour, const QPalette& palette) {
  QPixmap square(16, 16);
  square.fill(Qt::transparent);
  QPainter painter(&square);
  painter.fillRect(1, 1, 14, 14, SwatchFrame(palette));
  painter.fillRect(2, 2, 12, 12, QColor(colour.red, colour.green, colour.blue));
  painter.end();
  return QIcon(square);
}

class ListAdapter : public TypedAdapter<WHeaderCtrl, QTreeWidget> {
 public:
  ListAdapter(WHeaderCtrl& model, QTreeWidget* list) : TypedAdapter(model, list) {
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->header()->setStretchLastSection(false);
    viewport_ = list->viewport();
    viewport_->installEventFilter(this);
    connect(list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
      model_.UserSelect(item == nullptr ? -1 : view_->indexOfTopLevelItem(item));
    });
    connect(list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { model_.UserActivate(view_->indexOfTopLevelItem(item)); });
    connect(list, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
      if (column == 0) model_.UserCheck(view_->indexOfTopLevelItem(item), item->checkState(0) == Qt::Checked);
    });
  }
  // Rows are changed in place while their number stays, so that a click on
  // a check box never deletes the item that it came from.
  void Show() override {
    QStringList titles;
    for (const auto& column : model_.Columns()) titles << Message(column.title_id, true);
    view_->setHeaderLabels(titles);
    const auto& rows = model_.Rows();
    if (view_->topLevelItemCount() != static_cast<int>(rows.size())) {
      view_->clear();
      for (size_t i = 0; i < rows.size(); ++i) view_->addTopLevelItem(new QTreeWidgetItem);
    }
    const auto& swatches = model_.Swatches();
    for (size_t i = 0; i < rows.size(); ++i) {
      QTreeWidgetItem* item = view_->topLevelItem(static_cast<int>(i));
      ShowRow(item, rows[i]);
      item->setIcon(0, i < swatches.size() ? SwatchIcon(swatches[i], view_->palette()) : QIcon());
    }
    view_->setCurrentItem(model_.Selected() >= 0 ? view_->topLevelItem(model_.Selected()) : nullptr);
    Widths();
  }
  // The type first: while the list is destroyed its viewport still sends events.
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Resize && object == viewport_) Widths();
    return false;
  }

 private:
  void ShowRow(QTreeWidgetItem* item, const WHeaderCtrl::Row& row) {
    for (size_t column = 0; column < row.cells.size(); ++column) {
      item->setText(static_cast<int>(column), ToQt(row.cells[column]));
    }
    if (model_.HasCheckBoxes()) {
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(0, row.checked ? Qt::Checked : Qt::Unchecked);
    } else {
      item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
      item->setData(0, Qt::CheckStateRole, QVariant());
    }
    QBrush text = row.grey ? QBrush(QColor::fromRgb(WHeaderCtrl::kGreyText)) : QBrush();
    for (int column = 0; column < item->columnCount(); ++column) item->setForeground(column, text);
  }
  void Widths() {
    std::vector<int> widths = model_.ColumnWidths(viewport_->width());
    for (size_t i = 0; i < widths.size(); ++i) view_->setColumnWidth(static_cast<int>(i), widths[i]);
  }

  QWidget* viewport_;
};

// The sample drawn in the font, the face and size, and the font button;
// the button takes the focus.
class FontSampleBox : public QWidget {
 public:
  FontSampleBox(WFontSample& model, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    sample_ = new QLineEdit(this);
    sample_->setReadOnly(true);
    sample_->setFocusPolicy(Qt::NoFocus);
    size_ = new QLabel(this);
    button_ = new QToolButton(this);
    button_->setIcon(Icon(icon::kFont));
    row->addWidget(sample_, 1);
    row->addWidget(size_);
    row->addWidget(button_);
    setFocusProxy(button_);
    QObject::connect(button_, &QToolButton::clicked, this, [&model] { model.Choose(); });
  }
  QLineEdit* Sample() const { return sample_; }
  QLabel* Size() const { return size_; }
  QToolButton* Button() const { return button_; }

 private:
  QLineEdit* sample_;
  QLabel* size_;
  QToolButton* button_;
};

class FontSampleAdapter : public TypedAdapter<WFontSample, FontSampleBox> {
 public:
  using TypedAdapter::TypedAdapter;
  void Show() override {
    std::string face_and_size = model_.FaceAndSize();
    view_->Sample()->setFont(ToQFont(model_.Font()));
    view_->Sample()->setText(ToQt(model_.Text().empty() ? face_and_size : model_.Text()));
    view_->Sample()->setCursorPosition(0);
    view_->Size()->setText(ToQt(face_and_size));
    view_->Size()->setHidden(model_.Text().empty());
    view_->Button()->setToolTip(ToQt(model_.ButtonTooltip()));
  }
};

class SliderAdapter : public TypedAdapter<WSlider, QSlider> {
 public:
  SliderAdapter(WSlider& model, QSlider* slider) : TypedAdapter(model, slider) {
    slider->setOrientation(Qt::Horizontal);
    slider->setSingleStep(1);
    connect(slider, &QSlider::valueChanged, this, [this](int value) { model_.UserMove(value); });
  }
  void Show() override {
    view_->setRange(model_.Minimum(), model_.Maximum());
    view_->setPageStep(model_.PageStep());
    view_->setTickInterval(model_.TickInterval());
    view_->setTickPosition(model_.TickInterval() > 0 ? QSlider::TicksBelow : QSlider::NoTicks);
    view_->setValue(model_.Position());
  }
};

// Square swatches side by side; the selected one framed in the highlight.
class SwatchRowBox : public QWidget {
 public:
  SwatchRowBox(WSwatchRow& model, QWidget* parent) : QWidget(parent), model_(model) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  }
  QSize sizeHint() const override { return {std::max(1, model_.Count()) * (Side() + kGap) + kGap, Side() + 2 * kGap}; }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    for (int i = 0; i < model_.Count(); ++i) {
      QRect swatch = SwatchRect(i);
      if (i == model_.Selected()) {
        QColor frame = palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid);
        painter.fillRect(swatch.adjusted(-kGap, -kGap, kGap, kGap), frame);
      }
      Rgba c = model_.Colors()[static_cast<size_t>(i)];
      painter.fillRect(swatch, SwatchFrame(palette()));
      painter.fillRect(swatch.adjusted(1, 1, -1, -1), QColor(c.red, c.green, c.blue, c.alpha));
    }
  }
  void mousePressEvent(QMouseEvent* event) override {
    for (int i = 0; i < model_.Count(); ++i) {
      if (SwatchRect(i).adjusted(-kGap, -kGap, kGap, kGap).contains(event->position().toPoint())) model_.UserSelect(i);
    }
  }
  void keyPressEvent(QKeyEvent* event) override {
    int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    if (step == 0 || model_.Count() == 0) return QWidget::keyPressEvent(event);
    int at = model_.Selected() < 0 ? 0 : std::clamp(model_.Selected() + step, 0, model_.Count() - 1);
    model_.UserSelect(at);
  }

 private:
  static constexpr int kGap = 3;
  int Side() const { return fontMetrics().height() + 4; }
  QRect SwatchRect(int i) const { return {kGap + i * (Side() + kGap), kGap, Side(), Side()}; }

  WSwatchRow& model_;
};

class SwatchRowAdapter : public TypedAdapter<WSwatchRow, SwatchRowBox> {
 public:
  using TypedAdapter::TypedAdapter;
  void Show() override {
    view_->updateGeometry();
    view_->update();
  }
};

// A picture of the module's drawings (resources/pictures/<name>.svg, or an
// icon of that name) at its own size.
class PictureAdapter : public TypedAdapter<WPicture, QLabel> {
 public:
  using TypedAdapter::TypedAdapter;
  void Show() override {
    QString name = ToQt(model_.Name());
    QString path = QStringLiteral(":/pictures/%1.svg").arg(name);
    if (!QFile::exists(path)) path = QStringLiteral(":/icons/%1.svg").arg(name);
    QSvgRenderer drawing(path);
    if (name.isEmpty() || !drawing.isValid()) {
      view_->clear();
      return;
    }
    qreal ratio = view_->devicePixelRatioF();
    QPixmap picture(drawing.defaultSize() * ratio);
    picture.fill(DrawingGround(view_->palette()));
    QPainter painter(&picture);
    drawing.render(&painter);
    painter.end();
    picture.setDevicePixelRatio(ratio);
    view_->setPixmap(picture);
  }
};

// A legend's icon, as high as a line of text.
class IconAdapter : public TypedAdapter<WIcon, QLabel> {
 public:
  using TypedAdapter::TypedAdapter;
  void Show() override {
    int side = view_->fontMetrics().height();
    view_->setPixmap(Icon(model_.IconName()).pixmap(QSize(side, side), view_->devicePixelRatioF()));
  }
};

class NcPreviewAdapter : public TypedAdapter<WNcPreview, NcPreviewBox> {
 public:
  using TypedAdapter::TypedAdapter;
  void Show() override {
    view_->updateGeometry();
    view_->update();
  }
};

template <typename AdapterType, typename Model, typename Widget>
Widget* Bind(Model& model, Widget* widget) {
  auto* adapter = new AdapterType(model, widget);
  adapter->ModelChanged();
  return widget;
}

}  // namespace

QWidget* CreateControlWidget(WControl& control, QWidget* parent) {
  QWidget* widget = nullptr;
  switch (control.Kind()) {
    case ControlKind::kStatic: widget = Bind<StaticAdapter>(static_cast<WStatic&>(control), new QLabel(parent)); break;
    case ControlKind::kCheckBox:
      widget = Bind<CheckAdapter>(static_cast<WAutoCheckbox&>(control), new QCheckBox(parent));
      break;
    case ControlKind::kSpin: {
      auto& spin = static_cast<WSpinValue&>(control);
      widget = Bind<SpinAdapter>(spin, new ModelSpinBox(spin, parent));
      break;
    }
    case ControlKind::kComboBox:
      widget = Bind<ComboAdapter>(static_cast<WComboBox&>(control), new QComboBox(parent));
      static_cast<QComboBox*>(widget)->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      break;
    case ControlKind::kEdit:
    case ControlKind::kEditField: {
      auto& edit = static_cast<WEdit&>(control);
      widget = Bind<EditAdapter>(edit, new QLineEdit(parent));
      // A field for a short text keeps its width; one for a path or a list takes the room there is.
      if (edit.MaximumLength() <= kShortTextMax) widget->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
      break;
    }
    case ControlKind::kEditAscii:
      widget = Bind<AsciiAdapter>(static_cast<WEditAscii&>(control), new QLineEdit(parent));
      break;
    case ControlKind::kFileName: {
      auto& field = static_cast<WFileNameField&>(control);
      widget = Bind<PathAdapter>(field, new PathLabel(field, parent));
      break;
    }
    case ControlKind::kPushButton:
      widget = Bind<ButtonAdapter>(static_cast<WPushButton&>(control), new QPushButton(parent));
      break;
    case ControlKind::kIconButton:
      widget = Bind<ButtonAdapter>(static_cast<WPushButton&>(control), new QToolButton(parent));
      break;
    case ControlKind::kColorIndicator: {
      auto& swatch = static_cast<WColorIndicator&>(control);
      widget = Bind<SwatchAdapter>(swatch, new Swatch(swatch, parent));
      break;
    }
    case ControlKind::kList:
      widget = Bind<ListAdapter>(static_cast<WHeaderCtrl&>(control), new QTreeWidget(parent));
      break;
    case ControlKind::kIcon: widget = Bind<IconAdapter>(static_cast<WIcon&>(control), new QLabel(parent)); break;
    case ControlKind::kFontSample: {
      auto& sample = static_cast<WFontSample&>(control);
      widget = Bind<FontSampleAdapter>(sample, new FontSampleBox(sample, parent));
      break;
    }
    case ControlKind::kSlider: widget = Bind<SliderAdapter>(static_cast<WSlider&>(control), new QSlider(parent)); break;
    case ControlKind::kSwatchRow: {
      auto& row = static_cast<WSwatchRow&>(control);
      widget = Bind<SwatchRowAdapter>(row, new SwatchRowBox(row, parent));
      break;
    }
    case ControlKind::kPicture:
      widget = Bind<PictureAdapter>(static_cast<WPicture&>(control), new QLabel(parent));
      break;
    case ControlKind::kNcPreview: {
      auto& preview = static_cast<WNcPreview&>(control);
      widget = Bind<NcPreviewAdapter>(preview, new NcPreviewBox(preview, parent));
      break;
    }
  }
  if (WStatic* label = control.Label()) {
    auto* label_widget = new QLabel(parent);
    label_widget->setBuddy(widget);
    Bind<StaticAdapter>(*label, label_widget);
  }
  AddResetCommand(control, widget);
  RefreshMarks(control);
  return widget;
}

QWidget* WidgetOf(const WControl* control) { return Widgets().value(control, nullptr); }

QWidget* LabelWidgetOf(const WControl* control) { return control == nullptr ? nullptr : WidgetOf(control->Label()); }

WControl* ControlOf(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    for (auto it = Widgets().cbegin(); it != Widgets().cend(); ++it) {
      if (it.value() == widget) return const_cast<WControl*>(it.key());
    }
  }
  return nullptr;
}

}  // namespace prefig::ui
