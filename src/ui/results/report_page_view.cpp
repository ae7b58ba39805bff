// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/report_page_view.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/data/aux_file_io.h"
#include "core/data/instrument_file.h"
#include "core/reports/description_file.h"
#include "core/reports/instrument_entry.h"
#include "core/reports/own_report_files.h"
#include "core/reports/report_text.h"
#include "core/reports/sidc_report_file.h"
#include "core/reports/station_settings.h"
#include "core/results/month_walk.h"
#include "core/text/encoding.h"
#include "ui/graphs/graph_canvas.h"
#include "ui/results/own_report_painter.h"
#include "ui/results/report_month_check.h"
#include "ui/results/sidc_csv_panel.h"
#include "ui/results/text_cell_delegate.h"
#include "ui/results/text_grid_model.h"
#include "ui/results/text_page.h"

namespace ardeno {

namespace {

constexpr const char* kWritingMessage = QT_TRANSLATE_NOOP("Ardeno", "Zapíší se data do souboru");
constexpr int kLargestFontSize = 60;
constexpr int kFontSizeAfterLargest = 20;
constexpr int kSmallestFontSize = 8;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QStringList ToQt(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list << QString::fromStdString(line);
  return list;
}

}  // namespace

ReportPageView::ReportPageView(ResultsContext& ctx, MonthlyReport report, QWidget* parent)
    : ResultsView(ctx, parent), m_report(report) {
  setObjectName(report == MonthlyReport::Own    ? "VlastniVysledky"
                : report == MonthlyReport::Sidc ? "OficialniVysledky"
                                                : "CVvysledky");
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  if (report == MonthlyReport::Sidc) {
    auto* column = new QVBoxLayout(this);
    column->addStretch();
    m_csvPanel = new SidcCsvPanel(ctx, this);
    m_csvPanel->setAutoFillBackground(true);
    m_csvPanel->hide();
    column->addWidget(m_csvPanel, 0, Qt::AlignLeft);
  }
  if (report == MonthlyReport::Own) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    // The page is as large as its columns and sums need; a small window scrolls over it.
    m_pageScroll = new QScrollArea(this);
    m_pageScroll->setObjectName("StrankaVysledku");
    m_pageScroll->setFocusPolicy(Qt::NoFocus);  // the page keeps the keys v and m
    m_pageScroll->setFrameShape(QFrame::NoFrame);
    m_pageScroll->setBackgroundRole(QPalette::Window);
    m_pageCanvas = new GraphCanvas;
    m_pageCanvas->setFocusPolicy(Qt::NoFocus);
    m_pageCanvas->Paint = [this](QPainter& painter) {
      PaintOwnReportPage(painter, m_ownPage, m_fontSize, m_pageCanvas->width(),
                         OwnPageReader::Window);
    };
    m_pageScroll->setWidget(m_pageCanvas);
    column->addWidget(m_pageScroll, 1);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(6, 2, 6, 2);
    auto* keys = new QLabel(tr("Písmo stránky: klávesa  v  větší,  m  menší"), this);
    keys->setObjectName("KlavesyPisma");
    row->addWidget(keys);
    row->addStretch();
    auto* hint = new QLabel(
        QCoreApplication::translate("Ardeno", "Při tisku klávesou   v   zvětšit na max."), this);
    hint->setObjectName("Label4");
    auto* print = new QPushButton(QCoreApplication::translate("Ardeno", "Tisk"), this);
    print->setObjectName("Button4");
    print->setFocusPolicy(Qt::NoFocus);  // the page keeps the keys v and m
    connect(print, &QPushButton::clicked, this, &ReportPageView::PrintPage);
    row->addWidget(hint);
    row->addWidget(print);
    column->addLayout(row);
  }
  if (report == MonthlyReport::Cv) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QTableView(this);
    grid->setObjectName("StringGrid6");
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() +
                                                  6);  // 31 days at once
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_cvCells = new TextGridModel(grid);
    grid->setModel(m_cvCells);
    grid->setItemDelegate(new TextCellDelegate(grid));
    column->addWidget(grid);
    m_cvGrid = grid;
  }
}

void ReportPageView::ButtonClicked(const QString& buttonName) {
  if (m_csvPanel != nullptr && buttonName == QLatin1String("oficCSV")) m_csvPanel->Open();
}

void ReportPageView::InstrumentChanged() {
  if (m_built) Build();
}

std::optional<QString> ReportPageView::Open(int) {
  Messages& msg = m_ctx.App.Msg;
  const auto month = SelectReportMonth(m_ctx.App.Db, [&msg]() -> std::optional<std::string> {
    const QString answer = msg.AskValue(Text(kReportMonthPrompt), QString());
    if (answer.trimmed().isEmpty()) return std::nullopt;
    return answer.toStdString();
  });
  if (!month) return std::nullopt;
  m_ctx.Report = month;
  if (auto station = ReportMonthStation(m_ctx.App.Db)) m_ctx.PanelStation = std::move(station);
  m_month = *month;
  m_fontSize = 12;
  try {
    m_popis = ReadDescriptionFile(m_ctx.App.ProgDir);
  } catch (const AuxFileError& error) {
    m_popis = {};
    msg.ShowMessageText(QString::fromUtf8(error.what()));
  }
  Build();
  const auto leftOut = LeftOutMessages(m_ctx.App.Db, m_days);
  if (!leftOut.empty()) msg.ShowMessageText(ToQt(leftOut).join('\r'));
  if (m_report != MonthlyReport::Cv) {
    // The reports leave the last drawing as the work record, as after choosing it in the list.
    Database& db = m_ctx.App.Db;
    db.CurrentIndex = db.RecordCount;
    db.WorkRecord = db.Record(db.RecordCount);
  }
  setFocus();
  update();
  return Caption();
}

QString ReportPageView::Caption() const {
  switch (m_report) {
    case MonthlyReport::Own:
      return QCoreApplication::translate("Ardeno", "Výsledky  Vlastni     v= větší  m= menší  ");
    case MonthlyReport::Sidc:
      return QCoreApplication::translate("Ardeno", "Výsledky    oficiální");
    case MonthlyReport::Cv:
      break;
  }
  return QCoreApplication::translate("Ardeno", "Výsledky    CV výsledky   %1. %2")
      .arg(m_month.Month)
      .arg(m_month.Year);
}

void ReportPageView::RecordsChanged() {
  if (m_built) Build();
}

void ReportPageView::Build() {
  const Database& db = m_ctx.App.Db;
  m_days = MatchReportDays(db, m_month);
  m_built = true;
  m_lines.clear();
  const Instrument instrument = ShownInstrument(m_ctx.InstrumentLines(), m_ctx.PanelStationText());
  switch (m_report) {
    case MonthlyReport::Own:
      m_ownPage = BuildOwnReportPage(db, m_days, m_month, instrument);
      m_protocol = BuildOwnProtocol(db, m_days, m_month, instrument);
      FitOwnPage();
      break;
    case MonthlyReport::Sidc:
      m_lines = ToQt(SidcPageLines(
          SidcReportText(db, m_days, m_month, kSidcCodeInitial, m_popis[6]), instrument));
      break;
    case MonthlyReport::Cv:
      m_lines = ToQt(CvReportLines(db, m_days, m_month, m_popis));
      m_cvCells->SetRows(CvGridRows(db, m_days));
      m_cvGrid->resizeColumnsToContents();
      break;
  }
  update();
}

void ReportPageView::FitOwnPage() {
  const QSize page = LayOutOwnReportPage(m_ownPage, m_fontSize).Size;
  const QSize room = m_pageScroll->maximumViewportSize();
  m_pageCanvas->resize(std::max(page.width(), room.width()), page.height());
  m_pageCanvas->update();
}

void ReportPageView::resizeEvent(QResizeEvent* event) {
  ResultsView::resizeEvent(event);
  if (m_pageScroll != nullptr) FitOwnPage();
}

void ReportPageView::paintEvent(QPaintEvent*) {
  if (m_report != MonthlyReport::Sidc) return;
  QPainter painter(this);
  PaintTextPage(painter, m_lines, 12);
}

void ReportPageView::keyPressEvent(QKeyEvent* event) {
  if (m_report != MonthlyReport::Own) {
    ResultsView::keyPressEvent(event);
    return;
  }
  if (event->text() == QLatin1String("v")) {
    m_fontSize = m_fontSize + 1 > kLargestFontSize ? kFontSizeAfterLargest : m_fontSize + 1;
  } else if (event->text() == QLatin1String("m")) {
    m_fontSize = std::max(kSmallestFontSize, m_fontSize - 1);
  } else {
    ResultsView::keyPressEvent(event);
    return;
  }
  FitOwnPage();
}

void ReportPageView::PrintPage() {
  QPrinter printer(QPrinter::HighResolution);
  if (!m_ctx.App.Dialogs.SetUpPrinter(this, printer)) return;
  QPainter painter(&printer);
  if (!painter.isActive()) {
    m_ctx.App.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", "Tiskárnu nelze použít."));
    return;
  }
  // The page as on the window, its measures grown to the paper's width.
  const int pageWidth = LayOutOwnReportPage(m_ownPage, m_fontSize).Size.width();
  const int fontSize = m_fontSize * printer.width() / std::max(1, pageWidth);
  PaintOwnReportPage(painter, m_ownPage, fontSize, printer.width(), OwnPageReader::Printout);
}

std::optional<QString> ReportPageView::Print(QPrinter& printer, PrintType) {
  const QString refusal = QCoreApplication::translate("Ardeno", "Tiskárnu nelze použít.");
  if (m_report != MonthlyReport::Own) {
    if (!PrintTextPages(printer, m_lines)) return refusal;
    return std::nullopt;
  }
  QPainter painter(&printer);
  if (!painter.isActive()) return refusal;
  const QRect page(0, 0, printer.width(), printer.height());
  PaintOwnProtocol(painter, m_protocol,
                   page.adjusted(page.width() / 20, page.height() / 30, -page.width() / 20,
                                 -page.height() / 30));
  return std::nullopt;
}

bool ReportPageView::Write(const std::filesystem::path& file, const std::string& bytes) {
  if (const auto error = WriteReportFile(file, bytes)) {
    m_ctx.App.Msg.ShowMessageText(QString::fromStdString(*error));
    return false;
  }
  return true;
}

void ReportPageView::SaveFile() {
  AppContext& app = m_ctx.App;
  const Database& db = app.Db;
  // The files observers send away are checked first; their own report is not.
  if (m_report != MonthlyReport::Own && !MonthPassesCheck(app, m_month)) return;
  // The station's code is set once in the form "Stanice" and taken by every SIDC report.
  const StationSettingsReading station = ReadStationSettings(app.ProgDir);
  if (m_report == MonthlyReport::Sidc) {
    for (const std::string& problem : station.Problems)
      app.Msg.ShowMessageText(QString::fromStdString(problem));
    if (const Refusal missing = MissingForSidcReport(station.Settings)) {
      app.Msg.ShowMessageText(QString::fromStdString(*missing));
      return;
    }
  }
  if (m_report != MonthlyReport::Own && !HasDescriptionFile(app.ProgDir))
    app.Msg.ShowMessageText(QString::fromStdString(CoreText("Reports", kNoDescriptionMessage)));
  // A report that exists may have been edited by hand: it is replaced only at the user's word.
  const auto mayWrite = [&](const std::vector<std::filesystem::path>& files) {
    return !FirstTakenName(files) ||
           app.Dialogs.ConfirmOverwrite(this, Text(kSidcOverwriteQuestion));
  };
  switch (m_report) {
    case MonthlyReport::Own: {
      const auto index = OwnIndexFilePath(app.ProgDir, m_month);
      const auto areas = OwnAreaFilePath(app.ProgDir, m_month);
      if (!mayWrite({index, areas})) return;
      app.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", kWritingMessage));
      // The index and the area file are one report: both are written, or neither changes.
      if (const auto error =
              WriteReportFiles({{index, ReportFileBytes(OwnIndexFileLines(db, m_days))},
                                {areas, ReportFileBytes(OwnAreaFileLines(db, m_days))}}))
        app.Msg.ShowMessageText(QString::fromStdString(*error));
      return;
    }
    case MonthlyReport::Cv: {
      const auto file = CvReportPath(app.ProgDir, m_month);
      if (!mayWrite({file})) return;
      app.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", kWritingMessage));
      Write(file, ReportFileBytes(CvReportLines(db, m_days, m_month, m_popis)));
      return;
    }
    case MonthlyReport::Sidc:
      break;
  }
  const auto file = SidcReportPath(app.ProgDir, m_month);
  if (!mayWrite({file})) return;
  app.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", kWritingMessage));
  if (!Write(file,
             Utf8ToCp1250(SidcReportText(db, m_days, m_month,
                                         SidcHeaderCode(station.Settings.SidcCode), m_popis[6])))) {
    return;
  }
  // The first drawing of the month becomes the work record.
  if (const auto records = FindMonthRecords(db, m_month)) {
    app.Db.WorkRecord = db.Record(records->First);
    app.Db.CurrentIndex = records->First - 1;
  }
}

ResultsView* MakeOwnReportView(ResultsContext& ctx, QWidget* parent) {
  return new ReportPageView(ctx, MonthlyReport::Own, parent);
}

ResultsView* MakeSidcReportView(ResultsContext& ctx, QWidget* parent) {
  return new ReportPageView(ctx, MonthlyReport::Sidc, parent);
}

ResultsView* MakeCvReportView(ResultsContext& ctx, QWidget* parent) {
  return new ReportPageView(ctx, MonthlyReport::Cv, parent);
}

}  // namespace ardeno
