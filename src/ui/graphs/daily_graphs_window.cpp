// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/graphs/daily_graphs_window.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/shell/window_image_name.h"
#include "ui/graphs/graph_canvas.h"
#include "ui/graphs/graph_fonts.h"
#include "ui/graphs/graph_text.h"
#include "ui/graphs/graph_window_frame.h"
#include "ui/graphs/mdi_child.h"
#include "ui/shell/window_image.h"

namespace ardeno {

namespace {

constexpr int kScreenDayWidth = 2;
constexpr int kSaveDayWidth = 1;
constexpr int kSizeLabelOffset = 65;
constexpr int kCaptionTextLength = 20;
constexpr int kPrintTop = 250;
constexpr int kPrintPlotLeft = 140;
constexpr int kScreenPlotLeft = DailyFrame{}.PlotLeft;

}  // namespace

DailyGraphsWindow::DailyGraphsWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_viewTitle(kDailyOpeningViewTitle) {
  setObjectName("TForm6");
  setAttribute(Qt::WA_DeleteOnClose);
  const GraphWindowFrame frame = BuildGraphWindowFrame(
      this, [this](QPainter& painter) { PaintCanvas(painter); }, m_scaleShown);
  m_menuBar = frame.MenuBar;
  m_canvas = frame.Canvas;
  m_scroll = frame.Scroll;
  frame.Layout->addWidget(m_scroll);
  m_sizeLabel = new QLabel(m_canvas);
  m_sizeLabel->setObjectName("Label1");
  BuildMenus();

  m_plot.SetData(m_ctx.Db, PositionsFor(m_plot.Graph()), kScreenDayWidth);
  ReloadOnRecordChanges(this, m_ctx, [this] { ReloadData(); });
  connect(m_canvas, &GraphCanvas::Resized, this, &DailyGraphsWindow::OnCanvasResized);
  // Until the user scrolls, size changes keep the newest data in view.
  connect(m_scroll, &QScrollBar::actionTriggered, this, [this] { m_followNewest = false; });
  resize(1000, 700);
  SelectGraph(DailyGraph::G);
  UpdateScrollRange(true);
  // As the first paint names it: "Graf   " + view title + graph title.
  setWindowTitle(Caption());
}

void DailyGraphsWindow::BuildMenus() {
  QMenu* graphs = m_menuBar->addMenu(QCoreApplication::translate("Ardeno", "&Výběr grafu"));
  graphs->setObjectName("vybergraf");
  auto* graphGroup = new QActionGroup(this);
  for (const DailyGraphInfo& info : DailyGraphs()) {
    QAction* action = m_ops.AddAction(graphs, info.MenuName.data(),
                                      QString::fromStdString(DailyGraphMenuText(info)));
    action->setCheckable(true);
    graphGroup->addAction(action);
    const DailyGraph graph = info.Graph;
    connect(action, &QAction::triggered, this, [this, graph] { SelectGraph(graph); });
  }
  QMenu* views = m_menuBar->addMenu(QCoreApplication::translate("Ardeno", "&Typ zobrazení"));
  views->setObjectName("typzobraz");
  auto* viewGroup = new QActionGroup(this);
  const std::pair<const char*, DailyView> viewItems[] = {{"vsechny", DailyView::All},
                                                         {"celkovy", DailyView::Whole},
                                                         {"severg", DailyView::North},
                                                         {"jihg", DailyView::South}};
  const char* viewTexts[] = {
      QT_TRANSLATE_NOOP("Ardeno", "Všechny tři"), QT_TRANSLATE_NOOP("Ardeno", "Celkový"),
      QT_TRANSLATE_NOOP("Ardeno", "Sever"), QT_TRANSLATE_NOOP("Ardeno", "Jih")};
  for (std::size_t i = 0; i < std::size(viewItems); ++i) {
    QAction* action = m_ops.AddAction(views, viewItems[i].first,
                                      QCoreApplication::translate("Ardeno", viewTexts[i]));
    action->setCheckable(true);
    viewGroup->addAction(action);
    const DailyView view = viewItems[i].second;
    connect(action, &QAction::triggered, this, [this, view] { SelectView(view); });
  }
  m_ops.Action("vsechny")->setChecked(true);
  for (const DailyGraphInfo& info : DailyGraphs()) {
    const DailyGraph graph = info.Graph;
    m_ops.OnPanelButton(GraphText(info.ButtonName), [this, graph] { SelectGraph(graph); });
  }
  const std::pair<const char*, DailyView> viewButtons[] = {{"vsechny", DailyView::All},
                                                           {"celkovy", DailyView::Whole},
                                                           {"sevrni", DailyView::North},
                                                           {"jizni", DailyView::South}};
  for (const auto& [button, view] : viewButtons)
    m_ops.OnPanelButton(button, [this, view = view] { SelectView(view); });
  m_ops.OnPanelButton("stupnice", [this] { ShowScale(); });

  QMenu* other = m_menuBar->addMenu(QCoreApplication::translate("Ardeno", "&Graf"));
  connect(m_ops.AddAction(other, "stupnice", QCoreApplication::translate("Ardeno", "&Stupnice")),
          &QAction::triggered, this, &DailyGraphsWindow::ShowScale);
  connect(m_ops.AddAction(other, "tiskgraf", QCoreApplication::translate("Ardeno", "&Tisk ")),
          &QAction::triggered, this, &DailyGraphsWindow::Print);
  connect(m_ops.AddAction(other, "ctyry", "400x400"), &QAction::triggered, this,
          [this] { SetSaveSize(400); });
  connect(m_ops.AddAction(other, "pet", "500x500"), &QAction::triggered, this,
          [this] { SetSaveSize(500); });
  connect(m_ops.AddAction(other, "sest", "600x600"), &QAction::triggered, this,
          [this] { SetSaveSize(600); });
  connect(m_ops.AddAction(other, "plneokno", QCoreApplication::translate("Ardeno", "Celé okno")),
          &QAction::triggered, this, &DailyGraphsWindow::FillFrame);
  connect(
      m_ops.AddAction(other, "ulozit", QCoreApplication::translate("Ardeno", "Uložit jednotlivě")),
      &QAction::triggered, this, &DailyGraphsWindow::SaveSingle);
  connect(m_ops.AddAction(other, "vsechnyobr",
                          QCoreApplication::translate("Ardeno", "Uložit všechny obrázky")),
          &QAction::triggered, this, &DailyGraphsWindow::SaveAll);
  connect(m_ops.AddAction(other, "zaviratgraf", QCoreApplication::translate("Ardeno", "&Zavřít")),
          &QAction::triggered, this, [this] { CloseWithFrame(this); });
}

QWidget* DailyGraphsWindow::Canvas() const { return m_canvas; }

std::vector<std::pair<QString, bool>> DailyGraphsWindow::PanelButtonStates() const {
  std::vector<std::pair<QString, bool>> states;
  for (const DailyGraphInfo& info : DailyGraphs())
    states.emplace_back(GraphText(info.ButtonName), info.Graph == m_plot.Graph());
  const std::pair<const char*, DailyView> views[] = {{"vsechny", DailyView::All},
                                                     {"celkovy", DailyView::Whole},
                                                     {"sevrni", DailyView::North},
                                                     {"jizni", DailyView::South}};
  for (const auto& [button, view] : views) states.emplace_back(button, view == m_view);
  return states;
}

int DailyGraphsWindow::ScrollPosition() const { return m_scroll->value(); }
QString DailyGraphsWindow::Caption() const { return DailyGraphCaption(m_viewTitle, m_plot); }

void DailyGraphsWindow::SelectGraph(DailyGraph graph) {
  m_plot.SelectGraph(m_ctx.Db, PositionsFor(graph), graph);
  m_ops.Action(QString::fromUtf8(DailyGraphInfoOf(graph).MenuName.data()))->setChecked(true);
  m_scaleShown = false;
  ReportSkippedRecords();
  setWindowTitle(Caption());
  if (!m_printing) m_canvas->update();
  emit GraphSelected(graph);
  emit PanelStateChanged();
}

void DailyGraphsWindow::SelectView(DailyView view) {
  m_view = view;
  m_viewTitle = DailyViewTitle(view);
  static const char* kViewActions[] = {"vsechny", "celkovy", "severg", "jihg"};
  m_ops.Action(kViewActions[static_cast<int>(view) - 1])->setChecked(true);
  m_scaleShown = false;
  setWindowTitle(Caption());
  m_canvas->update();
  emit ViewSelected(view);
  emit PanelStateChanged();
}

const RecordPositions& DailyGraphsWindow::PositionsFor(DailyGraph graph) {
  // Only the east-west graph needs the group positions; the others must not pay for them.
  static const RecordPositions kNone;
  return graph == DailyGraph::EastWest ? m_ctx.Groups.All(m_ctx.Db).Positions : kNone;
}

void DailyGraphsWindow::ReloadData() {
  m_skipReported = false;
  m_plot.SetData(m_ctx.Db, PositionsFor(m_plot.Graph()), m_plot.DayWidth());
  ReportSkippedRecords();
  UpdateScrollRange(true);
  m_canvas->update();
}

void DailyGraphsWindow::ReportSkippedRecords() {
  if (m_skipReported || m_plot.Axis().Skipped == 0) return;
  m_skipReported = true;
  m_ctx.Msg.ShowMessageText(QString::fromStdString(SkippedRecordsText(m_plot.Axis().Skipped)));
}

void DailyGraphsWindow::SetDayWidth(int dayWidth) {
  m_plot.SetData(m_ctx.Db, PositionsFor(m_plot.Graph()), dayWidth);
  m_followNewest = true;
  UpdateScrollRange(true);
}

DailyFrame DailyGraphsWindow::ScreenFrame() const {
  DailyFrame frame;
  frame.Width = m_canvas->width();
  frame.Height = m_canvas->height();
  frame.Scroll = m_scroll->value();
  return frame;
}

void DailyGraphsWindow::PaintCanvas(QPainter& painter) {
  if (m_printing) return;
  const DailyFrame frame = ScreenFrame();
  PaintDailyGraph(painter, m_plot, m_view, frame);
  if (m_scaleShown) PaintDailyScale(painter, m_plot, m_view, frame);
}

void DailyGraphsWindow::ShowScale() {
  m_scaleShown = true;
  m_canvas->update();
}

void DailyGraphsWindow::OnCanvasResized() {
  m_plot.SetClientHeight(m_canvas->height());
  m_sizeLabel->setText(QString("%1 x %2").arg(m_canvas->width()).arg(m_canvas->height()));
  m_sizeLabel->adjustSize();
  m_sizeLabel->move(m_canvas->width() - kSizeLabelOffset, 0);
  UpdateScrollRange(m_followNewest);
}

void DailyGraphsWindow::UpdateScrollRange(bool toNewest) {
  const int maximum = std::max(0, m_plot.Axis().ScrollRange() - m_canvas->width());
  m_scroll->setRange(0, maximum);
  m_scroll->setPageStep(std::max(1, m_canvas->width()));
  if (toNewest) m_scroll->setValue(m_plot.Axis().OpeningScroll(m_canvas->width()));
}

void DailyGraphsWindow::SetSaveSize(int pixels) {
  m_sizeText = QString::number(pixels);
  m_sizeMode = 2;
  QWidget* outer = OuterWindow(this);
  outer->resize(outer->size() + (QSize(pixels, pixels) - m_canvas->size()));
  SetDayWidth(kSaveDayWidth);
}

void DailyGraphsWindow::FillFrame() {
  m_viewTitle = kDailyOpeningViewTitle;
  m_sizeMode = 1;
  QWidget* outer = OuterWindow(this);
  if (auto* sub = qobject_cast<QMdiSubWindow*>(outer)) {
    if (QMdiArea* area = sub->mdiArea()) {
      const QSize client = area->viewport()->size();
      sub->setGeometry(1, 1, client.width() - 10, client.height() - 40);
    }
  }
  SetDayWidth(kScreenDayWidth);
  setWindowTitle(Caption());
}

bool DailyGraphsWindow::SaveSingle() {
  const int width = m_canvas->width() - 5;
  if (width < 1) return false;
  QImage image(width, m_canvas->height(), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    m_canvas->render(&painter, QPoint(), QRegion(0, 0, width, m_canvas->height()));
  }
  const QDir folder(QDir(QString::fromStdU16String(m_ctx.ProgDir.u16string()))
                        .filePath(QString::fromUtf8(kImageFolder)));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    m_ctx.Msg.ShowMessageText(
        QCoreApplication::translate("Ardeno", "Nelze vytvořit složku Obrázek"));
    return false;
  }
  const QString path = folder.filePath("Graf" + m_sizeText + "x" + m_sizeText + ".bmp");
  QSaveFile file(path);
  QImageWriter writer(&file, "BMP");
  if (!file.open(QIODevice::WriteOnly) || !writer.write(image) || !file.commit()) {
    m_ctx.Msg.ShowMessageText(
        QCoreApplication::translate("Ardeno", "Obrázek se nepodařilo uložit do souboru ") + path);
    return false;
  }
  return true;
}

void DailyGraphsWindow::SaveAll() {
  m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", "Uloží se všechny grafy"));
  m_sizeLabel->hide();
  m_sizeText = "600";
  m_sizeMode = 2;
  SetDayWidth(kSaveDayWidth);
  for (const DailyGraphInfo& info : DailyGraphs()) {
    if (info.SavePrefix.empty()) continue;
    SelectGraph(info.Graph);
    m_scaleShown = true;
    m_ctx.View.ImageName = GraphText(info.SavePrefix) + QString::fromUtf8(m_viewTitle).left(1);
    SaveWindowImage(m_ctx, m_canvas, false);
  }
  m_sizeLabel->show();
}

void DailyGraphsWindow::SaveWithQuestion() {
  m_sizeLabel->hide();
  m_scaleShown = true;
  m_ctx.View.ImageName = DailyGraphFileCaption(m_viewTitle, m_plot).left(kCaptionTextLength);
  SaveWindowImage(m_ctx, m_canvas, true);
  m_sizeLabel->show();
}

void DailyGraphsWindow::Print() {
  ShowScale();
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintTo(printer);
}

void DailyGraphsWindow::PrintTo(QPrinter& printer) {
  QAction* print = m_ops.Action("tiskgraf");
  print->setEnabled(false);
  m_printing = true;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const DailyPrintLayout layout = DailyPrintLayoutFor(page.width(), page.height());
  DailyGraphPlot pagePlot = m_plot;
  pagePlot.SetData(m_ctx.Db, PositionsFor(m_plot.Graph()), layout.DayWidth);
  pagePlot.SetRowHeight(layout.RowHeight);
  DailyFrame frame;
  frame.Width = page.width();
  frame.Height = page.height();
  frame.Scroll = m_scroll->value() * layout.DayWidth / kScreenDayWidth;
  frame.FontScale = printer.resolution() / 96.0;
  // The curves start right of the grid values, which the page shows at its left edge: at least
  // the screen's 50 pixels in the printer's dots.
  frame.PlotLeft = std::max(kPrintPlotLeft, static_cast<int>(kScreenPlotLeft * frame.FontScale));
  frame.Top = kPrintTop;
  frame.WholeCurveWidth = 10;
  frame.HemisphereCurveWidth = 5;
  {
    QPainter painter(&printer);
    painter.setFont(GraphFont(15, frame.FontScale));
    painter.drawText(page.width() / 2 - 300, painter.fontMetrics().ascent(), Caption());
    PaintDailyGraph(painter, pagePlot, m_view, frame);
    // The values of the grid lines, as "Stupnice" shows them on the window.
    PaintDailyScale(painter, pagePlot, m_view, frame);
  }
  m_printing = false;
  print->setEnabled(true);
  FillFrame();
}

void DailyGraphsWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F8)
    SaveWithQuestion();
  else
    QWidget::keyReleaseEvent(event);
}

void DailyGraphsWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  CloseOnDeactivation(this);
}

}  // namespace ardeno
