// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Kontrola dat": the findings of the plausibility checks for a month, a year or the whole
// database, in a table the user sorts by any column; a double click makes the finding's drawing
// current and rings its group in the drawing window. The checks run when the view opens and
// when the records change; choosing another period only filters. The station's place (for the
// check of the Sun above the horizon) is edited in a panel of the view.
#include <QTableWidget>

#include "core/quality/quality_checks.h"
#include "ui/results/results_view.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ardeno {

class QualityView : public ResultsView {
  Q_OBJECT
 public:
  QualityView(ResultsContext& ctx, QWidget* parent);
  std::optional<QString> Open(int variant) override;
  void RecordsChanged() override;

  enum Scope { Month = 0, Year = 1, Whole = 2 };
  QTableWidget* Grid() const { return m_grid; }
  QComboBox* ScopeBox() const { return m_scope; }
  QLineEdit* PeriodField() const { return m_period; }
  QPushButton* CheckButton() const { return m_check; }
  QLabel* Summary() const { return m_summary; }
  QLabel* SkippedNotes() const { return m_skipped; }
  QPushButton* StationButton() const { return m_stationButton; }
  QGroupBox* StationPanel() const { return m_stationPanel; }
  QLineEdit* LatitudeField() const { return m_latitude; }
  QLineEdit* LongitudeField() const { return m_longitude; }
  QPushButton* StationSaveButton() const { return m_stationSave; }
  // The findings shown, in the table's present order.
  const std::vector<QualityFinding>& Shown() const { return m_shown; }

  // Makes the drawing of row `row` current with its group ringed (the double click).
  void ShowFindingOf(int row);

 signals:
  // The user chose a drawing to look at: the frame brings the drawing window forward.
  void DrawingChosen();

 private:
  void Compute();
  // Reads the scope and the period field; false (after telling the user) for a text that names
  // no period.
  bool ReadPeriod();
  void Fill();
  void ScopeChanged(int scope);
  void OpenStationPanel();
  void SaveStation();

  QComboBox* m_scope;
  QLineEdit* m_period;
  QPushButton* m_check;
  QLabel* m_summary;
  QLabel* m_skipped;
  QPushButton* m_stationButton;
  QGroupBox* m_stationPanel;
  QLineEdit* m_latitude;
  QLineEdit* m_longitude;
  QPushButton* m_stationSave;
  QTableWidget* m_grid;
  bool m_opened = false;
  QualityReport m_report;
  std::vector<std::string> m_messages;  // damaged SIDC year files, left out of the check
  QualityPeriod m_chosen;
  std::vector<QualityFinding> m_shown;
};

ResultsView* MakeQualityView(ResultsContext& ctx, QWidget* parent);

}  // namespace ardeno
