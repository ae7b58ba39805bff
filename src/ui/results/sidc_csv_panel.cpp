// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/sidc_csv_panel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/data/aux_file_io.h"
#include "core/reports/instrument_entry.h"
#include "core/reports/report_text.h"
#include "ui/results/results_view.h"

namespace ardeno {

namespace {

QString Qt8(const std::string& text) { return QString::fromStdString(text); }

QString MonthText(const ReportMonth& m) { return QStringLiteral("%1.%2").arg(m.Month).arg(m.Year); }

}  // namespace

SidcCsvPanel::SidcCsvPanel(ResultsContext& ctx, QWidget* parent) : QGroupBox(parent), m_ctx(ctx) {
  setObjectName("Panel12");
  auto* grid = new QGridLayout(this);
  const auto addField = [&](int row, const char* label, const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    grid->addWidget(new QLabel(QCoreApplication::translate("Ardeno", label), this), row, 0);
    grid->addWidget(edit, row, 1, 1, 3);
    return edit;
  };
  m_name = addField(0, QT_TRANSLATE_NOOP("Ardeno", "Observatoř"), "Edit6");
  m_number = addField(1, QT_TRANSLATE_NOOP("Ardeno", "Číslo  SL"), "Edit7");
  m_address = addField(2, QT_TRANSLATE_NOOP("Ardeno", "Adresa"), "Edit8");
  m_contact = addField(3, QT_TRANSLATE_NOOP("Ardeno", "tel.    email"), "Edit9");
  m_instrument = addField(4, QT_TRANSLATE_NOOP("Ardeno", "Přístroj"), "Edit10");
  m_method = new QComboBox(this);
  m_method->setObjectName("ComboBox1");
  m_method->setEditable(true);
  m_method->addItems(
      {QString::fromUtf8(kCsvMethodProjection), QString::fromUtf8(kCsvMethodVisual)});
  grid->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Metoda"), this), 5, 0);
  grid->addWidget(m_method, 5, 1, 1, 3);
  auto* confirm = new QPushButton(QCoreApplication::translate("Ardeno", "Potvrdit"), this);
  confirm->setObjectName("Button6");
  grid->addWidget(confirm, 6, 3);

  m_month = addField(7, QT_TRANSLATE_NOOP("Ardeno", "Zadat měsíc ,rok (1,2000)"), "Edit12");
  const auto addButton = [&](int column, const char* name, const char* text, const char* hint) {
    auto* button = new QPushButton(QCoreApplication::translate("Ardeno", text), this);
    button->setObjectName(name);
    button->setToolTip(QCoreApplication::translate("Ardeno", hint));
    grid->addWidget(button, 8, column);
    return button;
  };
  auto* typed = addButton(1, "Button7", QT_TRANSLATE_NOOP("Ardeno", "Zadaný měsíc"),
                          QT_TRANSLATE_NOOP("Ardeno", "Uloží se zadaný měsíc"));
  auto* toEnd = addButton(
      2, "Button8", QT_TRANSLATE_NOOP("Ardeno", "Do konce"),
      QT_TRANSLATE_NOOP("Ardeno", "Uloží se všechy měsíce od zadaného do  předposledního"));
  auto* year = addButton(3, "Button9", QT_TRANSLATE_NOOP("Ardeno", "Celý  rok "),
                         QT_TRANSLATE_NOOP("Ardeno", "Uloží se zadaný rok "));
  m_outcome = new QLabel(this);
  m_outcome->setObjectName("Label30");
  m_outcome->setWordWrap(true);
  grid->addWidget(m_outcome, 9, 0, 1, 4);
  grid->setColumnStretch(4, 1);

  connect(confirm, &QPushButton::clicked, this, &SidcCsvPanel::Confirm);
  connect(typed, &QPushButton::clicked, this, &SidcCsvPanel::WriteTypedMonth);
  connect(toEnd, &QPushButton::clicked, this, &SidcCsvPanel::WriteToEnd);
  connect(year, &QPushButton::clicked, this, &SidcCsvPanel::WriteYear);
}

void SidcCsvPanel::Open() {
  std::optional<CsvStation> station;
  try {
    station = ReadCsvStation(m_ctx.App.ProgDir);
  } catch (const AuxFileError& error) {
    m_ctx.App.Msg.ShowMessageText(QString::fromUtf8(error.what()));
  }
  const InstrumentEntry instrument = InstrumentEntryOf(m_ctx.InstrumentLines());
  if (station) {
    m_name->setText(Qt8(station->Name));
    m_number->setText(Qt8(station->Number));
    m_address->setText(Qt8(station->Address));
    m_contact->setText(Qt8(station->Contact));
    m_method->setCurrentText(Qt8(station->Method));
  } else if (const std::string panel = m_ctx.PanelStationText(); !panel.empty()) {
    // Without a station file the station field of the instrument panel names the station.
    m_name->setText(Qt8(panel));
  }
  m_instrument->setText(Qt8(instrument.Name));
  if (m_ctx.Report && m_month->text().isEmpty()) m_month->setText(MonthText(*m_ctx.Report));
  m_outcome->clear();
  show();
}

CsvStation SidcCsvPanel::Station() const {
  return {m_name->text().toStdString(), m_number->text().toStdString(),
          m_address->text().toStdString(), m_contact->text().toStdString(),
          m_method->currentText().toStdString()};
}

CsvInstrument SidcCsvPanel::InstrumentOfFields() const {
  CsvInstrument instrument = CsvInstrumentOf(m_ctx.InstrumentLines());
  instrument.Name = m_instrument->text().toStdString();
  return instrument;
}

void SidcCsvPanel::Tell(const QString& text) { m_ctx.App.Msg.ShowMessageText(text); }

void SidcCsvPanel::Confirm() {
  const CsvStation station = Station();
  if (const auto error = WriteCsvStation(m_ctx.App.ProgDir, station)) {
    Tell(Qt8(*error));
    return;
  }
  if (m_lastMonth) {
    // The month written last, again with the confirmed station, beside the year folders.
    const Database& db = m_ctx.App.Db;
    const auto file =
        m_ctx.App.ProgDir / kCsvFolder / SidcCsvFileName(*m_lastMonth, station.Number);
    const auto lines = SidcCsvLines(db, MatchReportDays(db, *m_lastMonth), *m_lastMonth, station,
                                    InstrumentOfFields());
    if (const auto error = WriteReportFile(file, ReportFileBytes(lines))) {
      Tell(Qt8(*error));
      return;
    }
  }
  hide();
}

std::optional<ReportMonth> SidcCsvPanel::TypedMonth() {
  const ReportMonth month = ParseReportMonth(m_month->text().toStdString());
  if (month.Month < 1 || month.Month > 12 || month.Year < 1) {
    Tell(QCoreApplication::translate("Ardeno", "Zadejte měsíc a rok, například 1,2000."));
    return std::nullopt;
  }
  return month;
}

bool SidcCsvPanel::WriteMonths(const std::vector<ReportMonth>& months) {
  const Database& db = m_ctx.App.Db;
  const CsvStation station = Station();
  const CsvInstrument instrument = InstrumentOfFields();
  std::filesystem::path last;
  for (const ReportMonth& month : months) {
    last = SidcCsvPath(m_ctx.App.ProgDir, month, station.Number);
    const auto lines = SidcCsvLines(db, MatchReportDays(db, month), month, station, instrument);
    if (const auto error = WriteReportFile(last, ReportFileBytes(lines))) {
      Tell(Qt8(*error));
      return false;
    }
    m_lastMonth = month;
  }
  m_outcome->setText(
      months.size() == 1
          ? QCoreApplication::translate("Ardeno", "Uloženo: %1").arg(Qt8(last.string()))
          : QCoreApplication::translate("Ardeno", "Uloženo %1 souborů, poslední %2")
                .arg(months.size())
                .arg(Qt8(last.string())));
  return true;
}

void SidcCsvPanel::WriteTypedMonth() {
  const auto month = TypedMonth();
  if (!month) return;
  if (!FindMonthRecords(m_ctx.App.Db, *month)) {
    Tell(QCoreApplication::translate("Ardeno", "V měsíci %1 není žádný zákres.")
             .arg(MonthText(*month)));
    return;
  }
  WriteMonths({*month});
}

void SidcCsvPanel::WriteToEnd() {
  const auto month = TypedMonth();
  if (!month) return;
  const auto months = CsvMonthsToEnd(m_ctx.App.Db, *month);
  if (months.empty()) {
    Tell(QCoreApplication::translate("Ardeno",
                                     "Od měsíce %1 do předposledního měsíce dat není co uložit.")
             .arg(MonthText(*month)));
    return;
  }
  WriteMonths(months);
}

void SidcCsvPanel::WriteYear() {
  if (const auto month = TypedMonth()) WriteMonths(CsvMonthsOfYear(month->Year));
}

}  // namespace ardeno
