// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monthly report pages of the results window: the own results (mode 1, its page and the
// printed protocol), the SIDC report (mode 2, its page and the CSV panel) and the CV report
// (mode 9, the grid "StringGrid6" and the printed file lines). Opening asks for the month;
// "Uložit do souboru" writes the report's files.
#include <QStringList>

class QScrollArea;
class QTableView;

#include "core/reports/cv_report_file.h"
#include "core/reports/own_report_page.h"
#include "core/reports/report_days.h"
#include "ui/results/results_view.h"

namespace ardeno {

class GraphCanvas;
class SidcCsvPanel;
class TextGridModel;

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

  // The SIDC page's lines and the CV file's lines (what "Tisk" prints in those reports).
  const QStringList& Lines() const { return m_lines; }
  const OwnReportPage& OwnPage() const { return m_ownPage; }
  const OwnProtocol& Protocol() const { return m_protocol; }
  QTableView* CvGrid() const { return m_cvGrid; }
  int PageFontSize() const { return m_fontSize; }
  // The own page's scrolled area (null in the other reports).
  QScrollArea* PageScroll() const { return m_pageScroll; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Build();
  // Sizes the own page's canvas to the page at the current font size.
  void FitOwnPage();
  // "Tisk" of the own page (Button4): the page as shown, on the printer.
  void PrintPage();
  QString Caption() const;
  // Writes one file; false after telling the user why it failed.
  bool Write(const std::filesystem::path& file, const std::string& bytes);

  MonthlyReport m_report;
  ReportMonth m_month;
  ReportDays m_days;
  DescriptionLines m_popis{};
  QStringList m_lines;
  OwnReportPage m_ownPage;
  OwnProtocol m_protocol;
  TextGridModel* m_cvCells = nullptr;
  QTableView* m_cvGrid = nullptr;
  int m_fontSize = 12;
  bool m_built = false;                 // a month was chosen and its report built
  SidcCsvPanel* m_csvPanel = nullptr;   // the SIDC report's CSV panel
  QScrollArea* m_pageScroll = nullptr;  // the own page
  GraphCanvas* m_pageCanvas = nullptr;
};

ResultsView* MakeOwnReportView(ResultsContext& ctx, QWidget* parent);
ResultsView* MakeSidcReportView(ResultsContext& ctx, QWidget* parent);
ResultsView* MakeCvReportView(ResultsContext& ctx, QWidget* parent);

}  // namespace ardeno
