// SPDX-License-Identifier: GPL-3.0-or-later
// The two entry boxes of the photographed drawing: facular outlines ("Zadávání fakulí") and
// groups with their auxiliary spots ("Měření skupin"), and how each ends in the current record.
#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <variant>

#include "core/text/number_format.h"
#include "ui/photo/photo_canvas.h"
#include "ui/photo/photo_drawing_window.h"

namespace ardeno {

namespace {

QString CalibrateFirstMessage() {
  return QCoreApplication::translate(
      "Ardeno", "Nejprve je třeba označit na obrázku střed a sever (nebo osu Slunce).");
}
QString NoGroupWrittenMessage() {
  return QCoreApplication::translate("Ardeno", "Nebyla zapsána žádná skupina, záznam se nemění.");
}
QString NoOutlineMessage() {
  return QCoreApplication::translate("Ardeno", "Nebyl zadán žádný obrys fakule, záznam se nemění.");
}
QString SequenceZeroMessage() {
  return QCoreApplication::translate("Ardeno", "Pořadové číslo skupiny je nula");
}
QString PositionFirstMessage() {
  return QCoreApplication::translate(
      "Ardeno", "Prvně je třeba zadat souřadnice skvrny\r              nebo druhotné skvrny !");
}
QString GridHint() {
  return QCoreApplication::translate("Ardeno", "Souřadnice se zadají kliknutím na zákres");
}
QString AreaHint() {
  return QCoreApplication::translate("Ardeno", "Hodnota plochy se zadává v mm^2 na průměr zakresu");
}
QString WriteCaption() { return QCoreApplication::translate("Ardeno", "Zapiš skupinu"); }
QString MeasureCaption() { return QCoreApplication::translate("Ardeno", "Měřeni plochy skupiny"); }
QString FaculaHelp() {
  return QCoreApplication::translate(
      "Ardeno",
      "Nejprve Střed a Sever (nebo bod na ose Slunce). Pak zvol číslo fakule, pravým tlačítkem "
      "myši označ první bod obrysu a levým další body (nejvýše 6). \"Konec zadání fakulí\" zapíše "
      "obrysy do vybraného zákresu.");
}

const char* const kGridTitles[kPhotoGridColumns] = {
    QT_TRANSLATE_NOOP("Ardeno", "Typ skup"),     QT_TRANSLATE_NOOP("Ardeno", "Skvrn"),
    QT_TRANSLATE_NOOP("Ardeno", "Penumb."),      QT_TRANSLATE_NOOP("Ardeno", "Hlavní uhl."),
    QT_TRANSLATE_NOOP("Ardeno", "Hlavní vzd."),  QT_TRANSLATE_NOOP("Ardeno", "Hlavní Plo."),
    QT_TRANSLATE_NOOP("Ardeno", "Malé skvr."),   QT_TRANSLATE_NOOP("Ardeno", "Č. skup"),
    QT_TRANSLATE_NOOP("Ardeno", "Č. rot. skup"), QT_TRANSLATE_NOOP("Ardeno", "1.ved uhl."),
    QT_TRANSLATE_NOOP("Ardeno", "1.ved vzd."),   QT_TRANSLATE_NOOP("Ardeno", "1.ved Plo."),
    QT_TRANSLATE_NOOP("Ardeno", "2.ved uhl."),   QT_TRANSLATE_NOOP("Ardeno", "2.ved vzd."),
    QT_TRANSLATE_NOOP("Ardeno", "2.ved Plo.")};
// Angle column of the group and of the two auxiliary spots.
constexpr int kPointAngleColumn[3] = {kColAngle, kColAux1Angle, kColAux2Angle};
constexpr int kPointAreaColumn[3] = {kColArea, kColAux1Area, kColAux2Area};

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QGroupBox* PhotoDrawingWindow::BuildFaculaBox() {
  auto* box = new QGroupBox(QCoreApplication::translate("Ardeno", "Zadávání fakulí"), this);
  box->setObjectName("box");
  box->setFixedWidth(250);
  m_faculaCalibration =
      BuildCalibrationButtons(box, "stredovv", "severr", "dennipf", "Label2", "Label3");
  auto* grid = new QGridLayout(box);
  grid->addWidget(m_faculaCalibration.Centre, 0, 0);
  grid->addWidget(m_faculaCalibration.North, 0, 1);
  grid->addWidget(m_faculaCalibration.Axis, 1, 0, 1, 2);
  grid->addWidget(m_faculaCalibration.CentreLabel, 2, 0, 1, 2);
  grid->addWidget(m_faculaCalibration.ValueLabel, 3, 0, 1, 2);

  grid->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Číslo fakule"), box), 4, 0);
  m_faculaNumber = new QSpinBox(box);
  m_faculaNumber->setObjectName("SpinEdit1");
  m_faculaNumber->setRange(0, 99);
  m_faculaNumber->setValue(1);
  connect(m_faculaNumber, &QSpinBox::valueChanged, this, [this](int number) {
    if (number > kMaxFaculae) {
      m_ctx.Msg.ShowMessageText(
          QString::fromStdString(CoreText("PhotoEntry", kTooManyFaculaeMessage)));
      m_faculaNumber->setValue(kMaxFaculae);
    }
  });
  grid->addWidget(m_faculaNumber, 4, 1);

  m_vertexTable = new QTableWidget(kFaculaVertices, 3, box);
  m_vertexTable->setObjectName("tabxy");
  m_vertexTable->setHorizontalHeaderLabels({QCoreApplication::translate("Ardeno", "Bod"),
                                            QCoreApplication::translate("Ardeno", "Úhel"),
                                            QCoreApplication::translate("Ardeno", "Vzd.")});
  m_vertexTable->verticalHeader()->hide();
  m_vertexTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_vertexTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  m_vertexTable->setFixedHeight(
      m_vertexTable->horizontalHeader()->sizeHint().height() +
      kFaculaVertices * m_vertexTable->verticalHeader()->defaultSectionSize() + 4);
  grid->addWidget(m_vertexTable, 5, 0, 1, 2);
  m_vertexLabel = new QLabel(box);
  m_vertexLabel->setObjectName("Label8");
  grid->addWidget(m_vertexLabel, 6, 0, 1, 2);

  auto* widths = new QGroupBox(QCoreApplication::translate("Ardeno", "Čára"), box);
  widths->setObjectName("RadioGroup1");
  auto* widthRow = new QHBoxLayout(widths);
  m_lineWidth = new QButtonGroup(this);
  for (int w = 1; w <= 3; ++w) {
    auto* item = new QRadioButton(QString::number(w), widths);
    item->setChecked(w == 1);
    m_lineWidth->addButton(item, w);
    widthRow->addWidget(item);
  }
  connect(m_lineWidth, &QButtonGroup::idClicked, this, [this] { RebuildOverlay(); });
  grid->addWidget(widths, 7, 0, 1, 2);

  auto* end = new QPushButton(QCoreApplication::translate("Ardeno", "Konec zadání fakulí"), box);
  end->setObjectName("konec");
  connect(end, &QPushButton::clicked, this, &PhotoDrawingWindow::EndFaculae);
  grid->addWidget(end, 8, 0, 1, 2);
  auto* help = new QToolButton(box);
  help->setObjectName("SpeedButton2");
  help->setText("?");
  connect(help, &QToolButton::clicked, this, [this] { m_ctx.Msg.ShowMessageText(FaculaHelp()); });
  grid->addWidget(help, 9, 0);
  return box;
}

QGroupBox* PhotoDrawingWindow::BuildGroupBox() {
  auto* box = new QGroupBox(QCoreApplication::translate("Ardeno", "Měření skupin"), this);
  box->setObjectName("boxsk");
  m_groupCalibration =
      BuildCalibrationButtons(box, "stredsk", "seversk", "Dennip", "Label4", "Label5");
  auto* calibration = new QGridLayout;
  calibration->addWidget(m_groupCalibration.Centre, 0, 0);
  calibration->addWidget(m_groupCalibration.North, 0, 1);
  calibration->addWidget(m_groupCalibration.Axis, 1, 0, 1, 2);
  calibration->addWidget(m_groupCalibration.CentreLabel, 2, 0, 1, 2);
  calibration->addWidget(m_groupCalibration.ValueLabel, 3, 0, 1, 2);

  auto* entry = new QGroupBox(QCoreApplication::translate("Ardeno", "Zadání skupiny"), box);
  entry->setObjectName("GroupBox1");
  auto* entryGrid = new QGridLayout(entry);
  entryGrid->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Pořadí skupiny"), entry),
                       0, 0);
  m_groupSequence = new QSpinBox(entry);
  m_groupSequence->setObjectName("SpinEdit2");
  m_groupSequence->setRange(0, 99);
  m_groupSequence->setValue(1);
  connect(m_groupSequence, &QSpinBox::valueChanged, this, &PhotoDrawingWindow::SequenceChanged);
  entryGrid->addWidget(m_groupSequence, 0, 1);

  auto* points = new QGroupBox(entry);
  points->setObjectName("jaka");
  points->setToolTip(
      QCoreApplication::translate("Ardeno", "Zvolit  H -hlavní  1. vedlejší  2. vedlejší"));
  auto* pointRow = new QHBoxLayout(points);
  pointRow->setContentsMargins(4, 0, 4, 0);
  m_pointChoice = new QButtonGroup(this);
  const char* pointNames[] = {"H", "1V", "2V"};
  for (int i = 0; i < 3; ++i) {
    auto* item = new QRadioButton(QString::fromUtf8(pointNames[i]), points);
    item->setChecked(i == 0);
    m_pointChoice->addButton(item, i);
    pointRow->addWidget(item);
  }
  connect(m_pointChoice, &QButtonGroup::idClicked, this, &PhotoDrawingWindow::PointChosen);
  entryGrid->addWidget(points, 0, 2);
  m_gridHint = new QLabel(entry);
  m_gridHint->setObjectName("Label9");
  entryGrid->addWidget(m_gridHint, 0, 3, 1, 2);

  m_groupGrid = new QTableWidget(1, kPhotoGridColumns, entry);
  m_groupGrid->setObjectName("jinak");
  for (int c = 1; c <= kPhotoGridColumns; ++c) {
    auto* title = new QTableWidgetItem(QCoreApplication::translate("Ardeno", kGridTitles[c - 1]));
    if (c == kColArea || c == kColAux1Area || c == kColAux2Area) title->setToolTip(AreaHint());
    m_groupGrid->setHorizontalHeaderItem(c - 1, title);
    m_groupGrid->setItem(0, c - 1, new QTableWidgetItem);
  }
  m_groupGrid->verticalHeader()->hide();
  m_groupGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_groupGrid->setFixedHeight(m_groupGrid->horizontalHeader()->sizeHint().height() +
                              m_groupGrid->verticalHeader()->defaultSectionSize() + 22);
  connect(m_groupGrid, &QTableWidget::currentCellChanged, this, [this](int, int column) {
    m_gridHint->setText(GridHint());
    if (const std::optional<int> point = PointOfColumn(column + 1))
      m_pointChoice->button(*point)->setChecked(true);
  });
  connect(m_groupGrid, &QTableWidget::itemChanged, this,
          [this] { m_writeGroup->setText(WriteCaption()); });
  entryGrid->addWidget(m_groupGrid, 1, 0, 1, 5);

  m_writeGroup = new QPushButton(WriteCaption(), entry);
  m_writeGroup->setObjectName("zapskvrnu");
  connect(m_writeGroup, &QPushButton::clicked, this, &PhotoDrawingWindow::WriteGroup);
  entryGrid->addWidget(m_writeGroup, 2, 0, 1, 2);
  m_measure = new QPushButton(MeasureCaption(), entry);
  m_measure->setObjectName("merplochy");
  connect(m_measure, &QPushButton::clicked, this, &PhotoDrawingWindow::MeasureArea);
  entryGrid->addWidget(m_measure, 2, 2, 1, 2);

  auto* end = new QPushButton(QCoreApplication::translate("Ardeno", "Konec zadávání skvrn"), box);
  end->setObjectName("konskvr");
  connect(end, &QPushButton::clicked, this, &PhotoDrawingWindow::EndGroups);

  auto* row = new QHBoxLayout(box);
  row->addLayout(calibration);
  row->addWidget(entry, 1);
  row->addWidget(end, 0, Qt::AlignBottom);
  return box;
}

void PhotoDrawingWindow::ShowFaculaBox() {
  m_entry = Entry::Faculae;
  m_groupBox->hide();
  m_faculaBox->show();
}

void PhotoDrawingWindow::ShowGroupBox() {
  m_entry = Entry::Groups;
  m_faculaBox->hide();
  m_groupBox->show();
}

// --- faculae ---

void PhotoDrawingWindow::StartOutline(QPoint pixel) {
  const int field = m_faculaNumber->value();
  if (const std::optional<std::string> refusal = CheckFaculaNumber(field)) {
    m_ctx.Msg.ShowMessageText(Q(*refusal));
    return;
  }
  if (!m_calibration.IsCalibrated()) {
    m_ctx.Msg.ShowMessageText(CalibrateFirstMessage());
    return;
  }
  m_outlines.Start(field, pixel.x(), pixel.y());
  m_vertexTable->clearContents();
  const PhotoPoint point = PixelToDrawing(m_calibration, pixel.x(), pixel.y());
  m_vertexTable->setItem(0, 0, new QTableWidgetItem("1"));
  m_vertexTable->setItem(0, 1, new QTableWidgetItem(QString::number(point.AngleDegrees)));
  m_vertexTable->setItem(0, 2, new QTableWidgetItem(Q(FormatFloat("#0.0", point.DistanceMm))));
  m_vertexLabel->setText(QCoreApplication::translate("Ardeno", "1  č.bodu"));
  RebuildOverlay();
}

void PhotoDrawingWindow::AddOutlineVertex(QPoint pixel) {
  const int vertex = m_outlines.NextVertex();
  if (vertex > kFaculaVertices) {
    m_vertexLabel->setText(QString::fromStdString(CoreText("PhotoEntry", kMaxVerticesText)));
    m_ctx.Msg.ShowMessageText(QString::fromStdString(CoreText("PhotoEntry", kMaxVerticesText)));
    return;
  }
  const PhotoPoint point = PixelToDrawing(m_calibration, pixel.x(), pixel.y());
  // Outside the marked disk the point is on no drawing at all, whatever the paper's radius.
  if (point.PixelDistance > m_calibration.Radius) {
    m_ctx.Msg.ShowMessageText(
        QString::fromStdString(CoreText("PhotoEntry", kBeyondDrawingRadiusMessage)));
    return;
  }
  m_outlines.AddVertex(pixel.x(), pixel.y());
  m_vertexTable->setItem(vertex - 1, 0, new QTableWidgetItem(QString::number(vertex)));
  m_vertexTable->setItem(vertex - 1, 1, new QTableWidgetItem(QString::number(point.AngleDegrees)));
  m_vertexTable->setItem(vertex - 1, 2,
                         new QTableWidgetItem(Q(FormatFloat("#0.0", point.DistanceMm))));
  m_vertexLabel->setText(QString::number(vertex) +
                         QCoreApplication::translate("Ardeno", "  č.bodu"));
  RebuildOverlay();
}

void PhotoDrawingWindow::EndFaculae() {
  Database& db = m_ctx.Db;
  if (!db.HasCurrentRecord()) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(CoreText("PhotoEntry", kRecordFirstMessage)));
    return;
  }
  const auto words = m_calibration.IsCalibrated()
                         ? OutlineVertexWords(m_outlines, m_calibration)
                         : std::array<std::optional<VertexWords>, kMaxFaculae>{};
  const bool anyOutline =
      std::any_of(words.begin(), words.end(), [](const auto& field) { return field.has_value(); });
  if (!anyOutline) {
    // Ending without a single outline would only overwrite the record's facula count.
    m_ctx.Msg.ShowMessageText(NoOutlineMessage());
    return;
  }
  if (!PhotoDayAgreed()) return;
  ObservationRecord record = db.Record(db.CurrentIndex);
  StoreOutlines(record, words, m_faculaNumber->value());
  db.Record(db.CurrentIndex) = record;
  db.WorkRecord = record;
  db.DataChanged = true;
  m_faculaNumber->setValue(1);
  m_outlines.Clear();
  m_vertexTable->clearContents();
  m_vertexLabel->clear();
  RebuildOverlay();
  m_ctx.RecordsEdited(EditKind::PhotoFaculae, record.Date());
}

bool PhotoDrawingWindow::PhotoDayAgreed() {
  const Database& db = m_ctx.Db;
  const std::optional<std::string> question =
      OtherDayQuestion(m_photoDate, db.Record(db.CurrentIndex).Date());
  return !question || m_ctx.Msg.AskChoice(Q(*question));
}

// --- groups ---

std::optional<int> PhotoDrawingWindow::PointOfColumn(int column) {
  if (column >= kColAngle && column <= kColArea) return 0;
  if (column >= kColAux1Angle && column <= kColAux1Area) return 1;
  if (column >= kColAux2Angle && column <= kColAux2Area) return 2;
  return std::nullopt;
}

GroupGridRow PhotoDrawingWindow::GridRow() const {
  GroupGridRow row{};
  for (int c = 1; c <= kPhotoGridColumns; ++c) {
    const QTableWidgetItem* item = m_groupGrid->item(0, c - 1);
    row[static_cast<std::size_t>(c)] = item != nullptr ? item->text().trimmed().toStdString() : "";
  }
  return row;
}

void PhotoDrawingWindow::SetGridText(int column, const QString& text) {
  m_groupGrid->item(0, column - 1)->setText(text);
}

void PhotoDrawingWindow::SequenceChanged(int sequence) {
  if (const std::optional<std::string> refusal = CheckGroupSequence(sequence)) {
    m_ctx.Msg.ShowMessageText(Q(*refusal));
    m_groupSequence->setValue(kMaxGroups);
    return;
  }
  // A new group starts from an empty row.
  for (int c = 1; c <= kPhotoGridColumns; ++c) SetGridText(c, {});
  m_rowPixels = {};
  m_writeGroup->setText(WriteCaption());
  RebuildOverlay();
}

void PhotoDrawingWindow::PointChosen(int point) {
  m_groupGrid->setCurrentCell(0, kPointAngleColumn[point] - 1);
}

void PhotoDrawingWindow::TakeGroupPoint(QPoint pixel) {
  if (m_groupSequence->value() < 1 || m_area) return;
  if (!m_calibration.IsCalibrated()) {
    m_ctx.Msg.ShowMessageText(CalibrateFirstMessage());
    return;
  }
  const int point = PointOfColumn(m_groupGrid->currentColumn() + 1)
                        .value_or(std::max(0, m_pointChoice->checkedId()));
  const PhotoPoint at = PixelToDrawing(m_calibration, pixel.x(), pixel.y());
  if (at.PixelDistance > m_calibration.Radius) {
    m_ctx.Msg.ShowMessageText(
        QString::fromStdString(CoreText("PhotoEntry", kSpotBeyondRadiusMessage)));
    return;
  }
  const int angleColumn = kPointAngleColumn[point];
  SetGridText(angleColumn, Q(FormatFloat("0.0", at.Angle)));
  SetGridText(angleColumn + 1, Q(FormatFloat("0.0", at.DistanceMm)));
  m_rowPixels[static_cast<std::size_t>(point)] = pixel;
  RebuildOverlay();
}

void PhotoDrawingWindow::WriteGroup() {
  const int sequence = m_groupSequence->value();
  if (sequence < 1) {
    m_ctx.Msg.ShowMessageText(SequenceZeroMessage());
    return;
  }
  std::variant<PendingGroup, std::string> read = ReadPendingGroup(GridRow());
  if (const std::string* refusal = std::get_if<std::string>(&read)) {
    m_ctx.Msg.ShowMessageText(Q(*refusal));
    return;
  }
  m_pending[sequence] = std::get<PendingGroup>(std::move(read));
  m_pendingPixels[sequence] = m_rowPixels;
  m_writeGroup->setText(QCoreApplication::translate("Ardeno", "Zapsano"));
  RebuildOverlay();
}

void PhotoDrawingWindow::MeasureArea() {
  if (m_area) {
    m_area->raise();
    return;
  }
  const int point = PointOfColumn(m_groupGrid->currentColumn() + 1)
                        .value_or(std::max(0, m_pointChoice->checkedId()));
  const std::optional<QPoint> pixel = m_rowPixels[static_cast<std::size_t>(point)];
  if (!pixel || !m_calibration.IsCalibrated()) {
    m_ctx.Msg.ShowMessageText(PositionFirstMessage());
    return;
  }
  const auto target = static_cast<MeasureTarget>(point + 1);
  m_area = new AreaWindow(m_ctx.Msg, m_shown, *pixel, m_calibration.Radius, target, this);
  connect(m_area, &AreaWindow::AreaMeasured, this,
          [this](MeasureTarget measured, const QString& text) {
            SetGridText(kPointAreaColumn[static_cast<int>(measured) - 1], text);
          });
  connect(m_area, &QDialog::finished, this, &PhotoDrawingWindow::AreaFinished);
  m_writeGroup->setEnabled(false);
  m_measure->setEnabled(false);
  m_measure->setText(QCoreApplication::translate("Ardeno", "Měří se plocha"));
  m_area->show();
}

void PhotoDrawingWindow::AreaFinished() {
  // The measurement is over now, not when the window is finally deleted.
  if (m_area) m_area->deleteLater();
  m_area = nullptr;
  m_measure->setText(MeasureCaption());
  m_measure->setEnabled(true);
  m_writeGroup->setEnabled(true);
}

void PhotoDrawingWindow::EndGroups() {
  Database& db = m_ctx.Db;
  if (!db.HasCurrentRecord()) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(CoreText("PhotoEntry", kRecordFirstMessage)));
    return;
  }
  if (m_pending.empty()) {
    // Storing no group would wipe the groups the drawing already has.
    m_ctx.Msg.ShowMessageText(NoGroupWrittenMessage());
    return;
  }
  if (!PhotoDayAgreed()) return;
  ObservationRecord record = db.Record(db.CurrentIndex);
  if (const std::optional<std::string> refusal =
          StorePendingGroups(record, m_pending, db.DrawingRadius)) {
    m_ctx.Msg.ShowMessageText(Q(*refusal));
    return;
  }
  db.Record(db.CurrentIndex) = record;
  db.WorkRecord = record;
  db.DataChanged = true;
  m_pending.clear();
  m_pendingPixels.clear();
  m_rowPixels = {};
  for (int c = 1; c <= kPhotoGridColumns; ++c) SetGridText(c, {});
  m_groupBox->hide();
  m_entry = Entry::None;
  RebuildOverlay();
  m_ctx.RecordsEdited(EditKind::PhotoGroups, record.Date());
}

}  // namespace ardeno
