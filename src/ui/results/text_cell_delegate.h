#pragma once
// Paints a cell of a text table as the text alone, in the cell's alignment, on the selection's
// colours when selected: the style's full item painting (icons, check boxes, focus frames, a
// dozen model roles asked per cell) costs a table of a thousand visible cells several
// milliseconds at every paint, for nothing these tables show.
#include <QStyledItemDelegate>

namespace ardeno {

class TextCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace ardeno
