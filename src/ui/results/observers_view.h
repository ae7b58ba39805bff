// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Observers (mode 4): drawings per observer and year in the grid "StringGrid3", printed with its
// headings and saved as "Pozorovatelé.csv".
#include "core/reports/observer_table.h"
#include "ui/results/results_view.h"

class QTableWidget;

namespace ardeno {

class ObserversView : public ResultsView {
  Q_OBJECT
 public:
  ObserversView(ResultsContext& ctx, QWidget* parent);

  std::optional<QString> Open(int variant) override;
  void RecordsChanged() override;
  Printing PrintStyle() const override { return Printing::Page; }
  std::optional<QString> Print(QPrinter& printer, PrintType type) override;
  // "Uložit do souboru" writes Pozorovatelé.csv.
  bool SavesFile() const override { return true; }
  void SaveFile() override;

  QTableWidget* Grid() const { return m_grid; }

 private:
  void Build();

  ObserverTable m_table;
  QTableWidget* m_grid = nullptr;
  bool m_opened = false;
};

ResultsView* MakeObserversView(ResultsContext& ctx, QWidget* parent);

}  // namespace ardeno
