// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Nejistoty": for a hemisphere and one index of the measured table, every month's drawing days,
// mean, scatter of the daily values, standard error and provisional flag, or the smoothed values
// with the months behind them; of the station's own drawings unless the user takes the catalogue
// days in too, and saying which. Computed when the view opens, when a choice changes and when the
// records change; "Do CSV souboru" writes the table shown.
#include <string>
#include <vector>

#include "ui/results/results_view.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableView;

namespace ardeno {

class TextGridModel;

class UncertaintyView : public ResultsView {
  Q_OBJECT
 public:
  UncertaintyView(ResultsContext& ctx, QWidget* parent);

  std::optional<QString> Open(int variant) override;
  void RecordsChanged() override;
  bool ExportsCsv() const override { return true; }
  void ExportCsv() override;

  QComboBox* HemisphereBox() const { return m_hemisphere; }
  QComboBox* IndexBox() const { return m_index; }
  QCheckBox* SmoothedBox() const { return m_smoothed; }
  QCheckBox* OwnDrawingsBox() const { return m_ownOnly; }
  QLabel* RecordsLabel() const { return m_records; }
  QTableView* Grid() const { return m_grid; }
  // The table shown, header row first.
  const std::vector<std::vector<std::string>>& Rows() const { return m_rows; }

 private:
  void Rebuild();
  std::string CsvName() const;

  QComboBox* m_hemisphere;
  QComboBox* m_index;
  QCheckBox* m_smoothed;
  QCheckBox* m_ownOnly;
  QLabel* m_records;
  TextGridModel* m_model;
  QTableView* m_grid;
  bool m_opened = false;
  std::vector<std::vector<std::string>> m_rows;
};

ResultsView* MakeUncertaintyView(ResultsContext& ctx, QWidget* parent);

}  // namespace ardeno
