#pragma once
#include <QPlainTextEdit>
#include <memory>

namespace prefig {
class GChannelParser;
class GMachineType;
}  // namespace prefig

namespace prefig::host {

class NcHighlighter;

// The editor's program view: the NC program coloured with the machine
// type's saved colours on its own background, line numbers in a margin of
// the type's line-number colour, the current line in its colour, and a
// mark in the margin beside each line where the channels wait for each
// other (while the type's multi-channel view is enabled).
class ProgramView : public QPlainTextEdit {
 public:
  explicit ProgramView(QWidget* parent);
  ~ProgramView() override;

  // Takes the type's settings as they are saved now; null: plain text.
  void ApplyType(const GMachineType* type);
  // The number of lines marked as synchronisations (for the log and tests).
  int SyncLineCount() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  class Margin;
  int MarginWidth() const;
  void FitMargin();
  void PaintMargin(QPaintEvent* event);
  void ShowCurrentLine();
  bool IsSyncLine(const QString& text) const;

  Margin* margin_;
  NcHighlighter* highlighter_;
  std::unique_ptr<GChannelParser> sync_;
  QColor margin_colour_;
  QColor current_line_;
};

}  // namespace prefig::host
