#pragma once
// The cells of a monthly table for a grid view: texts prepared when the table changes, so that a
// paint only reads them. Model row r is grid row r + 1 (grid row 0 is the header).
#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "core/results/monthly_table.h"

namespace ardeno {

class MonthlyTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetTable(const MonthlyTable& table);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  int m_columns = 0;
  QStringList m_headers;
  std::vector<QString> m_cells;  // row-major, month rows only
};

}  // namespace ardeno
