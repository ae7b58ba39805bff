// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The observers' k-factors against the international daily sunspot number: one table per series
// (whole disk, north, south), a line per observer and year, years that drift shown in red.
// Computed when opened and when the records change; printed as text pages.
#include <QTableWidget>

#include "core/reference/k_factors.h"
#include "ui/results/results_view.h"

namespace ardeno {

class KFactorsView : public ResultsView {
  Q_OBJECT
 public:
  KFactorsView(ResultsContext& ctx, QWidget* parent);

  std::optional<QString> Open(int variant) override;
  void RecordsChanged() override;
  Printing PrintStyle() const override { return Printing::Page; }
  std::optional<QString> Print(QPrinter& printer, PrintType type) override;

  QTableWidget* Grid() const { return m_grid; }

 private:
  // Reads the reference numbers and computes the table; false (after telling the user) when the
  // folder has no SIDC daily numbers.
  bool Compute();
  void Fill();

  QTableWidget* m_grid;
  int m_series = kWholeDisk;
  bool m_opened = false;
  KFactorTable m_table;
};

ResultsView* MakeKFactorsView(ResultsContext& ctx, QWidget* parent);

}  // namespace ardeno
