// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/photo/photo_drawing_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>
#include <variant>

#include "core/entry/record_input.h"
#include "core/photo/photo_picture.h"
#include "core/text/number_format.h"
#include "ui/entry/record_editor.h"
#include "ui/graphs/mdi_child.h"
#include "ui/photo/magnifier_window.h"
#include "ui/photo/photo_canvas.h"
#include "ui/shell/jpeg_file.h"
#include "ui/shell/picture_files.h"

namespace ardeno {

namespace {

const QString kUnsetValue = QStringLiteral("000000");
QString CentreCaption() { return QCoreApplication::translate("Ardeno", "Střed"); }
QString NorthCaption() { return QCoreApplication::translate("Ardeno", "Sever"); }
QString AxisCaption() { return QCoreApplication::translate("Ardeno", "Osa Slunce"); }
QString AxisHint() {
  return QCoreApplication::translate("Ardeno", "Bod na ose rotace Slunce (místo severu)");
}
QString AlreadyCalibratedMessage() {
  return QCoreApplication::translate(
      "Ardeno", " Není nutné zadávání středu a sevsru . Hodnoty jsou již zadány.");
}
// The brightness is added to every colour byte; the contrast multiplies by position / 80.
constexpr int kBrightnessRange = 120;
constexpr int kContrastLeast = 20;
constexpr int kContrastMost = 240;
// The magnifier stands near the window's right edge.
constexpr int kMagnifierRightGap = 460;
constexpr int kMagnifierTop = 160;

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

PhotoDrawingWindow::PhotoDrawingWindow(AppContext& context, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_zoom(kZoomOneToOne) {
  setObjectName("TForm11");
  setWindowTitle(QCoreApplication::translate("Ardeno", "Měření fakulí"));

  m_canvas = new PhotoCanvas;
  m_scroll = new QScrollArea(this);
  m_scroll->setObjectName("ImageArea");
  m_scroll->setWidget(m_canvas);
  m_scroll->setWidgetResizable(false);
  m_scroll->setBackgroundRole(QPalette::Dark);
  m_scroll->horizontalScrollBar()->setObjectName("hory");
  m_scroll->verticalScrollBar()->setObjectName("very");
  connect(m_canvas, &PhotoCanvas::Pressed, this, &PhotoDrawingWindow::PicturePressed);
  connect(m_canvas, &PhotoCanvas::Released, this, &PhotoDrawingWindow::PictureReleased);
  connect(m_canvas, &PhotoCanvas::Moved, this, &PhotoDrawingWindow::PictureMoved);

  auto* middle = new QHBoxLayout;
  middle->addWidget(m_scroll, 1);
  auto* side = new QVBoxLayout;
  m_orientation = BuildOrientationBox();
  side->addWidget(m_orientation);
  m_faculaBox = BuildFaculaBox();
  side->addWidget(m_faculaBox);
  side->addStretch();
  middle->addLayout(side);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(BuildToolbar());
  layout->addLayout(middle, 1);
  m_groupBox = BuildGroupBox();
  layout->addWidget(m_groupBox);

  m_orientation->hide();
  m_faculaBox->hide();
  m_groupBox->hide();
  ResetEntry();
  ShowTargetRecord();
  connect(&m_ctx.Events, &DataEvents::DataChanged, this, [this] { ShowTargetRecord(); });
  resize(1200, 850);
}

PhotoDrawingWindow::~PhotoDrawingWindow() {
#ifdef ARDENO_WITH_VISION
  // A reading still running ends before the window it reports to (a second or two); its end is
  // then reported to no one, so its thread goes with the window.
  if (m_reading != nullptr) {
    m_reading->wait();
    delete m_reading;
  }
#endif
}

PhotoDrawingWindow* PhotoDrawingWindow::Open(AppContext& context, QWidget* mdiArea) {
  auto* area = qobject_cast<QMdiArea*>(mdiArea);
  auto* window = new PhotoDrawingWindow(context);
  if (area == nullptr) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
  }
  QMdiSubWindow* sub = AddAnalysisFrame(area, window);
  sub->move(0, 0);
  sub->resize(area->viewport()->size());
  sub->show();
  area->setActiveSubWindow(sub);
  return window;
}

// --- building ---

QWidget* PhotoDrawingWindow::BuildToolbar() {
  auto* bar = new QWidget(this);
  bar->setObjectName("Panel1");
  // Two rows, so that every caption stays whole on a 1024-pixel screen: the picture and the
  // entries above; the recognition, what is shown and where the entries go below.
  auto* rows = new QVBoxLayout(bar);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(2);
  auto* row = new QHBoxLayout;
  rows->addLayout(row);
  auto button = [bar, &row](const char* name, const QString& text, const QString& hint = {}) {
    auto* b = new QToolButton(bar);
    b->setObjectName(name);
    b->setText(text);
    if (!hint.isEmpty()) b->setToolTip(hint);
    row->addWidget(b);
    return b;
  };
  connect(button("Otevrit", QCoreApplication::translate("Ardeno", "Otevřít"),
                 QCoreApplication::translate("Ardeno", "Vybrat obrázek zákresu ")),
          &QToolButton::clicked, this, &PhotoDrawingWindow::ChoosePicture);
  connect(button("vet", "+", QCoreApplication::translate("Ardeno", "Zvětšit obrázek")),
          &QToolButton::clicked, this, &PhotoDrawingWindow::ZoomIn);
  connect(button("men", "-", QCoreApplication::translate("Ardeno", "Zmenšit obrázek")),
          &QToolButton::clicked, this, &PhotoDrawingWindow::ZoomOut);

  auto slider = [this, bar, row](const char* name, const QString& caption, int least, int most,
                                 int value) {
    row->addWidget(new QLabel(caption, bar));
    auto* s = new QScrollBar(Qt::Horizontal, bar);
    s->setObjectName(name);
    s->setRange(least, most);
    s->setValue(value);
    s->setFixedWidth(120);
    connect(s, &QScrollBar::valueChanged, this, &PhotoDrawingWindow::ApplyBrightnessContrast);
    row->addWidget(s);
    return s;
  };
  m_brightness = slider("jas", QCoreApplication::translate("Ardeno", "Jas "), -kBrightnessRange,
                        kBrightnessRange, 0);
  m_contrast = slider("kont", QCoreApplication::translate("Ardeno", "Kontr. "), kContrastLeast,
                      kContrastMost, kNeutralContrast);

  connect(button("novyzakres", QCoreApplication::translate("Ardeno", "Nový  zákres"),
                 QCoreApplication::translate(
                     "Ardeno", "Záhlaví nového zákresu; skupiny se pak zadají z obrázku")),
          &QToolButton::clicked, this, &PhotoDrawingWindow::NewDrawing);
  connect(button("param", QCoreApplication::translate("Ardeno", "Param- Fakule")),
          &QToolButton::clicked, this, &PhotoDrawingWindow::ShowFaculaBox);
  connect(button("paramskvr", QCoreApplication::translate("Ardeno", "Param skvrny")),
          &QToolButton::clicked, this, &PhotoDrawingWindow::ShowGroupBox);
  connect(button("Button2", QCoreApplication::translate("Ardeno", "Orientace zákresu")),
          &QToolButton::clicked, this,
          [this] { m_orientation->setVisible(!m_orientation->isVisible()); });
  row->addStretch();
  row = new QHBoxLayout;
  rows->addLayout(row);
#ifdef ARDENO_WITH_VISION
  m_recognize =
      button("rozpoznat", tr("Rozpoznat"),
             tr("Najde na obrázku kruh, sever a skvrny a navrhne skupiny pro vybraný zákres; "
                "klik pak skvrnu ubere nebo přidá, tažením se skvrna přesune do jiné "
                "skupiny nebo do vlastní, se Shiftem celá skupina"));
  connect(m_recognize, &QToolButton::clicked, this, &PhotoDrawingWindow::Recognize);
  m_solarAxisDrawn = new QCheckBox(tr("Osa Slunce"), bar);
  m_solarAxisDrawn->setObjectName("osanazakresu");
  m_solarAxisDrawn->setToolTip(
      tr("Čára nakreslená středem zákresu je osa rotace Slunce (označený konec je severní pól), "
         "ne čára sever-jih: Rozpoznat od jejího směru odečte P"));
  row->addWidget(m_solarAxisDrawn);
  m_writeProposed = button("zapisskupiny", tr("Zapiš skupiny"),
                           tr("Zapíše navržené skupiny do vybraného zákresu (typ potvrďte v "
                              "editoru)"));
  m_writeProposed->setEnabled(false);
  connect(m_writeProposed, &QToolButton::clicked, this, &PhotoDrawingWindow::WriteProposedGroups);
  m_undoCorrection =
      button("vratitopravu", tr("Vrátit opravu"),
             tr("Vrátí poslední opravu rozpoznání: přidanou nebo ubranou skvrnu, přesun skvrny "
                "nebo skupiny"));
  m_undoCorrection->setEnabled(false);
  connect(m_undoCorrection, &QToolButton::clicked, this, &PhotoDrawingWindow::UndoCorrection);
#endif
  m_showSelection = button("zobraz", QCoreApplication::translate("Ardeno", "Skrýt výběr"));
  connect(m_showSelection, &QToolButton::clicked, this, [this] {
    const bool shown = !m_canvas->OverlayShown();
    m_canvas->SetOverlayShown(shown);
    m_showSelection->setText(shown ? QCoreApplication::translate("Ardeno", "Skrýt výběr")
                                   : QCoreApplication::translate("Ardeno", "Zobrazit výběr"));
  });
  m_magnifierButton = button("lupe", QCoreApplication::translate("Ardeno", "Lupa"),
                             QCoreApplication::translate("Ardeno", "Lupa u ukazatele myši"));
  m_magnifierButton->setCheckable(true);
  connect(m_magnifierButton, &QToolButton::toggled, this, [this](bool on) {
    if (on) {
      ShowMagnifier(true);
    } else if (m_pick == Pick::None && m_magnifier) {
      m_magnifier->close();
      m_magnifierFollows = false;
    }
  });
  row->addSpacing(12);
  m_angleLabel = new QLabel(bar);
  m_angleLabel->setObjectName("Label1");
  m_angleLabel->setMinimumWidth(60);
  row->addWidget(m_angleLabel);
  m_distanceLabel = new QLabel(bar);
  m_distanceLabel->setObjectName("Label12");
  m_distanceLabel->setMinimumWidth(50);
  row->addWidget(m_distanceLabel);
  row->addStretch();
  m_targetLabel = new QLabel(bar);
  m_targetLabel->setObjectName("Label10");
  row->addWidget(m_targetLabel);
  connect(button("SpeedButton1", "X", QCoreApplication::translate("Ardeno", "Zavřít")),
          &QToolButton::clicked, this, [this] { CloseWithFrame(this); });
  return bar;
}

QGroupBox* PhotoDrawingWindow::BuildOrientationBox() {
  auto* box = new QGroupBox(QCoreApplication::translate("Ardeno", "Orientace zákresu"), this);
  box->setObjectName("orientace");
  auto* column = new QVBoxLayout(box);
  auto* horizontal = new QPushButton(QCoreApplication::translate("Ardeno", "Horizontálně"), box);
  horizontal->setObjectName("horizontalne");
  auto* vertical = new QPushButton(QCoreApplication::translate("Ardeno", "Vertikálně"), box);
  vertical->setObjectName("vertikalne");
  column->addWidget(horizontal);
  column->addWidget(vertical);
  connect(horizontal, &QPushButton::clicked, this, [this] { MirrorPicture(true); });
  connect(vertical, &QPushButton::clicked, this, [this] { MirrorPicture(false); });
  return box;
}

PhotoDrawingWindow::CalibrationButtons PhotoDrawingWindow::BuildCalibrationButtons(
    QWidget* box, const char* centre, const char* north, const char* axis, const char* centreLabel,
    const char* valueLabel) {
  CalibrationButtons b;
  b.Centre = new QPushButton(CentreCaption(), box);
  b.Centre->setObjectName(centre);
  b.Centre->setToolTip(QCoreApplication::translate("Ardeno", "Určení středu"));
  b.Centre->setCheckable(true);
  b.North = new QPushButton(NorthCaption(), box);
  b.North->setObjectName(north);
  b.North->setToolTip(QCoreApplication::translate("Ardeno", "Určení severu "));
  b.North->setCheckable(true);
  b.Axis = new QPushButton(AxisCaption(), box);
  b.Axis->setObjectName(axis);
  b.Axis->setToolTip(AxisHint());
  b.Axis->setCheckable(true);
  b.CentreLabel = new QLabel(kUnsetValue, box);
  b.CentreLabel->setObjectName(centreLabel);
  b.ValueLabel = new QLabel(kUnsetValue, box);
  b.ValueLabel->setObjectName(valueLabel);
  connect(b.Centre, &QPushButton::clicked, this, &PhotoDrawingWindow::MarkCentre);
  connect(b.North, &QPushButton::clicked, this, &PhotoDrawingWindow::MarkNorth);
  connect(b.Axis, &QPushButton::clicked, this, &PhotoDrawingWindow::MarkAxis);
  return b;
}

// --- the picture ---

void PhotoDrawingWindow::ChoosePicture() {
  const std::optional<QString> name = m_ctx.Dialogs.OpenFileName(
      this, QCoreApplication::translate("Ardeno", "Vybrat obrázek zákresu"),
      PathText(m_ctx.ProgDir),
      QCoreApplication::translate("Ardeno",
                                  "Obrázky JPG (*.jpg *.jpeg *.JPG *.JPEG);;Všechny soubory (*)"));
  if (name) OpenPicture(PathFromText(*name));
}

bool PhotoDrawingWindow::OpenPicture(const std::filesystem::path& file) {
  std::variant<QImage, QString> read = ReadJpegFile(file);
  if (const QString* error = std::get_if<QString>(&read)) {
    m_ctx.Msg.ShowMessageText(*error);
    return false;
  }
  QImage picture = std::get<QImage>(std::move(read));
  m_photoDate = PhotoTakenDateOfFile(file);
  const PictureSize size =
      WorkingPictureSize(picture.width(), picture.height(), m_scroll->viewport()->width());
  if (size.Width != picture.width() || size.Height != picture.height())
    picture =
        picture.scaled(size.Width, size.Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  m_loaded = picture.convertToFormat(QImage::Format_RGB888);
  ResetEntry();
  ApplyBrightnessContrast();
  m_scroll->horizontalScrollBar()->setValue(0);
  m_scroll->verticalScrollBar()->setValue(0);
  return true;
}

void PhotoDrawingWindow::ResetEntry() {
  m_calibration = {};
  m_hasCentre = false;
  m_pick = Pick::None;
  m_outlines.Clear();
  m_rowPixels = {};
  for (CalibrationButtons* b : {&m_faculaCalibration, &m_groupCalibration}) {
    b->CentreLabel->setText(kUnsetValue);
    b->ValueLabel->setText(kUnsetValue);
    b->North->setEnabled(false);
    b->Axis->setEnabled(false);
  }
  m_vertexTable->clearContents();
  m_vertexLabel->clear();
  RebuildOverlay();
}

void PhotoDrawingWindow::ApplyBrightnessContrast() {
  if (m_loaded.isNull()) return;
  const ByteTable table = BrightnessContrastTable(m_brightness->value(), m_contrast->value());
  m_shown = m_loaded.copy();
  const int rowBytes = m_shown.width() * 3;
  for (int y = 0; y < m_shown.height(); ++y) {
    uchar* row = m_shown.scanLine(y);
    for (int i = 0; i < rowBytes; ++i) row[i] = table[row[i]];
  }
  m_canvas->SetPicture(m_shown);
}

void PhotoDrawingWindow::ZoomIn() {
  m_zoom = ::ardeno::ZoomIn(m_zoom);
  m_canvas->SetZoom(m_zoom);
}

void PhotoDrawingWindow::ZoomOut() {
  m_zoom = ::ardeno::ZoomOut(m_zoom);
  m_canvas->SetZoom(m_zoom);
}

void PhotoDrawingWindow::MirrorPicture(bool horizontally) {
  if (m_loaded.isNull()) return;
  m_loaded = m_loaded.mirrored(horizontally, !horizontally);
  // Points clicked on the picture before no longer lie where they were marked.
  ResetEntry();
  ApplyBrightnessContrast();
}

void PhotoDrawingWindow::NewDrawing() {
  m_ctx.View.PhotoEntryFlag = 1;
  RecordEditor::Run(m_ctx, EditorMode::NewDrawing, m_ctx.Frame != nullptr ? m_ctx.Frame : this);
}

// --- calibration ---

void PhotoDrawingWindow::MarkCentre() {
  CalibrationButtons& b = m_entry == Entry::Groups ? m_groupCalibration : m_faculaCalibration;
  if (m_calibration.IsCalibrated()) {
    b.Centre->setChecked(false);
    m_ctx.Msg.ShowMessageText(AlreadyCalibratedMessage());
    return;
  }
  m_pick = Pick::Centre;
  b.Centre->setChecked(true);
  b.Centre->setText(m_entry == Entry::Groups
                        ? QCoreApplication::translate("Ardeno", "Označ střed")
                        : QCoreApplication::translate("Ardeno", "Vyber polohu středu"));
  ShowMagnifier(true);
}

void PhotoDrawingWindow::MarkNorth() {
  CalibrationButtons& b = m_entry == Entry::Groups ? m_groupCalibration : m_faculaCalibration;
  m_pick = Pick::North;
  b.North->setChecked(true);
  b.North->setText(m_entry == Entry::Groups
                       ? QCoreApplication::translate("Ardeno", "Označ sever")
                       : QCoreApplication::translate("Ardeno", "Severní okraj"));
  ShowMagnifier(true);
}

void PhotoDrawingWindow::MarkAxis() {
  CalibrationButtons& b = m_entry == Entry::Groups ? m_groupCalibration : m_faculaCalibration;
  m_pick = Pick::Axis;
  b.Axis->setChecked(true);
  m_ctx.Msg.ShowMessageText(QString::fromStdString(CoreText("PhotoEntry", kRecordFirstMessage)));
  ShowMagnifier(true);
}

bool PhotoDrawingWindow::TakeCalibrationClick(QPoint pixel) {
  switch (m_pick) {
    case Pick::None:
      return false;
    case Pick::Centre:
      m_calibration.CentreX = pixel.x();
      m_calibration.CentreY = pixel.y();
      m_hasCentre = true;
      for (CalibrationButtons* b : {&m_faculaCalibration, &m_groupCalibration}) {
        b->North->setEnabled(true);
        b->Axis->setEnabled(true);
      }
      EndPick();
      return true;
    case Pick::North:
      m_calibration =
          CalibrateByNorth(m_calibration.CentreX, m_calibration.CentreY, pixel.x(), pixel.y());
      m_northPixel = pixel;
      EndPick();
      return true;
    case Pick::Axis: {
      const Database& db = m_ctx.Db;
      const std::optional<SolarEphemeris> eph =
          db.HasCurrentRecord() ? RecordEphemeris(db.Record(db.CurrentIndex)) : std::nullopt;
      if (!eph) {
        // Without the drawing's moment there is no position angle to take off.
        m_ctx.Msg.ShowMessageText(
            QString::fromStdString(CoreText("PhotoEntry", kRecordFirstMessage)));
        return true;
      }
      m_calibration =
          CalibrateByAxis(m_calibration.CentreX, m_calibration.CentreY, pixel.x(), pixel.y(), *eph);
      m_northPixel = pixel;
      EndPick();
      return true;
    }
  }
  return false;
}

void PhotoDrawingWindow::EndPick() {
  const bool calibrating = m_pick != Pick::Centre;
  m_pick = Pick::None;
  for (CalibrationButtons* b : {&m_faculaCalibration, &m_groupCalibration}) {
    b->Centre->setText(CentreCaption());
    b->North->setText(NorthCaption());
    for (QPushButton* button : {b->Centre, b->North, b->Axis}) button->setChecked(false);
  }
  UpdateCalibrationLabels();
  if (calibrating && !m_magnifierButton->isChecked() && m_magnifier) {
    m_magnifier->close();
    m_magnifierFollows = false;
  }
  RebuildOverlay();
}

void PhotoDrawingWindow::UpdateCalibrationLabels() {
  const QString centre = m_hasCentre ? QCoreApplication::translate("Ardeno", "x=%1   y=%2")
                                           .arg(m_calibration.CentreX)
                                           .arg(m_calibration.CentreY)
                                     : kUnsetValue;
  const QString value = m_calibration.IsCalibrated()
                            ? Q(FormatFloat("000.0000", m_calibration.Radius)) + "  " +
                                  Q(FormatFloat("000.0000", m_calibration.Rotation))
                            : kUnsetValue;
  for (CalibrationButtons* b : {&m_faculaCalibration, &m_groupCalibration}) {
    b->CentreLabel->setText(centre);
    b->ValueLabel->setText(value);
  }
}

void PhotoDrawingWindow::ShowTargetRecord() {
  const Database& db = m_ctx.Db;
  m_targetLabel->setText(db.HasCurrentRecord()
                             ? QCoreApplication::translate("Ardeno", "Zápis do zákresu ") +
                                   Q(db.Record(db.CurrentIndex).Date())
                             : QCoreApplication::translate("Ardeno", "Není vybrán zákres"));
}

// --- mouse ---

void PhotoDrawingWindow::PicturePressed(QPoint pixel, Qt::MouseButton button) {
  if (m_loaded.isNull()) return;
  if (button == Qt::LeftButton && TakeCalibrationClick(pixel)) {
    m_swallowRelease = true;
    return;
  }
  if (button == Qt::RightButton && m_entry == Entry::Faculae) StartOutline(pixel);
  if (button == Qt::LeftButton && m_entry == Entry::Groups) TakeGroupPoint(pixel);
  // Outside an entry a click or a drag corrects the recognition, on the release.
  if (button == Qt::LeftButton && m_entry == Entry::None && m_recognition.HasReading())
    m_correctionFrom = pixel;
}

void PhotoDrawingWindow::PictureReleased(QPoint pixel, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
#ifdef ARDENO_WITH_VISION
  if (const std::optional<QPoint> from = std::exchange(m_correctionFrom, std::nullopt)) {
    CorrectRecognition(*from, pixel);
    return;
  }
#endif
  if (m_swallowRelease) {
    // The release of a calibration click adds no vertex.
    m_swallowRelease = false;
    return;
  }
  if (m_entry == Entry::Faculae && m_outlines.Active()) AddOutlineVertex(pixel);
}

void PhotoDrawingWindow::PictureMoved(QPoint pixel) {
  if (m_magnifierFollows) UpdateMagnifier(pixel);
  if (!m_calibration.IsCalibrated() || m_entry == Entry::None) return;
  const PhotoPoint point = PixelToDrawing(m_calibration, pixel.x(), pixel.y());
  m_angleLabel->setText(Q(FormatFloat("0.0", point.Angle)) + QStringLiteral("°"));
  m_distanceLabel->setText(Q(FormatFloat("0.0", point.DistanceMm)));
}

void PhotoDrawingWindow::ShowMagnifier(bool following) {
  if (!m_magnifier) m_magnifier = new MagnifierWindow(this);
  const QPoint topLeft =
      mapToGlobal(QPoint(std::max(0, width() - kMagnifierRightGap), kMagnifierTop));
  m_magnifier->move(topLeft);
  m_magnifier->show();
  m_magnifierFollows = following;
}

void PhotoDrawingWindow::UpdateMagnifier(QPoint pixel) {
  if (!m_magnifier || m_shown.isNull()) return;
  const PictureRegion region =
      MagnifiedRegion(pixel.x(), pixel.y(), {m_shown.width(), m_shown.height()});
  const QImage part = m_shown.copy(region.Left, region.Top, region.Side, region.Side);
  m_magnifier->ShowRegion(part.scaled(region.Side * kMagnifierZoom, region.Side * kMagnifierZoom),
                          !m_magnifierButton->isChecked());
}

void PhotoDrawingWindow::RebuildOverlay() {
  PhotoOverlay overlay;
  overlay.HasCentre = m_hasCentre;
  overlay.Centre = QPoint(m_calibration.CentreX, m_calibration.CentreY);
  overlay.HasNorth = m_calibration.IsCalibrated();
  overlay.North = m_northPixel;
  overlay.LineWidth = m_lineWidth->checkedId() > 0 ? m_lineWidth->checkedId() : 1;
  for (int field = 1; field <= kMaxFaculae; ++field) {
    QPolygon outline;
    for (int vertex = 1; vertex <= kFaculaVertices; ++vertex) {
      const OutlinePixel& p = m_outlines.Vertex(field, vertex);
      if (p.Set) outline << QPoint(p.X, p.Y);
    }
    if (!outline.isEmpty()) overlay.Outlines.push_back(outline);
  }
  const char* pointNames[] = {"", " 1V", " 2V"};
  auto addSpots = [&](const QString& sequence, const std::array<std::optional<QPoint>, 3>& pixels) {
    for (std::size_t i = 0; i < pixels.size(); ++i)
      if (pixels[i]) overlay.Spots.push_back({*pixels[i], sequence + pointNames[i]});
  };
  for (const auto& [sequence, pixels] : m_pendingPixels)
    addSpots(QString::number(sequence), pixels);
  addSpots(QString::number(m_groupSequence->value()), m_rowPixels);
  // The recognized spots, each named by the group proposed for it ("R3": group 3).
  const std::vector<int> groupOf = m_recognition.GroupOfSpots();
  for (std::size_t i = 0; i < groupOf.size(); ++i)
    overlay.Spots.push_back(
        {m_recognition.Spots()[i].Pixel, QStringLiteral("R%1").arg(groupOf[i])});
  if (m_recognition.HasReading() && !m_hasCentre) {
    overlay.HasCentre = true;
    overlay.Centre = QPoint(m_recognition.Disk().CentreX, m_recognition.Disk().CentreY);
  }
  m_canvas->SetOverlay(std::move(overlay));
}

void PhotoDrawingWindow::closeEvent(QCloseEvent* event) {
  if (m_magnifier) m_magnifier->close();
  if (m_area) m_area->close();
  event->accept();
}

}  // namespace ardeno
