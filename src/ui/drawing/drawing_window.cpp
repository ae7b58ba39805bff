// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing/drawing_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "core/entry/record_list_pages.h"

namespace ardeno {
namespace {

constexpr int kStandardClientWidth = 800;
constexpr int kStandardClientHeight = 680;
constexpr int kCompanionHeightExcess = 10;

// The window as placed in the frame: its MDI sub-window when it has one.
QWidget* Outer(QWidget* w) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) return sub;
  return w;
}

}  // namespace

DrawingWindow::DrawingWindow(AppContext& context, QWidget* parent)
    : QWidget(parent), m_ctx(context) {
  setObjectName("TForm2");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setFont(DrawingFont(false, 8));
  m_readout = new QLabel(this);
  m_readout->setObjectName("Label1");
  m_readout->setAutoFillBackground(true);
  m_readout->setBackgroundRole(QPalette::ToolTipBase);
  m_readout->setForegroundRole(QPalette::ToolTipText);
  m_readout->hide();
  BuildOrientationBox();
  BuildCommandBoxes();
  resize(m_ctx.Scaled(kStandardClientWidth), m_ctx.Scaled(kStandardClientHeight));
  m_placedSize = size();
  m_view.Scale.DrawScale = DrawScaleForWidth(width());
  setWindowTitle(QString::fromStdString(DrawingCaption(m_ctx.Db.WorkRecord)));
  connect(&m_ctx.Events, &DataEvents::DataChanged, this, [this](DataChange change) {
    if (change == DataChange::CurrentRecord) Refresh();
    // Stored records may have moved: the ring would no longer be the finding's group.
    if (change == DataChange::Records) m_ctx.View.MarkedRecord = m_ctx.View.MarkedGroup = 0;
    // The distances are the drawing's shown, whoever chose it (the list, a key, a store).
    if (!m_auxPanel->isHidden()) ShowAuxSpotPanel();
  });
}

void DrawingWindow::BuildOrientationBox() {
  m_orientation = new QGroupBox(QCoreApplication::translate("Ardeno", "Orientace"), this);
  m_orientation->setObjectName("GroupBox1");
  m_westEast = new QPushButton(tr("Z - V"), m_orientation);
  m_westEast->setObjectName("vyza");
  m_northSouth = new QPushButton(tr("S - J"), m_orientation);
  m_northSouth->setObjectName("seji");
  m_orientation->setGeometry(560, 520, 200, 60);
  m_westEast->setGeometry(10, 22, 85, 28);
  m_northSouth->setGeometry(105, 22, 85, 28);
  m_orientation->hide();
  connect(m_westEast, &QPushButton::clicked, this, &DrawingWindow::ToggleWestEast);
  connect(m_northSouth, &QPushButton::clicked, this, &DrawingWindow::ToggleNorthSouth);
}

void DrawingWindow::ShowRecord(int index) {
  Database& db = m_ctx.Db;
  if (index < 1 || index > db.RecordCount) return;
  db.ChooseRecord(index);
  m_ctx.Events.NotifyRecordChosen();
}

void DrawingWindow::Refresh() {
  setWindowTitle(QString::fromStdString(DrawingCaption(m_ctx.Db.WorkRecord)));
  m_ctx.View.ImageName = QString::fromStdString(DrawingImageName(m_ctx.Db.WorkRecord));
  PrepareUnderlay();
  update();
}

void DrawingWindow::ShowOrientation() {
  m_orientation->move(width() - m_orientation->width() - 10,
                      height() - m_orientation->height() - 10);
  m_orientation->show();
  m_orientation->raise();
}

void DrawingWindow::ToggleWestEast() {
  m_view.MirrorX = m_view.MirrorX == 1 ? -1 : 1;
  m_westEast->setText(m_view.MirrorX == 1 ? "Z - V" : "V - Z");
  update();
  m_orientation->hide();
}

void DrawingWindow::ToggleNorthSouth() {
  m_view.MirrorY = m_view.MirrorY == 1 ? -1 : 1;
  m_northSouth->setText(m_view.MirrorY == 1 ? "S - J" : "J - S");
  update();
  m_orientation->hide();
}

void DrawingWindow::PaintWorkRecord(QPainter& painter, int w, int h) {
  Database& db = m_ctx.Db;
  // A work record emptied elsewhere is taken again from the current record; its facular fields
  // stay on the screen as always.
  if (!db.WorkRecord.HasDate() && db.HasCurrentRecord()) db.ChooseRecord(db.CurrentIndex);
  const ObservationRecord* record = db.WorkRecord.HasDate() ? &db.WorkRecord : nullptr;
  PrepareNoaaRegions();
  m_faculaPixels = MeasureDrawingFaculae(record, m_view, m_faculaBitmap);
  DrawingView view = m_view;
  // Pictures and prints show the drawing as stored, without the mark.
  if (!view.ForPicture && m_ctx.View.MarkedRecord == db.CurrentIndex)
    view.MarkedGroup = m_ctx.View.MarkedGroup;
  PaintDrawing(painter, w, h, record, view, m_faculaPixels);
  if (record != nullptr && RecordEphemeris(*record)) StoreMeasuredFacularArea();
}

void DrawingWindow::StoreMeasuredFacularArea() {
  Database& db = m_ctx.Db;
  if (!db.HasCurrentRecord()) return;
  const std::string before = db.Record(db.CurrentIndex).FaculaAreaText();
  if (StoreFaculaArea(db, m_faculaPixels) && db.Record(db.CurrentIndex).FaculaAreaText() != before)
    m_ctx.Events.NotifyFacularAreaChanged();
}

void DrawingWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintWorkRecord(painter, width(), height());
}

QImage DrawingWindow::RenderImage(bool forPicture) {
  QImage image(size(), QImage::Format_RGB32);
  const bool wasForPicture = m_view.ForPicture;
  m_view.ForPicture = forPicture;
  {
    QPainter painter(&image);
    PaintWorkRecord(painter, image.width(), image.height());
  }
  m_view.ForPicture = wasForPicture;
  return image;
}

void DrawingWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  m_view.Scale.DrawScale =
      size() == m_toggledSize ? ToggledDrawScaleForWidth(width()) : DrawScaleForWidth(width());
  PlaceCompanion();
  update();
}

void DrawingWindow::KeepBeside(QWidget* window) {
  m_companion = window;
  FitBesideCompanion();
  m_placedSize = Outer(this)->size();
  PlaceCompanion();
}

void DrawingWindow::FitBesideCompanion() {
  // The list takes the height the frame leaves; the drawing stands 10 pixels shorter beside it.
  if (!m_companion) return;
  QWidget* outer = Outer(this);
  outer->resize(outer->width(), std::max(1, Outer(m_companion)->height() - kCompanionHeightExcess));
}

void DrawingWindow::PlaceCompanion() {
  if (!m_companion) return;
  QWidget* outer = Outer(m_companion);
  outer->move(Outer(this)->frameGeometry().width() + 2, outer->y());
}

void DrawingWindow::ShowReadout(const QPoint& at, const QString& text) {
  m_readout->setText(text);
  m_readout->adjustSize();
  m_readout->move(at.x() + 20, at.y());
  m_readout->show();
  m_readout->raise();
}

void DrawingWindow::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    const std::optional<SolarEphemeris> eph = RecordEphemeris(m_ctx.Db.WorkRecord);
    if (!eph) return;
    const std::optional<HeliographicPosition> pos =
        PointReadout(*eph, m_view.Scale, m_view.MirrorX, m_view.MirrorY, at.x(), at.y());
    if (pos) ShowReadout(at, QString::fromStdString(PointReadoutText(*pos)));
  } else if (event->button() == Qt::RightButton) {
    m_dragStart = OffsetFromCentre(m_view.Scale, at.x(), at.y());
    ShowReadout(at, "0.00");
  }
}

void DrawingWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (!(event->buttons() & Qt::RightButton) || !InsideDisk(m_view.Scale, at.x(), at.y())) return;
  ShowReadout(at, QString::fromStdString(
                      DragAngleText(DragAngle(m_view.Scale, m_dragStart, at.x(), at.y()))));
}

void DrawingWindow::mouseReleaseEvent(QMouseEvent*) { m_readout->hide(); }

void DrawingWindow::keyReleaseEvent(QKeyEvent* event) {
  const int key = event->key();
  // F1 is the program's help everywhere; the results are recomputed with Shift+F1 (or P).
  if (key == Qt::Key_F1 && (event->modifiers() & Qt::ShiftModifier)) {
    RecomputeAll(false);
  } else if (key == Qt::Key_P) {
    RecomputeAll(true);
  } else if (key == Qt::Key_F12) {
    TakeFaculaeFromFile();
  } else if (key == Qt::Key_F8) {
    SaveCurrentDrawing();
  } else if (key == Qt::Key_F9) {
    ShowMagnetoUnderlay();
  } else if (key == Qt::Key_N) {
    ToggleNoaaRegions();
  } else if (key == Qt::Key_F) {
    emit PhotoWindowRequested();
  } else if (key == Qt::Key_S && (event->modifiers() & Qt::ControlModifier)) {
    ShowMergeBox();
  } else if (event->text() == "k") {
    CheckEqualDates();
  } else if (key == Qt::Key_Z) {
    m_view.LensesShown = true;
    update();
  } else if (event->key() == Qt::Key_V) {
    m_view.LensesShown = false;
    update();
  } else {
    QWidget::keyReleaseEvent(event);
  }
}

void DrawingWindow::closeEvent(QCloseEvent* event) {
  if (m_open)
    event->ignore();
  else
    event->accept();
}

}  // namespace ardeno
