// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/tracks_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/maps/track_map_path.h"
#include "core/results/monthly_csv.h"

namespace ardeno {

namespace {

constexpr const char* kTracksCsvName = "Skupiny_v_case.csv";
constexpr int kLeastMapHeight = 280;

void FillGrid(QTableWidget* grid, const std::vector<std::vector<std::string>>& rows) {
  grid->clearContents();
  grid->setRowCount(rows.empty() ? 0 : static_cast<int>(rows.size()) - 1);
  if (rows.empty()) return;
  QStringList headings;
  // A heading of two words takes two lines: the column is as wide as its values, and more of
  // the table shows in a window beside the drawing.
  for (const std::string& heading : rows.front())
    headings << QString::fromStdString(heading).replace(' ', '\n');
  grid->setColumnCount(headings.size());
  grid->setHorizontalHeaderLabels(headings);
  for (std::size_t r = 1; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      grid->setItem(static_cast<int>(r - 1), static_cast<int>(c),
                    new QTableWidgetItem(QString::fromStdString(rows[r][c])));
  grid->resizeColumnsToContents();
}

QTableWidget* MakeGrid(const char* name, QWidget* parent) {
  auto* grid = new QTableWidget(parent);
  grid->setObjectName(name);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
  // A narrow window scrolls to the last column whole instead of cutting it.
  grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  grid->horizontalHeader()->setStretchLastSection(true);
  return grid;
}

}  // namespace

TrackMap::TrackMap(QWidget* parent) : QWidget(parent) {
  setObjectName("StopaNaMape");
  setMinimumHeight(kLeastMapHeight);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
}

void TrackMap::Show(const Database* db, GroupStatisticsCache* groups, std::optional<int> rotation,
                    std::vector<MapUnitPoint> path) {
  m_db = db;
  m_groups = groups;
  m_rotation = rotation;
  m_path = std::move(path);
  Prepare();
  update();
}

void TrackMap::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Prepare();
}

void TrackMap::Prepare() {
  m_scene.reset();
  if (m_db == nullptr || m_groups == nullptr || !m_rotation) return;
  // The whole map with its b/l table below fits the widget's width and height.
  const int k = std::max(1, std::min(SingleMapScale(height()), width() * 16 / 780));
  m_scene = PrepareSingleMapScene(*m_db, m_groups->Maps(*m_db), *m_rotation, k, 1, false, false);
}

void TrackMap::paintEvent(QPaintEvent*) {
  if (!m_scene) return;
  QPainter painter(this);
  PaintSingleMap(painter, *m_scene, size(), false);
  PaintTrackPath(painter, m_path, m_scene->K);
}

TracksView::TracksView(ResultsContext& ctx, QWidget* parent) : ResultsView(ctx, parent) {
  setObjectName("SkupinyVCase");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(tr("Období:"), this));
  m_scope = new QComboBox(this);
  m_scope->setObjectName("StopyRozsah");
  m_scope->addItems({tr("Rok"), tr("Otočka")});
  row->addWidget(m_scope);
  m_period = new QLineEdit(this);
  m_period->setObjectName("StopyObdobi");
  m_period->setToolTip(tr("Rok jako RRRR, otočka jako její číslo"));
  m_period->setMaximumWidth(100);
  row->addWidget(m_period);
  m_show = new QPushButton(tr("Zobrazit"), this);
  m_show->setObjectName("StopyZobrazit");
  row->addWidget(m_show);
  m_summary = new QLabel(this);
  m_summary->setObjectName("StopySouhrn");
  row->addWidget(m_summary, 1);
  column->addLayout(row);

  auto* split = new QSplitter(Qt::Vertical, this);
  auto* tables = new QSplitter(Qt::Horizontal, split);
  m_tracks = MakeGrid("TabulkaStop", tables);
  m_days = MakeGrid("DnyStopy", tables);
  m_days->setToolTip(tr("Klepnutí udělá zákres aktuálním a zakroužkuje skupinu"));
  m_map = new TrackMap(split);
  split->addWidget(tables);
  split->addWidget(m_map);
  // The map takes two thirds of the height: its latitudes and its b/l table stay readable on a
  // 1024 x 768 screen. (The sizes are weights until the splitter is laid out.)
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 2);
  split->setSizes({1000, 2000});
  m_tables = tables;
  connect(tables, &QSplitter::splitterMoved, this, [this] { m_tablesMovedByUser = true; });
  column->addWidget(split, 1);

  connect(m_show, &QPushButton::clicked, this, [this] {
    if (ReadPeriod()) Fill();
  });
  connect(m_period, &QLineEdit::returnPressed, m_show, &QPushButton::click);
  connect(m_tracks, &QTableWidget::currentCellChanged, this,
          [this](int r, int, int, int) { ChooseTrack(r); });
  connect(m_days, &QTableWidget::cellClicked, this, [this](int r, int) { ShowDrawingOf(r); });
}

std::optional<QString> TracksView::Open(int) {
  if (!m_opened) {
    Compute();
    m_opened = true;
    // The year of the current drawing, or of the last one.
    const Database& db = m_ctx.App.Db;
    std::optional<CalendarDate> date;
    if (db.HasCurrentRecord()) date = RecordDate(db.Record(db.CurrentIndex));
    if (!date && db.RecordCount > 0) date = RecordDate(db.Record(db.RecordCount));
    m_year = date ? std::optional(date->Year) : std::nullopt;
    m_period->setText(date ? QString::number(date->Year) : QString());
  }
  Fill();
  return tr("Výsledky    skupiny v čase");
}

void TracksView::RecordsChanged() {
  if (!m_opened) return;
  Compute();
  Fill();
}

void TracksView::Compute() {
  const Database& db = m_ctx.App.Db;
  const RecordPositions& positions = m_ctx.App.Groups.All(db).Positions;
  m_all = TrackGroups(db, positions);
  AssignNoaaRegions(m_all, db, positions, {});
}

bool TracksView::ReadPeriod() {
  bool ok = false;
  const int value = m_period->text().trimmed().toInt(&ok);
  const bool year = m_scope->currentIndex() == Year;
  if (!ok || value < 1 || (year && value > 9999)) {
    m_ctx.App.Msg.ShowMessageText(year ? tr("Rok zadejte jako RRRR, například 2014.")
                                       : tr("Otočku zadejte jejím číslem, například 2147."));
    return false;
  }
  m_year = year ? std::optional(value) : std::nullopt;
  m_rotation = year ? std::nullopt : std::optional(value);
  return true;
}

void TracksView::Fill() {
  m_shown = m_rotation ? TracksOfRotation(m_all, *m_rotation)
            : m_year   ? TracksOfYear(m_all, *m_year)
                       : std::vector<GroupTrack>{};
  m_chosen.reset();
  m_tracks->blockSignals(true);
  FillGrid(m_tracks, TrackRows(m_shown));
  m_tracks->blockSignals(false);
  FillGrid(m_days, {});
  m_map->Show(nullptr, nullptr, std::nullopt, {});
  m_summary->setText(tr("Stop: %1 (celkem v databázi %2)").arg(m_shown.size()).arg(m_all.size()));
  if (!m_shown.empty()) m_tracks->setCurrentCell(0, 0);
}

void TracksView::ChooseTrack(int row) {
  if (row < 0 || row >= static_cast<int>(m_shown.size())) return;
  m_chosen = static_cast<std::size_t>(row);
  const GroupTrack& track = m_shown[*m_chosen];
  FillGrid(m_days, TrackDayRows(track, m_ctx.App.Db));
  ShareTablesWidth();
  m_map->Show(&m_ctx.App.Db, &m_ctx.App.Groups, track.Rotation, TrackMapPath(track));
}

void TracksView::ShareTablesWidth() {
  if (m_tablesMovedByUser) return;
  // Each table gets a share of the width as its columns need, so that neither is cut while the
  // other has room to spare.
  const auto need = [](const QTableWidget* grid) {
    return std::max(1, grid->horizontalHeader()->length() + 2 * grid->frameWidth() +
                           grid->verticalScrollBar()->sizeHint().width());
  };
  m_tables->setSizes({need(m_tracks), need(m_days)});
}

void TracksView::ShowDrawingOf(int row) {
  if (!m_chosen || row < 0) return;
  const GroupTrack& track = m_shown[*m_chosen];
  if (row >= static_cast<int>(track.Sightings.size())) return;
  const TrackSighting& s = track.Sightings[static_cast<std::size_t>(row)];
  Database& db = m_ctx.App.Db;
  if (s.Record < 1 || s.Record > db.RecordCount) return;
  m_ctx.App.View.MarkedRecord = s.Record;
  m_ctx.App.View.MarkedGroup = s.Group;
  db.ChooseRecord(s.Record);
  m_ctx.App.Events.NotifyRecordChosen();
  emit DrawingChosen();
}

void TracksView::ExportCsv() {
  if (m_shown.empty()) {
    m_ctx.App.Msg.ShowMessageText(tr("Tabulka je prázdná, soubor se nezapsal."));
    return;
  }
  const std::filesystem::path file = m_ctx.App.ProgDir / kCsvFolderName / kTracksCsvName;
  std::error_code error = CreateFolders(file.parent_path());
  if (!error) error = ReplaceOutputFile(file, TracksCsv(m_shown));
  if (error) {
    m_ctx.App.Msg.ShowMessageText(
        tr("Soubor %1 nelze zapsat: %2. Původní soubor zůstal beze změny.")
            .arg(QString::fromUtf8(kTracksCsvName), QString::fromStdString(FileErrorText(error))));
    return;
  }
  m_ctx.App.Msg.ShowMessageText(
      tr("Tabulka je uložena do souboru %1")
          .arg(QString::fromStdString(
              (std::filesystem::path(kCsvFolderName) / kTracksCsvName).string())));
}

ResultsView* MakeTracksView(ResultsContext& ctx, QWidget* parent) {
  return new TracksView(ctx, parent);
}

}  // namespace ardeno
