// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/text_grid_model.h"

namespace ardeno {

void TextGridModel::SetRows(const std::vector<std::vector<std::string>>& rows) {
  beginResetModel();
  m_columns = rows.empty() ? 0 : static_cast<int>(rows[0].size());
  m_headers.clear();
  m_cells.clear();
  if (!rows.empty()) {
    for (const std::string& header : rows[0]) m_headers << QString::fromStdString(header);
  }
  m_cells.reserve(rows.empty() ? 0 : (rows.size() - 1) * static_cast<std::size_t>(m_columns));
  for (std::size_t r = 1; r < rows.size(); ++r) {
    for (int c = 0; c < m_columns; ++c) {
      const std::size_t column = static_cast<std::size_t>(c);
      m_cells.push_back(column < rows[r].size() ? QString::fromStdString(rows[r][column])
                                                : QString());
    }
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
    const bool left = m_labelsLeft && index.column() == 0;
    return QVariant::fromValue(
        Qt::Alignment((left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter));
  }
  if (role != Qt::DisplayRole) return {};
  return m_cells[static_cast<std::size_t>(index.row() * m_columns + index.column())];
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
      section >= m_headers.size()) {
    return {};
  }
  return m_headers[section];
}

}  // namespace ardeno
