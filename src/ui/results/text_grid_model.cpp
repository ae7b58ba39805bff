#include "ui/results/text_grid_model.h"

namespace ardeno {

void TextGridModel::SetGrid(const TextGrid& grid) {
  beginResetModel();
  m_columns = grid.ColumnCount();
  m_headers.clear();
  m_cells.clear();
  for (int c = 0; c < m_columns; ++c) m_headers << QString::fromStdString(grid.Cell(0, c));
  m_cells.reserve(static_cast<std::size_t>(std::max(0, grid.RowCount() - 1) * m_columns));
  for (int r = 1; r < grid.RowCount(); ++r) {
    for (int c = 0; c < m_columns; ++c) m_cells.push_back(QString::fromStdString(grid.Cell(r, c)));
  }
  endResetModel();
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || m_columns == 0 ? 0 : static_cast<int>(m_cells.size()) / m_columns;
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_columns;
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  }
  if (role != Qt::DisplayRole) return {};
  return m_cells[static_cast<std::size_t>(index.row() * m_columns + index.column())];
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= m_headers.size()) {
    return {};
  }
  return m_headers[section];
}

}  // namespace ardeno
