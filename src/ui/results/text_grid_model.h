#pragma once
// The cells of a prepared grid of texts (row 0 the headers) for a table view; a paint only reads
// them.
#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "core/groups/text_grid.h"

namespace ardeno {

class TextGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetGrid(const TextGrid& grid);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  int m_columns = 0;
  QStringList m_headers;
  std::vector<QString> m_cells;  // row-major, grid rows 1..
};

}  // namespace ardeno
