// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/quality_view.h"

#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/data/record_fields.h"
#include "core/text/core_text.h"

namespace ardeno {

namespace {

const QColor kErrorColour(200, 0, 0);

enum Column { kDateColumn = 0, kRecordColumn = 1, kGroupColumn = 2 };

// A cell sorted by a key of its own: dates by their day, record and group numbers as numbers.
class SortedItem : public QTableWidgetItem {
 public:
  SortedItem(const QString& text, QVariant key) : QTableWidgetItem(text) {
    setData(Qt::UserRole, std::move(key));
  }
  bool operator<(const QTableWidgetItem& other) const override {
    const QVariant a = data(Qt::UserRole);
    const QVariant b = other.data(Qt::UserRole);
    return QVariant::compare(a, b) == QPartialOrdering::Less;
  }
};

}  // namespace

QualityView::QualityView(ResultsContext& ctx, QWidget* parent) : ResultsView(ctx, parent) {
  setObjectName("KontrolaDat");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(tr("Období:"), this));
  m_scope = new QComboBox(this);
  m_scope->setObjectName("KontrolaRozsah");
  m_scope->addItems({tr("Měsíc"), tr("Rok"), tr("Celá databáze")});
  row->addWidget(m_scope);
  m_period = new QLineEdit(this);
  m_period->setObjectName("KontrolaObdobi");
  m_period->setToolTip(tr("Měsíc jako M.RRRR, rok jako RRRR"));
  m_period->setMaximumWidth(100);
  row->addWidget(m_period);
  m_check = new QPushButton(tr("Zkontrolovat"), this);
  m_check->setObjectName("Zkontrolovat");
  row->addWidget(m_check);
  m_stationButton = new QPushButton(tr("Poloha stanice"), this);
  m_stationButton->setObjectName("KontrolaStanice");
  row->addWidget(m_stationButton);
  m_summary = new QLabel(this);
  m_summary->setObjectName("KontrolaSouhrn");
  row->addWidget(m_summary, 1);
  column->addLayout(row);

  m_skipped = new QLabel(this);
  m_skipped->setObjectName("KontrolaVynechano");
  m_skipped->setWordWrap(true);
  column->addWidget(m_skipped);

  m_stationPanel = new QGroupBox(tr("Poloha stanice (stupně s desetinnou tečkou)"), this);
  m_stationPanel->setObjectName("PanelStanice");
  auto* station = new QHBoxLayout(m_stationPanel);
  station->addWidget(new QLabel(tr("Šířka (sever +):"), m_stationPanel));
  m_latitude = new QLineEdit(m_stationPanel);
  m_latitude->setObjectName("StaniceSirka");
  station->addWidget(m_latitude);
  station->addWidget(new QLabel(tr("Délka (východ +):"), m_stationPanel));
  m_longitude = new QLineEdit(m_stationPanel);
  m_longitude->setObjectName("StaniceDelka");
  station->addWidget(m_longitude);
  m_stationSave = new QPushButton(tr("Uložit"), m_stationPanel);
  m_stationSave->setObjectName("StaniceUlozit");
  station->addWidget(m_stationSave);
  auto* cancel = new QPushButton(tr("Zrušit"), m_stationPanel);
  cancel->setObjectName("StaniceZrusit");
  station->addWidget(cancel);
  m_stationPanel->hide();
  column->addWidget(m_stationPanel);

  m_grid = new QTableWidget(this);
  m_grid->setObjectName("TabulkaKontroly");
  m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_grid->setColumnCount(static_cast<int>(kFindingHeadings.size()));
  QStringList headings;
  for (const char* heading : kFindingHeadings)
    headings << QString::fromStdString(CoreText("Findings", heading));
  m_grid->setHorizontalHeaderLabels(headings);
  m_grid->verticalHeader()->hide();
  m_grid->horizontalHeader()->setStretchLastSection(true);
  m_grid->setSortingEnabled(true);
  column->addWidget(m_grid, 1);

  connect(m_scope, &QComboBox::currentIndexChanged, this, &QualityView::ScopeChanged);
  connect(m_check, &QPushButton::clicked, this, [this] {
    if (ReadPeriod()) Fill();
  });
  connect(m_period, &QLineEdit::returnPressed, m_check, &QPushButton::click);
  connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int r, int) { ShowFindingOf(r); });
  connect(m_stationButton, &QPushButton::clicked, this, &QualityView::OpenStationPanel);
  connect(m_stationSave, &QPushButton::clicked, this, &QualityView::SaveStation);
  connect(cancel, &QPushButton::clicked, m_stationPanel, &QWidget::hide);
}

std::optional<QString> QualityView::Open(int) {
  if (!m_opened) {
    Compute();
    m_opened = true;
  }
  // The month of the drawing shown, each time the view is chosen: the one an observer has just
  // entered or is looking at.
  const auto date = RecordDate(m_ctx.App.Db.WorkRecord);
  m_chosen = date ? QualityPeriod{date->Year, date->Month} : QualityPeriod{};
  m_scope->blockSignals(true);
  m_scope->setCurrentIndex(date ? Month : Whole);
  m_scope->blockSignals(false);
  m_period->setEnabled(date.has_value());
  m_period->setText(date ? QStringLiteral("%1.%2").arg(date->Month).arg(date->Year) : QString());
  Fill();
  return tr("Výsledky    kontrola dat");
}

void QualityView::RecordsChanged() {
  if (!m_opened) return;
  Compute();
  Fill();
}

void QualityView::Compute() {
  const Database& db = m_ctx.App.Db;
  m_messages.clear();
  m_report =
      CheckFolderQuality(m_ctx.App.ProgDir, db, m_ctx.App.Groups.All(db).Positions,
                         LastChangeSeconds(db, QDateTime::currentSecsSinceEpoch()), m_messages);
  QStringList notes;
  for (const auto& text : m_report.Skipped) notes << QString::fromStdString(text);
  for (const auto& text : m_messages) notes << QString::fromStdString(text);
  m_skipped->setText(notes.join('\n'));
  m_skipped->setVisible(!notes.isEmpty());
}

void QualityView::ScopeChanged(int scope) {
  m_period->setEnabled(scope != Whole);
  const QString text = m_period->text();
  const int dot = text.indexOf('.');
  if (scope == Year && dot >= 0) m_period->setText(text.mid(dot + 1));
  if (scope == Month && dot < 0 && !text.isEmpty()) m_period->setText("1." + text);
}

bool QualityView::ReadPeriod() {
  const QString text = m_scope->currentIndex() == Whole ? QString() : m_period->text().trimmed();
  const auto period = ParseQualityPeriod(text.toStdString());
  const bool fits = period && (m_scope->currentIndex() == Whole) == (period->Year == 0) &&
                    (m_scope->currentIndex() == Month) == (period->Month != 0);
  if (!fits) {
    m_ctx.App.Msg.ShowMessageText(QString::fromStdString(CoreText("Quality", kQualityPeriodRule)));
    return false;
  }
  m_chosen = *period;
  return true;
}

void QualityView::Fill() {
  const std::vector<QualityFinding> findings = FindingsIn(m_report, m_chosen);
  m_grid->setSortingEnabled(false);
  m_grid->clearContents();
  m_grid->setRowCount(static_cast<int>(findings.size()));
  for (int r = 0; r < static_cast<int>(findings.size()); ++r) {
    const QualityFinding& f = findings[static_cast<std::size_t>(r)];
    const auto cells = FindingCells(f);
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
      const QString text = QString::fromStdString(cells[static_cast<std::size_t>(c)]);
      QVariant key = text;
      if (c == kDateColumn)
        key = static_cast<qlonglong>(DaySerial(f.Date)) * 100000 + f.RecordIndex;
      else if (c == kRecordColumn)
        key = f.RecordIndex;
      else if (c == kGroupColumn)
        key = f.Group;
      auto* item = new SortedItem(text, key);
      if (c == kDateColumn) item->setData(Qt::UserRole + 1, r);
      if (f.Level == Severity::Error) item->setForeground(kErrorColour);
      m_grid->setItem(r, c, item);
    }
  }
  m_shown = findings;
  m_grid->setSortingEnabled(true);
  m_grid->resizeColumnsToContents();
  m_summary->setText(tr("Chyb: %1, varování: %2")
                         .arg(CountOf(findings, Severity::Error))
                         .arg(CountOf(findings, Severity::Warning)));
}

void QualityView::ShowFindingOf(int row) {
  const QTableWidgetItem* item = m_grid->item(row, kDateColumn);
  if (item == nullptr) return;
  const QualityFinding& f = m_shown[static_cast<std::size_t>(item->data(Qt::UserRole + 1).toInt())];
  Database& db = m_ctx.App.Db;
  if (f.RecordIndex < 1 || f.RecordIndex > db.RecordCount) return;
  m_ctx.App.View.MarkedRecord = f.RecordIndex;
  m_ctx.App.View.MarkedGroup = f.Group;
  db.ChooseRecord(f.RecordIndex);
  m_ctx.App.Events.NotifyRecordChosen();
  emit DrawingChosen();
}

void QualityView::OpenStationPanel() {
  const StationReading reading = ReadStationFile(m_ctx.App.ProgDir);
  m_latitude->setText(reading.Place ? QString::number(reading.Place->Latitude, 'f', 4) : QString());
  m_longitude->setText(reading.Place ? QString::number(reading.Place->Longitude, 'f', 4)
                                     : QString());
  m_stationPanel->show();
  m_latitude->setFocus();
}

void QualityView::SaveStation() {
  // The fields are read as the file's two lines, by the same rules.
  const StationReading typed = ParseStationFile(
      (m_latitude->text().trimmed() + "\n" + m_longitude->text().trimmed()).toStdString());
  if (!typed.Place) {
    m_ctx.App.Msg.ShowMessageText(QString::fromStdString(*typed.Problem));
    return;
  }
  if (const Refusal refusal = WriteStationFile(m_ctx.App.ProgDir, *typed.Place);
      !Succeeded(refusal)) {
    m_ctx.App.Msg.ShowMessageText(QString::fromStdString(*refusal));
    return;
  }
  m_stationPanel->hide();
  Compute();
  Fill();
}

ResultsView* MakeQualityView(ResultsContext& ctx, QWidget* parent) {
  return new QualityView(ctx, parent);
}

}  // namespace ardeno
