// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/monthly_table_view.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QTableView>
#include <QVBoxLayout>

#include "core/data/record_fields.h"
#include "core/results/measured_table.h"
#include "core/results/monthly_uncertainty.h"
#include "core/results/smoothed_table.h"
#include "ui/results/table_printing.h"
#include "ui/results/text_cell_delegate.h"
#include "ui/results/text_grid_model.h"

namespace ardeno {

namespace {

constexpr int kPanelReservedHeight = 200;

QString TableCaption(MonthlyTableKind kind, Hemisphere hemisphere) {
  const QString table = kind == MonthlyTableKind::Measured
                            ? QCoreApplication::translate("Ardeno", "naměřené")
                            : QCoreApplication::translate("Ardeno", "vyhlazené");
  const QString side =
      hemisphere == Hemisphere::Whole   ? QCoreApplication::translate("Ardeno", "celkový")
      : hemisphere == Hemisphere::North ? QCoreApplication::translate("Ardeno", "sever")
                                        : QCoreApplication::translate("Ardeno", "jih");
  return QCoreApplication::translate("Ardeno", "Výsledky    statistika - %1 - %2").arg(table, side);
}

}  // namespace

MonthlyTableView::MonthlyTableView(ResultsContext& ctx, MonthlyTableKind kind, QWidget* parent)
    : ResultsView(ctx, parent), m_kind(kind) {
  setObjectName(kind == MonthlyTableKind::Measured ? "NamereneHodnoty" : "VyhlazeneHodnoty");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  m_records = new QLabel(this);
  m_records->setObjectName("ZaznamyTabulky");
  column->addWidget(m_records);
  m_model = new TextGridModel(this, true);
  m_grid = new QTableView(this);
  m_grid->setObjectName("StringGrid1");
  m_grid->setModel(m_model);
  m_grid->setItemDelegate(new TextCellDelegate(m_grid));
  m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
  m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grid->verticalHeader()->hide();
  m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
  m_grid->horizontalHeader()->setDefaultSectionSize(
      m_grid->fontMetrics().horizontalAdvance("00000.00"));
  m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  column->addWidget(m_grid);
}

std::optional<QString> MonthlyTableView::Open(int variant) {
  if (m_kind == MonthlyTableKind::Smoothed) {
    if (const auto refusal = CheckSmoothedSpan(m_ctx.App.Db)) {
      m_ctx.App.Msg.ShowMessageText(
          QString::fromUtf8(refusal->data(), static_cast<int>(refusal->size())));
      return std::nullopt;
    }
  }
  m_hemisphere = static_cast<Hemisphere>(variant);
  m_opened = true;
  Rebuild();
  ShowMonthOfDrawing();
  return Caption();
}

QString MonthlyTableView::Caption() const {
  QString caption = TableCaption(m_kind, m_hemisphere);
  if (m_ctx.App.View.OwnDrawingsOnly)
    caption += QCoreApplication::translate("Ardeno", " - jen vlastní zákresy");
  return caption;
}

void MonthlyTableView::ShowMonthOfDrawing() {
  const std::optional<CalendarDate> date = RecordDate(m_ctx.App.Db.WorkRecord);
  if (!date) return;
  // Grid row 0 is the table's first month (the table's row 0 holds the headers).
  const int row = MonthlyTableRow(m_table, date->Year, date->Month) - 1;
  if (row < 0 || row >= m_model->rowCount()) return;
  const QModelIndex cell = m_model->index(row, 0);
  m_grid->setCurrentIndex(cell);
  m_grid->scrollTo(cell, QAbstractItemView::PositionAtCenter);
}

void MonthlyTableView::RecordsChanged() {
  if (m_opened) Rebuild();
}

void MonthlyTableView::Rebuild() {
  const RecordMonths& months = m_ctx.Months();
  m_table = m_kind == MonthlyTableKind::Measured ? BuildMeasuredTable(months, m_hemisphere)
                                                 : BuildSmoothedTable(months, m_hemisphere);
  m_model->SetRows(m_table.Rows);
  m_records->setText(QString::fromStdString(AveragedRecordsText(months)));
  m_grid->setColumnWidth(0, m_grid->fontMetrics().horizontalAdvance(" 00.00000"));
}

QString MonthlyTableView::PrintPanelText(const QPrinter& printer) const {
  const int lines = LinesPerPage(printer.width(), printer.height(), kPanelReservedHeight);
  return QString::fromStdString(PrintPanelLabel(m_table.LastMonthRow, lines));
}

std::optional<QString> MonthlyTableView::Print(QPrinter& printer, PrintType type) {
  const int valueColumns = m_kind == MonthlyTableKind::Measured ? 15 : 8;
  const QModelIndex current = m_grid->currentIndex();
  const int selectedRow = current.isValid() ? current.row() + 1 : 1;
  return PrintMonthlyTable(printer, m_table, valueColumns, type, selectedRow);
}

void MonthlyTableView::ExportCsv() {
  const std::filesystem::path& dir = m_ctx.App.ProgDir;
  if (const auto error = WriteMonthlyCsv(dir, m_table, m_kind, m_hemisphere)) {
    m_ctx.App.Msg.ShowMessageText(QString::fromStdString(*error));
    return;
  }
  const auto file = MonthlyCsvPath({}, m_kind, m_hemisphere);
  m_ctx.App.Msg.ShowMessageText(
      QCoreApplication::translate("Ardeno", "Tabulka je uložena do souboru %1")
          .arg(QString::fromStdString(file.relative_path().string())));
}

ResultsView* MakeMeasuredTableView(ResultsContext& ctx, QWidget* parent) {
  return new MonthlyTableView(ctx, MonthlyTableKind::Measured, parent);
}

ResultsView* MakeSmoothedTableView(ResultsContext& ctx, QWidget* parent) {
  return new MonthlyTableView(ctx, MonthlyTableKind::Smoothed, parent);
}

}  // namespace ardeno
