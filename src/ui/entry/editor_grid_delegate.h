// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the editor's grids draw a cell: the text centred in the cell shrunk by 2 pixels, the focused
// cell on a light grey background.
#include <QStyledItemDelegate>

namespace ardeno {

class EditorGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace ardeno
