// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A results view that shows one grid of the group statistics (evolution, group types, map data,
// group sizes, asymmetry, east-west positions), with an optional panel of controls above it.
// The grid is rebuilt when the view is opened, when its controls change and when the records
// change; painting only reads the prepared texts.
#include <functional>

#include "core/groups/text_grid.h"
#include "ui/results/results_view.h"

class QHBoxLayout;
class QTableView;
class QWidget;

namespace ardeno {

class TextGridModel;

class GroupGridView : public ResultsView {
  Q_OBJECT
 public:
  GroupGridView(ResultsContext& ctx, const char* objectName, const char* gridName, QWidget* parent);

  std::optional<QString> Open(int variant) override;
  void RecordsChanged() override;

  const TextGrid& Grid() const { return m_grid; }
  QTableView* Table() const { return m_table; }

 protected:
  // The grid of the current variant and controls; the caption of the window.
  virtual TextGrid BuildGrid() = 0;
  virtual QString Caption() const = 0;
  // Declines to open (after telling the user why) when it returns false.
  virtual bool CanOpen() { return true; }
  int Variant() const { return m_variant; }
  // The row above the grid for the view's controls, created on first use.
  QHBoxLayout* ControlRow();
  void Rebuild();

 private:
  int m_variant = 0;
  bool m_opened = false;
  TextGrid m_grid;
  TextGridModel* m_model = nullptr;
  QTableView* m_table = nullptr;
  QWidget* m_controls = nullptr;
};

// The views of the group statistics, for the results window's view table.
ResultsView* MakeEvolutionView(ResultsContext& ctx, QWidget* parent);
ResultsView* MakeTypeCountsView(ResultsContext& ctx, QWidget* parent);
ResultsView* MakeMapDataView(ResultsContext& ctx, QWidget* parent);
ResultsView* MakeLargestGroupsView(ResultsContext& ctx, QWidget* parent);
ResultsView* MakeAsymmetryView(ResultsContext& ctx, QWidget* parent);
ResultsView* MakePositionsView(ResultsContext& ctx, QWidget* parent);

}  // namespace ardeno
