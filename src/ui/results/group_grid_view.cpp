// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/group_grid_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/results/text_cell_delegate.h"
#include "ui/results/text_grid_model.h"

namespace ardeno {

GroupGridView::GroupGridView(ResultsContext& ctx, const char* objectName, const char* gridName,
                             QWidget* parent)
    : ResultsView(ctx, parent) {
  setObjectName(objectName);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  m_model = new TextGridModel(this);
  m_table = new QTableView(this);
  m_table->setObjectName(gridName);
  m_table->setModel(m_model);
  m_table->setItemDelegate(new TextCellDelegate(m_table));
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->verticalHeader()->hide();
  m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
  m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Column widths from the first rows only: a daily grid has tens of thousands.
  m_table->horizontalHeader()->setResizeContentsPrecision(200);
  column->addWidget(m_table);
}

QHBoxLayout* GroupGridView::ControlRow() {
  if (!m_controls) {
    m_controls = new QWidget(this);
    auto* row = new QHBoxLayout(m_controls);
    row->setContentsMargins(4, 2, 4, 2);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, m_controls);
  }
  return static_cast<QHBoxLayout*>(m_controls->layout());
}

std::optional<QString> GroupGridView::Open(int variant) {
  m_variant = variant;
  if (!CanOpen()) return std::nullopt;
  m_opened = true;
  Rebuild();
  return Caption();
}

void GroupGridView::RecordsChanged() {
  if (m_opened) Rebuild();
}

void GroupGridView::Rebuild() {
  m_grid = BuildGrid();
  m_model->SetGrid(m_grid);
  m_table->resizeColumnsToContents();
}

}  // namespace ardeno
