// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Skupiny v čase": the sunspot groups followed across days, for a chosen year or Carrington
// rotation. Choosing a track lists its days (a click on a day makes that drawing current with the
// group ringed) and draws its path over the synoptic map of its rotation. The tracks are computed
// when the view opens and when the records change, from the shared group positions.
#include <QWidget>
#include <optional>
#include <vector>

#include "core/groups/group_statistics.h"
#include "core/groups/group_tracks.h"
#include "core/maps/map_faculae.h"
#include "core/maps/map_sightings.h"
#include "ui/maps/map_painter.h"
#include "ui/results/results_view.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTableWidget;

namespace ardeno {

// The synoptic map of a track's rotation with the track's path over it.
class TrackMap : public QWidget {
  Q_OBJECT
 public:
  explicit TrackMap(QWidget* parent);
  // The map to show; nothing for an empty map.
  // The maps' data come from the shared statistics whenever the map is laid out again.
  void Show(const Database* db, GroupStatisticsCache* groups, std::optional<int> rotation,
            std::vector<MapUnitPoint> path);
  const std::vector<MapUnitPoint>& Path() const { return m_path; }
  std::optional<int> Rotation() const { return m_rotation; }
  // The scale the map is painted at (16 is full size); 0 with no map.
  int Scale() const { return m_scene ? m_scene->K : 0; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Prepare();

  const Database* m_db = nullptr;
  GroupStatisticsCache* m_groups = nullptr;
  std::optional<int> m_rotation;
  std::vector<MapUnitPoint> m_path;
  std::optional<SingleMapScene> m_scene;
};

class TracksView : public ResultsView {
  Q_OBJECT
 public:
  TracksView(ResultsContext& ctx, QWidget* parent);
  std::optional<QString> Open(int variant) override;
  void RecordsChanged() override;
  bool ExportsCsv() const override { return true; }
  void ExportCsv() override;

  enum Scope { Year = 0, Rotation = 1 };
  QComboBox* ScopeBox() const { return m_scope; }
  QLineEdit* PeriodField() const { return m_period; }
  QPushButton* ShowButton() const { return m_show; }
  QLabel* Summary() const { return m_summary; }
  QTableWidget* TrackGrid() const { return m_tracks; }
  QTableWidget* DayGrid() const { return m_days; }
  TrackMap* Map() const { return m_map; }
  // The tracks listed, in the grid's order.
  const std::vector<GroupTrack>& Shown() const { return m_shown; }

  // Lists the days of track row `row` and draws it on its map.
  void ChooseTrack(int row);
  // Makes the drawing of day row `row` of the chosen track current, its group ringed.
  void ShowDrawingOf(int row);

 signals:
  // The user chose a drawing to look at: the frame brings the drawing window forward.
  void DrawingChosen();

 private:
  void Compute();
  // Reads the period field for the scope; false (after telling the user) for a wrong one.
  bool ReadPeriod();
  void Fill();
  // The two tables' widths as their columns need them, until the user moves their divider.
  void ShareTablesWidth();

  QComboBox* m_scope;
  QLineEdit* m_period;
  QPushButton* m_show;
  QLabel* m_summary;
  QTableWidget* m_tracks;
  QTableWidget* m_days;
  TrackMap* m_map;
  QSplitter* m_tables;
  bool m_tablesMovedByUser = false;
  bool m_opened = false;
  std::vector<GroupTrack> m_all;
  std::optional<int> m_year;
  std::optional<int> m_rotation;
  std::vector<GroupTrack> m_shown;
  std::optional<std::size_t> m_chosen;
};

ResultsView* MakeTracksView(ResultsContext& ctx, QWidget* parent);

}  // namespace ardeno
