// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/k_factors_view.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QHeaderView>
#include <QPainter>
#include <QPrinter>
#include <QVBoxLayout>

namespace ardeno {

namespace {

constexpr std::array<const char*, 3> kSeriesCaptions = {
    QT_TRANSLATE_NOOP("Ardeno", "Výsledky    koeficienty k pozorovatelů - celý disk"),
    QT_TRANSLATE_NOOP("Ardeno", "Výsledky    koeficienty k pozorovatelů - sever"),
    QT_TRANSLATE_NOOP("Ardeno", "Výsledky    koeficienty k pozorovatelů - jih")};
constexpr std::array<const char*, 3> kSeriesTitles = {
    QT_TRANSLATE_NOOP("Ardeno", "Koeficienty k pozorovatelů vůči SILSO - celý disk"),
    QT_TRANSLATE_NOOP("Ardeno", "Koeficienty k pozorovatelů vůči SILSO - severní polokoule"),
    QT_TRANSLATE_NOOP("Ardeno", "Koeficienty k pozorovatelů vůči SILSO - jižní polokoule")};
constexpr const char* kNoReferenceMessage = QT_TRANSLATE_NOOP(
    "Ardeno",
    "Ve složce SIDC nejsou denní relativní čísla (dssn<rok>.dat), proto nelze koeficienty k "
    "spočítat. Zapíše je příkaz ardeno-cli import-reference.");
const QColor kDriftColour(200, 0, 0);
// A year of too few days to judge.
const QColor kFewDaysColour(150, 150, 150);

}  // namespace

KFactorsView::KFactorsView(ResultsContext& ctx, QWidget* parent) : ResultsView(ctx, parent) {
  setObjectName("KoeficientyK");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  m_grid = new QTableWidget(this);
  m_grid->setObjectName("TabulkaK");
  m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grid->setColumnCount(static_cast<int>(kKFactorHeadings.size()));
  QStringList headings;
  for (std::size_t c = 0; c < kKFactorHeadings.size(); ++c)
    headings << QString::fromStdString(KFactorHeading(c));
  m_grid->setHorizontalHeaderLabels(headings);
  m_grid->verticalHeader()->hide();
  m_grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  column->addWidget(m_grid);
}

std::optional<QString> KFactorsView::Open(int variant) {
  m_series = std::clamp(variant, int{kWholeDisk}, int{kSouth});
  if (!m_opened && !Compute()) return std::nullopt;
  m_opened = true;
  Fill();
  return QCoreApplication::translate("Ardeno", kSeriesCaptions[static_cast<std::size_t>(m_series)]);
}

void KFactorsView::RecordsChanged() {
  if (m_opened && Compute()) Fill();
}

bool KFactorsView::Compute() {
  std::vector<std::string> messages;
  const ReferenceNumbers reference = ReadReferenceNumbers(m_ctx.App.ProgDir, messages);
  for (const auto& message : messages)
    m_ctx.App.Msg.ShowMessageText(QString::fromStdString(message));
  if (reference.empty()) {
    m_ctx.App.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", kNoReferenceMessage));
    return false;
  }
  m_table = ComputeKFactors(m_ctx.App.Db, reference);
  return true;
}

void KFactorsView::Fill() {
  const auto& rows = m_table.Series[static_cast<std::size_t>(m_series)];
  m_grid->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const KFactorRow& row = rows[static_cast<std::size_t>(r)];
    const auto cells = KFactorCells(row);
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(c)]));
      item->setTextAlignment(c <= 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                    : Qt::AlignRight | Qt::AlignVCenter);
      if (row.Drift) item->setForeground(kDriftColour);
      if (row.FewDays) item->setForeground(kFewDaysColour);
      // The all-years line of an observer heads the observer's years.
      if (row.Year == kAllYears) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      m_grid->setItem(r, c, item);
    }
  }
  m_grid->resizeColumnsToContents();
}

std::optional<QString> KFactorsView::Print(QPrinter& printer, PrintType) {
  const auto lines = KFactorLines(m_table.Series[static_cast<std::size_t>(m_series)]);
  QPainter painter(&printer);
  if (!painter.isActive()) return QCoreApplication::translate("Ardeno", "Tiskárnu nelze použít.");
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setFamily(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::Monospace);
  // Ninety characters across the page.
  font.setPixelSize(std::max(1, printer.width() / 56));
  painter.setFont(font);
  const int lineHeight = painter.fontMetrics().lineSpacing();
  const int linesPerPage = std::max(3, printer.height() / lineHeight - 3);
  int page = 0;
  for (std::size_t first = 1; first < lines.size() || page == 0;
       first += static_cast<std::size_t>(linesPerPage)) {
    if (page++ > 0) printer.newPage();
    int y = lineHeight;
    painter.drawText(
        0, y,
        QCoreApplication::translate("Ardeno", kSeriesTitles[static_cast<std::size_t>(m_series)]) +
            QCoreApplication::translate("Ardeno", "    Stránka %1").arg(page));
    y += 2 * lineHeight;
    painter.drawText(0, y, QString::fromStdString(lines[0]));
    for (std::size_t i = first;
         i < lines.size() && i < first + static_cast<std::size_t>(linesPerPage); ++i) {
      y += lineHeight;
      painter.drawText(0, y, QString::fromStdString(lines[i]));
    }
    if (lines.size() <= 1) break;
  }
  return std::nullopt;
}

ResultsView* MakeKFactorsView(ResultsContext& ctx, QWidget* parent) {
  return new KFactorsView(ctx, parent);
}

}  // namespace ardeno
