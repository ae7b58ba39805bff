#pragma once
// The monthly report pages of the results window: the own results (mode 1), the SIDC report
// (mode 2) and the CV report (mode 9). Opening asks for the month; the page shows the report's
// lines, "Tisk" prints them and "Uložit do souboru" writes the report's files.
#include <QStringList>

#include "core/reports/cv_report_file.h"
#include "core/reports/report_days.h"
#include "ui/results/results_view.h"

namespace ardeno {

class SidcCsvPanel;

enum class MonthlyReport { Own, Sidc, Cv };

class ReportPageView : public ResultsView {
  Q_OBJECT
 public:
  ReportPageView(ResultsContext& ctx, MonthlyReport report, QWidget* parent);

  std::optional<QString> Open(int variant) override;
  void RecordsChanged() override;
  Printing PrintStyle() const override { return Printing::Page; }
  std::optional<QString> Print(QPrinter& printer, PrintType type) override;
  bool SavesFile() const override { return true; }
  void SaveFile() override;
  void ButtonClicked(const QString& buttonName) override;
  void InstrumentChanged() override;

  const QStringList& Lines() const { return m_lines; }
  int PageFontSize() const { return m_fontSize; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Build();
  QString Caption() const;
  // Writes one file; false after telling the user why it failed.
  bool Write(const std::filesystem::path& file, const std::string& bytes);

  MonthlyReport m_report;
  ReportMonth m_month;
  ReportDays m_days;
  DescriptionLines m_popis{};
  QStringList m_lines;
  int m_fontSize = 12;
  SidcCsvPanel* m_csvPanel = nullptr;  // the SIDC report's CSV panel
};

ResultsView* MakeOwnReportView(ResultsContext& ctx, QWidget* parent);
ResultsView* MakeSidcReportView(ResultsContext& ctx, QWidget* parent);
ResultsView* MakeCvReportView(ResultsContext& ctx, QWidget* parent);

}  // namespace ardeno
