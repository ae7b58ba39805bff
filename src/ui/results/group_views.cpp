// SPDX-License-Identifier: GPL-3.0-or-later
// The six views of the group statistics in the results window.
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>

#include "core/groups/asymmetry_grid.h"
#include "core/groups/east_west.h"
#include "core/groups/map_data.h"
#include "core/groups/rotation_evolution.h"
#include "core/results/table_print.h"
#include "ui/results/group_grid_view.h"

namespace ardeno {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Tells the user once per computation about records left out of a bounded table.
void ShowLeftOut(ResultsContext& ctx, const GroupStatistics& stats, const GroupStatistics*& told) {
  if (told == &stats) return;
  told = &stats;
  for (const std::string& message : stats.LeftOutMessages())
    ctx.App.Msg.ShowMessageText(Text(message));
}

const GroupStatistics& Statistics(ResultsContext& ctx) { return ctx.App.Groups.All(ctx.App.Db); }

QSpinBox* AddSpin(QHBoxLayout* row, QWidget* parent, const char* name, const QString& label) {
  auto* caption = new QLabel(label, parent);
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(0, 100000);
  row->addWidget(caption);
  row->addWidget(spin);
  row->addStretch(1);
  return spin;
}

// --- mode 3: evolution of the groups of a rotation ---

class EvolutionView : public GroupGridView {
 public:
  EvolutionView(ResultsContext& ctx, QWidget* parent)
      : GroupGridView(ctx, "VyvojSkupin", "StringGrid2", parent) {
    auto* panel = new QGroupBox(this);
    panel->setObjectName("Panel2");
    auto* row = new QHBoxLayout(panel);
    m_rotation =
        AddSpin(row, panel, "SpinEdit1", QCoreApplication::translate("Ardeno", "Číslo otočky"));
    ControlRow()->addWidget(panel);
    // The arrows show the next rotation at once; a typed number when it is complete.
    m_rotation->setKeyboardTracking(false);
    connect(m_rotation, &QSpinBox::valueChanged, this, [this] { Rebuild(); });
  }

 protected:
  TextGrid BuildGrid() override {
    const Database& db = m_ctx.App.Db;
    const int rotation = ClampEvolutionRotation(db, m_rotation->value());
    {
      const QSignalBlocker quiet(m_rotation);  // this build already shows the clamped rotation
      m_rotation->setValue(rotation);
    }
    const RotationEvolution evolution =
        ComputeRotationEvolution(db, Statistics(m_ctx).Positions, rotation);
    if (!evolution.Shown) m_ctx.App.Msg.ShowMessageText(Text(EvolutionNotShownMessage(rotation)));
    return evolution.Grid;
  }
  QString Caption() const override {
    return QCoreApplication::translate("Ardeno", "Výsledky    vývoj skupin");
  }

 private:
  QSpinBox* m_rotation = nullptr;
};

// --- mode 7: occurrence of group types per year ---

class TypeCountsView : public GroupGridView {
 public:
  TypeCountsView(ResultsContext& ctx, QWidget* parent)
      : GroupGridView(ctx, "VyskytTypu", "StringGrid4", parent) {}

 protected:
  TextGrid BuildGrid() override { return TypeCountGrid(Statistics(m_ctx).Types); }
  QString Caption() const override {
    return QCoreApplication::translate("Ardeno", "Výsledky    velikost skupin");
  }
};

// --- mode 8: data for the synoptic map ---

class MapDataView : public GroupGridView {
 public:
  MapDataView(ResultsContext& ctx, QWidget* parent)
      : GroupGridView(ctx, "UdajeMapa", "StringGrid5", parent) {}

  Printing PrintStyle() const override { return Printing::Panel; }
  QString PrintPanelText(const QPrinter&) const override {
    return Text(MapDataCountLabel(Statistics(m_ctx).Rotations));
  }
  std::optional<QString> Print(QPrinter& printer, PrintType type) override;

 protected:
  TextGrid BuildGrid() override {
    const GroupStatistics& stats = Statistics(m_ctx);
    ShowLeftOut(m_ctx, stats, m_told);
    return MapDataGrid(stats.Rotations, stats.Classes);
  }
  QString Caption() const override {
    return QCoreApplication::translate("Ardeno", "Výsledky    údaje pro mapu");
  }

 private:
  const GroupStatistics* m_told = nullptr;
};

std::optional<QString> MapDataView::Print(QPrinter& printer, PrintType type) {
  constexpr int kReservedHeight = 400;
  const TextGrid& grid = Grid();
  const int width = printer.width();
  const int lineHeight = PrintLineHeight(width);
  const QModelIndex current = Table()->currentIndex();
  const int selectedRow = current.isValid() ? current.row() + 1 : 1;
  // All rotations are complete rows: the exclusive end is one past the last.
  const auto pages = PlanTablePages(type, selectedRow, grid.RowCount(),
                                    LinesPerPage(width, printer.height(), kReservedHeight));
  if (pages.empty())
    return QCoreApplication::translate("Ardeno", "Od zvoleného řádku není co tisknout.");
  QPainter painter(&printer);
  if (!painter.isActive()) return QCoreApplication::translate("Ardeno", "Tiskárnu nelze použít.");
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(std::max(1, lineHeight * 3 / 4));
  painter.setFont(font);
  const int columns = grid.ColumnCount();
  const int columnWidth = width / (columns + 1);
  auto cell = [&](int column, int y, const QString& text, int span = 1) {
    painter.drawText(QRect(column * columnWidth, y, span * columnWidth, lineHeight),
                     Qt::AlignRight | Qt::AlignVCenter, text);
  };
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) printer.newPage();
    painter.drawText(QRect(0, 0, width, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("Ardeno", "Stránka %1").arg(p + 1));
    int y = lineHeight * 2;
    cell(1, y, QCoreApplication::translate("Ardeno", "Počet skupin"), 2);
    cell(3, y, QCoreApplication::translate("Ardeno", "Výška průměrná"), 4);
    cell(7, y, QCoreApplication::translate("Ardeno", "Okraje"), 4);
    cell(12, y, QCoreApplication::translate("Ardeno", "Počet skupin v jednom typu"), 7);
    y += lineHeight;
    cell(3, y, QCoreApplication::translate("Ardeno", "   naměřená"), 2);
    cell(5, y, QCoreApplication::translate("Ardeno", "vyhlazená"), 2);
    y += lineHeight;
    for (int c = 0; c < columns; ++c) cell(c, y, Text(grid.Cell(0, c)));
    y += lineHeight;
    painter.drawLine(0, y, columns * columnWidth, y);
    for (int row : pages[p]) {
      for (int c = 0; c < columns; ++c) cell(c, y, Text(grid.Cell(row, c)));
      y += lineHeight;
    }
  }
  return std::nullopt;
}

// --- mode 10: the largest groups of a year ---

class LargestGroupsView : public GroupGridView {
 public:
  LargestGroupsView(ResultsContext& ctx, QWidget* parent)
      : GroupGridView(ctx, "VelikostSkupin", "StringGrid7", parent) {
    auto* box = new QGroupBox(
        QCoreApplication::translate("Ardeno", "Seřazení skupin podle velikosti za jeden rok"),
        this);
    box->setObjectName("GroupBox2");
    auto* row = new QHBoxLayout(box);
    m_year = AddSpin(row, box, "SpinEdit2", QCoreApplication::translate("Ardeno", "Rok"));
    ControlRow()->addWidget(box);
    connect(m_year, &QSpinBox::valueChanged, this, [this] { Rebuild(); });
  }

 protected:
  TextGrid BuildGrid() override {
    const YearRange years = RecordYears(m_ctx.App.Db);
    const QSignalBlocker quiet(m_year);
    m_year->setRange(years.First, std::max(years.First, years.Last));
    if (m_year->value() == years.First && !m_chosen) m_year->setValue(years.Last);
    m_chosen = true;
    return LargestGroupsGrid(LargestGroups(m_ctx.App.Db, m_year->value()));
  }
  QString Caption() const override {
    return QCoreApplication::translate("Ardeno", "Výsledky    velikost skupin");
  }

 private:
  QSpinBox* m_year = nullptr;
  bool m_chosen = false;
};

// --- mode 12: asymmetry data, monthly (variant 0) or yearly (variant 1) ---

class AsymmetryView : public GroupGridView {
 public:
  AsymmetryView(ResultsContext& ctx, QWidget* parent)
      : GroupGridView(ctx, "DataAsymetrie", "StringGrid8", parent) {}

  void ButtonClicked(const QString& buttonName) override {
    if (buttonName != QLatin1String("AsinTXT")) return;
    if (!m_ctx.App.Msg.AskChoice(
            QCoreApplication::translate("Ardeno", "Uložení dat asimetrie do textového souboru ?")))
      return;
    const auto error =
        WriteAsymmetryFile(m_ctx.App.ProgDir, m_ctx.App.Groups.Asymmetry(m_ctx.App.Db), Period());
    m_ctx.App.Msg.ShowMessageText(
        error ? Text(*error)
              : QCoreApplication::translate(
                    "Ardeno", "Data asymetrie jsou uložena do souboru Polohy-skupin/%1")
                    .arg(QString::fromLatin1(AsymmetryFileName(Period()))));
  }

 protected:
  TextGrid BuildGrid() override {
    return AsymmetryGrid(m_ctx.App.Groups.Asymmetry(m_ctx.App.Db), Period());
  }
  QString Caption() const override {
    return QCoreApplication::translate("Ardeno", "Výsledky    Data asymetrie   ");
  }

 private:
  AsymmetryPeriod Period() const {
    return Variant() == 1 ? AsymmetryPeriod::Yearly : AsymmetryPeriod::Monthly;
  }
};

// --- mode 13: east-west positions, daily (0), monthly (1) or yearly (2) ---

class PositionsView : public GroupGridView {
 public:
  PositionsView(ResultsContext& ctx, QWidget* parent)
      : GroupGridView(ctx, "PolohySkupin", "StringGrid9", parent) {
    auto* panel = new QGroupBox(this);
    panel->setObjectName("pan");
    auto* row = new QHBoxLayout(panel);
    m_filter = new QLabel(panel);
    row->addWidget(m_filter);
    row->addStretch(1);
    ControlRow()->addWidget(panel);
  }

  void ButtonClicked(const QString& buttonName) override {
    if (buttonName == QLatin1String("ComboBox1")) {
      Rebuild();
      return;
    }
    if (buttonName != QLatin1String("zapidosoudorutxt")) return;
    if (!m_ctx.App.Msg.AskChoice(QCoreApplication::translate(
            "Ardeno", "Uložení dat východ-západ do textového souboru ?")))
      return;
    const auto error = WritePositionsFile(m_ctx.App.ProgDir, Grid(), Period());
    m_ctx.App.Msg.ShowMessageText(
        error ? Text(*error)
              : QCoreApplication::translate(
                    "Ardeno", "Polohy skupin jsou uloženy do souboru Polohy-skupin/%1")
                    .arg(QString::fromLatin1(PositionsFileName(Period()))));
  }

 protected:
  TextGrid BuildGrid() override {
    const QString filter = m_ctx.App.View.EastWestFilter;
    // "vše" reads as the filter's combo box shows it.
    m_filter->setText(QCoreApplication::translate("Ardeno", "Skupiny typu: %1")
                          .arg(QCoreApplication::translate("Ardeno", filter.toUtf8().constData())));
    const auto zones = ComputeZoneCounts(m_ctx.App.Db, Statistics(m_ctx).Positions, Period(),
                                         filter.toStdString());
    return EastWestGrid(zones, Period());
  }
  QString Caption() const override {
    static const char* const kPeriods[] = {QT_TRANSLATE_NOOP("Ardeno", "denní"),
                                           QT_TRANSLATE_NOOP("Ardeno", "měsíční"),
                                           QT_TRANSLATE_NOOP("Ardeno", "roční")};
    return QCoreApplication::translate("Ardeno",
                                       "Výsledky    polohy skupin podle sluneční délky od "
                                       "centrálního meridiánu - %1")
        .arg(QCoreApplication::translate("Ardeno", kPeriods[std::clamp(Variant(), 0, 2)]));
  }

 private:
  PositionPeriod Period() const {
    return Variant() == 2 ? PositionPeriod::Yearly
                          : (Variant() == 1 ? PositionPeriod::Monthly : PositionPeriod::Daily);
  }
  QLabel* m_filter = nullptr;
};

}  // namespace

ResultsView* MakeEvolutionView(ResultsContext& ctx, QWidget* parent) {
  return new EvolutionView(ctx, parent);
}
ResultsView* MakeTypeCountsView(ResultsContext& ctx, QWidget* parent) {
  return new TypeCountsView(ctx, parent);
}
ResultsView* MakeMapDataView(ResultsContext& ctx, QWidget* parent) {
  return new MapDataView(ctx, parent);
}
ResultsView* MakeLargestGroupsView(ResultsContext& ctx, QWidget* parent) {
  return new LargestGroupsView(ctx, parent);
}
ResultsView* MakeAsymmetryView(ResultsContext& ctx, QWidget* parent) {
  return new AsymmetryView(ctx, parent);
}
ResultsView* MakePositionsView(ResultsContext& ctx, QWidget* parent) {
  return new PositionsView(ctx, parent);
}

}  // namespace ardeno
