// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/entry/area_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace ardeno {

namespace {
constexpr int kViewSide = kPaintMaskSide;  // the region shown at twice its size
constexpr int kBrushSizes[] = {4, 8, 12, 16};
const QColor kPaintColour(255, 0, 0);
}  // namespace

// The 800 x 800 view of the photograph with the red paint over it; mask and view share
// coordinates, so a painted square covers the same pixels in both.
class AreaCanvas : public QWidget {
 public:
  explicit AreaCanvas(AreaWindow* owner) : QWidget(owner), m_owner(owner) {
    setObjectName("Image1");
    setFixedSize(kViewSide, kViewSide);
    m_paint = QImage(kViewSide, kViewSide, QImage::Format_ARGB32_Premultiplied);
    m_paint.fill(Qt::transparent);
  }

  void PaintSquare(QPoint at, int size) {
    QPainter painter(&m_paint);
    painter.fillRect(at.x() - size / 2, at.y() - size / 2, size, size, kPaintColour);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect source(m_owner->m_regionTopLeft,
                       QSize(AreaWindow::kRegionSide, AreaWindow::kRegionSide));
    painter.drawImage(rect(), m_owner->m_photo, source);
    painter.drawImage(0, 0, m_paint);
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::RightButton) m_owner->BeginPainting(event->position().toPoint());
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    m_owner->PaintAt(event->position().toPoint());
  }
  void mouseReleaseEvent(QMouseEvent*) override { m_owner->EndPainting(); }

 private:
  AreaWindow* m_owner;
  QImage m_paint;
};

AreaWindow::AreaWindow(Messages& messages, const QImage& photo, QPoint centre, double photoRadius,
                       MeasureTarget target, QWidget* parent)
    : QDialog(parent),
      m_messages(messages),
      m_photo(photo),
      m_photoRadius(photoRadius),
      m_target(target) {
  setObjectName("TForm12");
  setWindowTitle(QCoreApplication::translate("Ardeno", "Okno pro měření plochy skupiny "));
  setAttribute(Qt::WA_DeleteOnClose, false);

  m_canvas = new AreaCanvas(this);
  m_horizontal = new QScrollBar(Qt::Horizontal, this);
  m_horizontal->setObjectName("ScrollBar1");
  m_vertical = new QScrollBar(Qt::Vertical, this);
  m_vertical->setObjectName("ScrollBar2");
  m_horizontal->setRange(0, std::max(0, m_photo.width() - kRegionSide));
  m_vertical->setRange(0, std::max(0, m_photo.height() - kRegionSide));
  connect(m_horizontal, &QScrollBar::valueChanged, this,
          [this](int left) { ScrollTo(left, m_regionTopLeft.y()); });
  connect(m_vertical, &QScrollBar::valueChanged, this,
          [this](int top) { ScrollTo(m_regionTopLeft.x(), top); });

  auto* title = new QLabel(QCoreApplication::translate("Ardeno", "Hodnoty v mm^2 "), this);
  title->setObjectName("Label2");
  m_valueLabel = new QLabel(this);
  m_valueLabel->setObjectName("Label3");
  auto* finish = new QPushButton(QCoreApplication::translate("Ardeno", "Ukončit vyplnění"), this);
  finish->setObjectName("Button1");
  connect(finish, &QPushButton::clicked, this, &AreaWindow::Finish);
  auto* running = new QPushButton(QCoreApplication::translate("Ardeno", "Průběžné"), this);
  running->setObjectName("Button2");
  running->setToolTip(QCoreApplication::translate("Ardeno", "Průběžná plocha "));
  connect(running, &QPushButton::clicked, this, &AreaWindow::ShowRunningArea);
  auto* help = new QToolButton(this);
  help->setObjectName("SpeedButton1");
  help->setText(QStringLiteral("?"));
  connect(help, &QToolButton::clicked, this, [this] {
    m_messages.ShowMessageText(QCoreApplication::translate(
        "Ardeno", "Klik pravým tlačítkem myši, držet táhnout - vybarvit plochu včetně penumbry."));
  });

  auto* brushes = new QGroupBox(QCoreApplication::translate("Ardeno", "Síla čary"), this);
  brushes->setObjectName("RadioGroup1");
  auto* brushLayout = new QVBoxLayout(brushes);
  auto* brushGroup = new QButtonGroup(this);
  for (int size : kBrushSizes) {
    auto* item = new QRadioButton(QString::number(size), brushes);
    item->setChecked(size == m_brushSize);
    brushGroup->addButton(item, size);
    brushLayout->addWidget(item);
  }
  connect(brushGroup, &QButtonGroup::idClicked, this, &AreaWindow::SetBrushSize);

  auto* side = new QVBoxLayout;
  side->addWidget(title);
  side->addWidget(m_valueLabel);
  side->addWidget(running);
  side->addWidget(finish);
  side->addWidget(brushes);
  side->addWidget(help);
  side->addStretch();

  auto* grid = new QGridLayout(this);
  grid->addWidget(m_canvas, 0, 0);
  grid->addWidget(m_vertical, 0, 1);
  grid->addWidget(m_horizontal, 1, 0);
  grid->addLayout(side, 0, 2, 2, 1);

  // The point to measure sits in the middle of the view.
  m_horizontal->setValue(std::clamp(centre.x() - kRegionSide / 2, 0, m_horizontal->maximum()));
  m_vertical->setValue(std::clamp(centre.y() - kRegionSide / 2, 0, m_vertical->maximum()));
  ScrollTo(m_horizontal->value(), m_vertical->value());
}

QWidget* AreaWindow::Canvas() const { return m_canvas; }

void AreaWindow::SetBrushSize(int size) { m_brushSize = size; }

void AreaWindow::ScrollTo(int left, int top) {
  m_regionTopLeft = QPoint(left, top);
  m_canvas->update();
}

void AreaWindow::BeginPainting(QPoint at) {
  if (m_state != State::Ready) return;
  m_state = State::Painting;
  // Moving the view while painting would misalign mask and photograph.
  m_horizontal->setEnabled(false);
  m_vertical->setEnabled(false);
  PaintAt(at);
}

void AreaWindow::PaintAt(QPoint at) {
  if (m_state != State::Painting) return;
  m_canvas->PaintSquare(at, m_brushSize);
  m_mask.PaintSquare(at.x(), at.y(), m_brushSize);
}

void AreaWindow::EndPainting() {
  if (m_state == State::Painting) m_state = State::Ready;
}

void AreaWindow::ShowRunningArea() {
  const double area = PaintedAreaMm2(CountPaintedPixels(m_mask), m_photoRadius);
  m_valueLabel->setText(QString::fromStdString(RunningAreaText(area)));
}

void AreaWindow::Finish() {
  if (m_state != State::Ready) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_paintedPixels = CountPaintedPixels(m_mask);
  const double area = PaintedAreaMm2(m_paintedPixels, m_photoRadius);
  QApplication::restoreOverrideCursor();
  m_state = State::Idle;
  m_horizontal->setEnabled(true);
  m_vertical->setEnabled(true);
  emit AreaMeasured(m_target, QString::fromStdString(FinalAreaText(area)));
  accept();
}

}  // namespace ardeno
