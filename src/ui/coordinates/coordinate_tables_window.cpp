// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/coordinates/coordinate_tables_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/coordinates/coordinate_table_painter.h"
#include "ui/graphs/mdi_child.h"
#include "ui/shell/picture_files.h"

namespace ardeno {

namespace {

constexpr int kWindowWidth = 900;
constexpr int kFrameHeightMargin = 60;
constexpr int kScrollStep = 10;       // reference units per scroll position
constexpr int kScrollPositions = 60;  // the table is about 950 units high
constexpr int kPictureHeight = 1000;
constexpr int kMinimumPrintHeight = 991;
constexpr int kPictureTopCut = 40;
constexpr int kPictureRightCut = 5;
constexpr int kMaxScale = 64;

// Paints the table on the window, below its buttons.
class TableCanvasWidget : public QWidget {
 public:
  explicit TableCanvasWidget(const CoordinateTablesWindow& window, QWidget* parent)
      : QWidget(parent), m_window(window) {
    setObjectName("TableCanvas");
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    m_window.PaintTable(painter);
  }

 private:
  const CoordinateTablesWindow& m_window;
};

QPushButton* Button(QWidget* parent, QHBoxLayout* row, const char* name, const QString& text,
                    const QString& hint = {}) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  if (!hint.isEmpty()) button->setToolTip(hint);
  row->addWidget(button);
  return button;
}

}  // namespace

CoordinateTablesWindow::CoordinateTablesWindow(AppContext& context, int year, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_table(BuildCoordinateTable(year, 0)) {
  setObjectName("TForm10");
  setWindowTitle(QCoreApplication::translate("Ardeno", "Heliografické souřadnice"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFocusPolicy(Qt::StrongFocus);
  BuildControls();
  m_year->setText(QString::number(year));
  resize(kWindowWidth, 711);
}

void CoordinateTablesWindow::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* bar = new QWidget(this);
  bar->setObjectName("ToolBar1");
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(4, 2, 4, 2);
  m_year = new QLineEdit(bar);
  m_year->setObjectName("Edit1");
  m_year->setMaxLength(4);
  m_year->setFixedWidth(60);
  // Only digits: the year is a number.
  m_year->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), m_year));
  row->addWidget(m_year);
  const std::pair<const char*, const char*> months[] = {
      {"SpeedButton1", QT_TRANSLATE_NOOP("Ardeno", "leden-duben")},
      {"SpeedButton2", QT_TRANSLATE_NOOP("Ardeno", "květen-srpen")},
      {"SpeedButton3", QT_TRANSLATE_NOOP("Ardeno", "září- prosinec")}};
  for (int i = 0; i < 3; ++i) {
    QPushButton* button =
        Button(bar, row, months[i].first, QCoreApplication::translate("Ardeno", months[i].second));
    connect(button, &QPushButton::clicked, this, [this, i] { ShowMonths(4 * i); });
  }
  connect(Button(bar, row, "SpeedButton4", "zve",
                 QCoreApplication::translate("Ardeno", "Měřítko tabulky")),
          &QPushButton::clicked, this, &CoordinateTablesWindow::AskScale);
  connect(Button(bar, row, "tisksouradnic", QCoreApplication::translate("Ardeno", "Tisk")),
          &QPushButton::clicked, this, &CoordinateTablesWindow::PrintTable);
  connect(Button(bar, row, "ulozitobr", QCoreApplication::translate("Ardeno", "Uložit obr.")),
          &QPushButton::clicked, this, &CoordinateTablesWindow::SaveTableImage);
  row->addStretch(1);
  layout->addWidget(bar);

  auto* body = new QHBoxLayout;
  m_canvas = new TableCanvasWidget(*this, this);
  body->addWidget(m_canvas, 1);
  m_scroll = new QScrollBar(Qt::Vertical, this);
  m_scroll->setObjectName("ScrollBar1");
  m_scroll->setToolTip(QCoreApplication::translate("Ardeno", "Posuv nahoru "));
  m_scroll->setRange(0, kScrollPositions);
  connect(m_scroll, &QScrollBar::valueChanged, m_canvas, qOverload<>(&QWidget::update));
  body->addWidget(m_scroll);
  layout->addLayout(body, 1);
}

CoordinateTablesWindow* CoordinateTablesWindow::Open(AppContext& context, QWidget* mdiArea,
                                                     int year) {
  auto* area = qobject_cast<QMdiArea*>(mdiArea);
  auto* window = new CoordinateTablesWindow(context, year);
  if (area == nullptr) {
    window->show();
    return window;
  }
  QMdiSubWindow* sub = AddAnalysisFrame(area, window);
  sub->move(0, 0);
  // The frame's border and title are known once it is shown: the table gets its 900 pixels,
  // or the whole area when it is narrower.
  sub->show();
  const int chrome = sub->width() - window->width();
  const int height = std::max(200, area->viewport()->height() - kFrameHeightMargin);
  sub->resize(std::min(kWindowWidth + chrome, area->viewport()->width()), height);
  area->setActiveSubWindow(sub);
  // The table is consulted and put away: another window taking the focus closes it.
  connect(area, &QMdiArea::subWindowActivated, sub, [sub](QMdiSubWindow* active) {
    if (active != nullptr && active != sub) sub->close();
  });
  return window;
}

int CoordinateTablesWindow::TableYearFromField() const {
  bool ok = false;
  const int year = m_year->text().toInt(&ok);
  return ok && year >= 1 ? year : m_table.Year;
}

void CoordinateTablesWindow::ShowMonths(int startMonth) {
  m_table = BuildCoordinateTable(TableYearFromField(), startMonth);
  m_canvas->update();
}

void CoordinateTablesWindow::AskScale() {
  const std::optional<QString> answer = m_ctx.Dialogs.InputText(
      this, QCoreApplication::translate("Ardeno", "Měřítko"),
      QCoreApplication::translate("Ardeno", "Měřítko v šestnáctinách (16 = 1:1)"), m_scaleText);
  if (!answer) return;
  m_scaleText = *answer;
  bool ok = false;
  const int scale = answer->trimmed().toInt(&ok);
  if (!ok || scale < 1 || scale > kMaxScale) return;
  m_scale = scale;
  m_canvas->update();
}

void CoordinateTablesWindow::PaintTable(QPainter& painter) const {
  PaintCoordinateTable(painter, m_table, m_scale, -kScrollStep * m_scroll->value());
}

bool CoordinateTablesWindow::PrintTable() {
  QPrinter printer(QPrinter::HighResolution);
  if (!m_ctx.Dialogs.SetUpPrinter(this, printer)) return false;
  QPainter painter;
  if (!painter.begin(&printer)) {
    m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", "Tisk se nepodařilo zahájit."));
    return false;
  }
  // The page width holds the whole table.
  const int pageWidth = printer.pageLayout().paintRectPixels(printer.resolution()).width();
  PaintCoordinateTable(painter, m_table, pageWidth * 16 / kWindowWidth, 0);
  return painter.end();
}

std::optional<std::filesystem::path> CoordinateTablesWindow::SaveTableImage() {
  QImage image(kWindowWidth, kPictureHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PaintCoordinateTable(painter, m_table, m_scale, 0);
  }
  const std::optional<std::filesystem::path> folder = PictureFolder(m_ctx.ProgDir);
  if (!folder) {
    m_ctx.Msg.ShowMessageText(PictureFolderMessage());
    return std::nullopt;
  }
  const std::filesystem::path file =
      *folder / std::filesystem::u8path(
                    CoordinateTableFileName(m_year->text().toStdString(), m_table.StartMonth));
  // A picture of black text on white: 8 bits a pixel, as the tables have always been kept.
  if (const auto error = WriteBmpFile(image.convertToFormat(QImage::Format_Indexed8), file)) {
    m_ctx.Msg.ShowMessageText(*error);
    return std::nullopt;
  }
  return file;
}

bool CoordinateTablesWindow::PrintWindowPicture() {
  if (height() < kMinimumPrintHeight) {
    m_ctx.Dialogs.Inform(this, QStringLiteral("Ardeno"),
                         QCoreApplication::translate("Ardeno",
                                                     "Okno je nizké - zvětšit jeho výšku+\r   "
                                                     "Pokud nelze tisk se neprovede ! "));
    return false;
  }
  const QImage shot =
      grab(QRect(0, kPictureTopCut, width() - kPictureRightCut, height() - kPictureTopCut))
          .toImage();
  QPrinter printer(QPrinter::HighResolution);
  if (!m_ctx.Dialogs.SetUpPrinter(this, printer)) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const int pageHeight = page.width() * shot.height() / std::max(1, shot.width());
  painter.drawImage(QRect(0, 0, page.width(), pageHeight), shot);
  return painter.end();
}

void CoordinateTablesWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->text() == "t") {
    PrintWindowPicture();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

}  // namespace ardeno
