#include "ui/results/monthly_table_model.h"

namespace ardeno {

void MonthlyTableModel::SetTable(const MonthlyTable& table) {
  beginResetModel();
  m_columns = table.ColumnCount;
  m_headers.clear();
  m_cells.clear();
  if (table.RowCount() > 0) {
    for (const std::string& header : table.Rows[0]) m_headers << QString::fromStdString(header);
  }
  m_cells.reserve(static_cast<std::size_t>(std::max(0, table.RowCount() - 1) * m_columns));
  for (int r = 1; r < table.RowCount(); ++r) {
    for (const std::string& cell : table.Rows[static_cast<std::size_t>(r)]) {
      m_cells.push_back(QString::fromStdString(cell));
    }
  }
  endResetModel();
}

int MonthlyTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || m_columns == 0) return 0;
  return static_cast<int>(m_cells.size()) / m_columns;
}

int MonthlyTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_columns;
}

QVariant MonthlyTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) {
    return m_cells[static_cast<std::size_t>(index.row() * m_columns + index.column())];
  }
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(index.column() == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                   : Qt::AlignRight | Qt::AlignVCenter);
  }
  return {};
}

QVariant MonthlyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section < 0 || section >= m_headers.size()) return {};
  return m_headers[section];
}

}  // namespace ardeno
