// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/observers_view.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QPainter>
#include <QPrinter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/reports/report_text.h"
#include "core/text/encoding.h"
#include "ui/results/observer_table_painter.h"

namespace ardeno {

ObserversView::ObserversView(ResultsContext& ctx, QWidget* parent) : ResultsView(ctx, parent) {
  setObjectName("Pozorovatele");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  m_grid = new QTableWidget(this);
  m_grid->setObjectName("StringGrid3");
  m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grid->horizontalHeader()->hide();
  m_grid->verticalHeader()->hide();
  column->addWidget(m_grid);
}

std::optional<QString> ObserversView::Open(int) {
  m_opened = true;
  Build();
  return QCoreApplication::translate("Ardeno", "Výsledky    pozorovatelé");
}

void ObserversView::RecordsChanged() {
  if (m_opened) Build();
}

void ObserversView::Build() {
  m_grid->clear();
  // The grid stays empty until an observer is known.
  if (m_ctx.App.Db.Observers.empty()) {
    m_table = {};
    m_grid->setRowCount(0);
    m_grid->setColumnCount(0);
    return;
  }
  m_table = BuildObserverTable(m_ctx.App.Db);
  m_grid->setRowCount(static_cast<int>(m_table.Cells.size()));
  m_grid->setColumnCount(static_cast<int>(m_table.Cells.front().size()));
  for (int r = 0; r < m_grid->rowCount(); ++r) {
    for (int c = 0; c < m_grid->columnCount(); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(
          m_table.Cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
      if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      m_grid->setItem(r, c, item);
    }
  }
  m_grid->resizeColumnsToContents();
}

std::optional<QString> ObserversView::Print(QPrinter& printer, PrintType) {
  if (m_table.Cells.empty())
    return QCoreApplication::translate("Ardeno", "Ještě není znám žádný pozorovatel");
  QPainter painter(&printer);
  if (!painter.isActive()) return QCoreApplication::translate("Ardeno", "Tiskárnu nelze použít.");
  const QRect page(0, 0, printer.width(), printer.height());
  PaintObserverTable(painter, m_table,
                     page.adjusted(page.width() / 20, page.height() / 30, -page.width() / 20, 0),
                     printer.height() / 70);
  return std::nullopt;
}

void ObserversView::SaveFile() {
  if (m_table.Cells.empty()) {
    m_ctx.App.Msg.ShowMessageText(QString::fromUtf8(kNoObserverMessage));
    return;
  }
  m_ctx.App.Msg.ShowMessageText(QString::fromUtf8(kObserversCsvMessage));
  const auto file = m_ctx.App.ProgDir / std::filesystem::u8path(kObserversCsvName);
  if (const auto error = WriteReportFile(file, Utf8ToCp1250(ObserversCsvText(m_table)))) {
    m_ctx.App.Msg.ShowMessageText(QString::fromStdString(*error));
  }
}

ResultsView* MakeObserversView(ResultsContext& ctx, QWidget* parent) {
  return new ObserversView(ctx, parent);
}

}  // namespace ardeno
