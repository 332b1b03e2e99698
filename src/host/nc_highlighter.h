#pragma once
#include <QSyntaxHighlighter>
#include <memory>

#include "record/nc_colouriser.h"

namespace prefig::host {

// Colours the editor's document with a machine type's colour table, one
// block (line) at a time; a block's state says whether it ends inside a
// multi-line comment, so Qt recolours the following lines when that changes.
class NcHighlighter : public QSyntaxHighlighter {
 public:
  explicit NcHighlighter(QTextDocument* document);
  // Null: no colouring.
  void SetSyntax(std::unique_ptr<NcColouriser> colouriser);

 protected:
  void highlightBlock(const QString& text) override;

 private:
  std::unique_ptr<NcColouriser> colouriser_;
  std::vector<NcSpan> spans_;
};

}  // namespace prefig::host
