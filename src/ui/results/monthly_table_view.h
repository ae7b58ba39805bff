// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The measured and the smoothed monthly tables (modes 5 and 6) for the whole disk, the north or
// the south, in the grid "StringGrid1", with the print panel and the CSV export.
#include "core/results/monthly_csv.h"
#include "ui/results/results_view.h"

class QLabel;
class QTableView;

namespace ardeno {

class TextGridModel;

class MonthlyTableView : public ResultsView {
  Q_OBJECT
 public:
  MonthlyTableView(ResultsContext& ctx, MonthlyTableKind kind, QWidget* parent);

  // variant: the hemisphere, 1 whole disk, 2 north, 3 south.
  std::optional<QString> Open(int variant) override;
  void RecordsChanged() override;

  Printing PrintStyle() const override { return Printing::Panel; }
  QString PrintPanelText(const QPrinter& printer) const override;
  std::optional<QString> Print(QPrinter& printer, PrintType type) override;
  bool ExportsCsv() const override { return true; }
  void ExportCsv() override;

  const MonthlyTable& Table() const { return m_table; }
  QTableView* Grid() const { return m_grid; }
  // The window caption: the table, the hemisphere and, when switched on, "jen vlastní zákresy".
  QString Caption() const;
  // Which records the table is of ("Průměry ze všech záznamů ...").
  QLabel* RecordsLabel() const { return m_records; }

 private:
  void Rebuild();
  // Selects and scrolls to the month of the drawing shown.
  void ShowMonthOfDrawing();

  MonthlyTableKind m_kind;
  Hemisphere m_hemisphere = Hemisphere::Whole;
  bool m_opened = false;
  MonthlyTable m_table;
  TextGridModel* m_model = nullptr;
  QTableView* m_grid = nullptr;
  QLabel* m_records = nullptr;
};

ResultsView* MakeMeasuredTableView(ResultsContext& ctx, QWidget* parent);
ResultsView* MakeSmoothedTableView(ResultsContext& ctx, QWidget* parent);

}  // namespace ardeno
