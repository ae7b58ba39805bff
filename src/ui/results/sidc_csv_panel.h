// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Panel12" of the SIDC report: the station block of the CSV reports (kept in DataproCSV.txt) and
// the commands that write the CSV of one month, of the months up to the end of the data, or of a
// whole year into CSVsoubory/Rok<yyyy>.
#include <QGroupBox>
#include <optional>
#include <vector>

#include "core/reports/sidc_csv_file.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace ardeno {

class ResultsContext;

class SidcCsvPanel : public QGroupBox {
  Q_OBJECT
 public:
  SidcCsvPanel(ResultsContext& ctx, QWidget* parent);

  // Fills the station fields from DataproCSV.txt (or the observatory of the instrument panel)
  // and shows the panel.
  void Open();

  CsvStation Station() const;
  CsvInstrument InstrumentOfFields() const;

 private:
  void Confirm();
  void WriteTypedMonth();
  void WriteToEnd();
  void WriteYear();
  // The month typed in Edit12; nothing after telling the user it cannot be read.
  std::optional<ReportMonth> TypedMonth();
  // Writes the months' CSVs, stopping at the first failure; false after telling the user.
  bool WriteMonths(const std::vector<ReportMonth>& months);
  void Tell(const QString& text);

  ResultsContext& m_ctx;
  QLineEdit* m_name = nullptr;
  QLineEdit* m_number = nullptr;
  QLineEdit* m_address = nullptr;
  QLineEdit* m_contact = nullptr;
  QLineEdit* m_instrument = nullptr;
  QComboBox* m_method = nullptr;
  QLineEdit* m_month = nullptr;
  QLabel* m_outcome = nullptr;
  // The month of the CSV written last, which "Potvrdit" writes again with the confirmed station.
  std::optional<ReportMonth> m_lastMonth;
};

}  // namespace ardeno
