// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cells of a prepared grid of texts (row 0 the headers) for a table view, taken when the data
// change, so that a paint only reads them. Model row r is grid row r + 1.
#include <QAbstractTableModel>
#include <QStringList>
#include <string>
#include <vector>

#include "core/groups/text_grid.h"

namespace ardeno {

class TextGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // `labelsLeft`: column 0 holds row labels (month names) aligned left; every other cell right.
  explicit TextGridModel(QObject* parent = nullptr, bool labelsLeft = false)
      : QAbstractTableModel(parent), m_labelsLeft(labelsLeft) {}

  void SetGrid(const TextGrid& grid) { SetRows(grid.Rows); }
  void SetRows(const std::vector<std::vector<std::string>>& rows);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  bool m_labelsLeft = false;
  int m_columns = 0;
  QStringList m_headers;
  std::vector<QString> m_cells;  // row-major, grid rows 1..
};

}  // namespace ardeno
