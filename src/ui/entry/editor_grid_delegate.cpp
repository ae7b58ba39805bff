// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/entry/editor_grid_delegate.h"

#include <QPainter>

namespace ardeno {

void EditorGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  static const QColor kFocusBackground(200, 200, 200);
  const bool focused = option.state.testFlag(QStyle::State_HasFocus);
  painter->save();
  painter->fillRect(option.rect, focused ? kFocusBackground : option.palette.base().color());
  painter->setPen(option.palette.text().color());
  painter->setFont(option.font);
  painter->drawText(option.rect.adjusted(2, 2, -2, -2), Qt::AlignCenter,
                    index.data(Qt::DisplayRole).toString());
  painter->restore();
}

}  // namespace ardeno
