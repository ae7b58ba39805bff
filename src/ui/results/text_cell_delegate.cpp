// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/text_cell_delegate.h"

#include <QPainter>

namespace ardeno {

namespace {

// The style's margin between a cell's edge and its text.
constexpr int kTextMargin = 3;

}  // namespace

void TextCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  if (selected) painter->fillRect(option.rect, option.palette.highlight());
  const QVariant alignment = index.data(Qt::TextAlignmentRole);
  const int flags = alignment.isValid() ? alignment.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
  painter->setPen(selected ? option.palette.highlightedText().color()
                           : option.palette.text().color());
  const QRect textRect = option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
  const QString text = index.data(Qt::DisplayRole).toString();
  if (m_numbers.Draw(*painter, option.font, textRect, flags, text)) return;
  painter->setFont(option.font);
  painter->drawText(textRect, flags, text);
}

}  // namespace ardeno
