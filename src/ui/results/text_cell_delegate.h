// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints a cell of a text table as the text alone, in the cell's alignment, on the selection's
// colours when selected: the style's full item painting (icons, check boxes, focus frames, a
// dozen model roles asked per cell) costs a table of a thousand visible cells several
// milliseconds at every paint, for nothing these tables show. Numbers are drawn from glyphs
// looked up once (NumberGlyphs), the rest the usual way.
#include <QStyledItemDelegate>

#include "ui/results/number_glyphs.h"

namespace ardeno {

class TextCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  mutable NumberGlyphs m_numbers;  // glyphs looked up at the first paint
};

}  // namespace ardeno
