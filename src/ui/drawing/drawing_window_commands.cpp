// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing window's commands besides the drawing itself: saving and printing drawings, the
// database commands (recompute, facular fields from another file, merge, equal dates), the
// compact/large toggle, the auxiliary-spot panel and the magnetosphere underlay.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <exception>

#include "core/data/data_file.h"
#include "core/data/equal_dates.h"
#include "core/data/facula_transfer.h"
#include "core/data/file_error_text.h"
#include "core/data/merge_records.h"
#include "core/data/record_file.h"
#include "core/drawing/aux_spot_distance.h"
#include "core/drawing/facula_recount.h"
#include "core/entry/record_list_pages.h"
#include "core/publishing/picture_facts.h"
#include "core/solar/recompute_results.h"
#include "ui/drawing/drawing_window.h"
#include "ui/shell/data_saving.h"
#include "ui/shell/jpeg_file.h"
#include "ui/shell/picture_files.h"

namespace ardeno {

namespace {

constexpr int kCompactWidth = 612;
constexpr int kCompactHeight = 535;
const QString kCaption = QStringLiteral("Ardeno");
QString DataFilter() {
  return QCoreApplication::translate("Ardeno", "Data (*.dat);;Všechny soubory (*)");
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text, QRect at) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(at);
  return button;
}

QLabel* AddLabel(QWidget* parent, const QString& text, QRect at, const char* name = nullptr) {
  auto* label = new QLabel(text, parent);
  if (name != nullptr) label->setObjectName(name);
  label->setGeometry(at);
  return label;
}

}  // namespace

void DrawingWindow::BuildCommandBoxes() {
  // Saving a range of drawings.
  m_saveBox = new QGroupBox(this);
  m_saveBox->setObjectName("ulozzakresy");
  m_saveBox->resize(300, 150);
  AddLabel(m_saveBox, QCoreApplication::translate("Ardeno", "Od"), QRect(10, 25, 30, 22));
  m_saveFrom = new QSpinBox(m_saveBox);
  m_saveFrom->setObjectName("SpinEdit1");
  m_saveFrom->setGeometry(40, 25, 90, 24);
  AddLabel(m_saveBox, QCoreApplication::translate("Ardeno", "Do"), QRect(150, 25, 30, 22));
  m_saveTo = new QSpinBox(m_saveBox);
  m_saveTo->setObjectName("SpinEdit2");
  m_saveTo->setGeometry(180, 25, 90, 24);
  AddLabel(m_saveBox, QCoreApplication::translate("Ardeno", "Znaky před "), QRect(10, 60, 80, 22));
  m_savePrefix = new QLineEdit(m_saveBox);
  m_savePrefix->setObjectName("Edit2");
  m_savePrefix->setGeometry(90, 60, 100, 24);
  m_qualityLabel = AddLabel(m_saveBox, "Q", QRect(200, 60, 20, 22), "Label5");
  m_quality = new QLineEdit(QString::number(kDefaultJpegQuality), m_saveBox);
  m_quality->setObjectName("Edit3");
  m_quality->setToolTip(QCoreApplication::translate("Ardeno", "Kvalita jpg"));
  m_quality->setGeometry(220, 60, 50, 24);
  connect(AddButton(m_saveBox, "Button1", "OK", QRect(110, 105, 80, 28)), &QPushButton::clicked,
          this, [this] { SaveRange(); });
  m_saveBox->hide();

  // Merging another data file.
  m_mergeBox = new QGroupBox(QCoreApplication::translate("Ardeno", "Slučování dataxů"), this);
  m_mergeBox->setObjectName("slucovani");
  m_mergeBox->resize(300, 130);
  connect(AddButton(m_mergeBox, "vyberpri",
                    QCoreApplication::translate("Ardeno", "Vybrat soubor pro přidání"),
                    QRect(10, 25, 280, 28)),
          &QPushButton::clicked, this, &DrawingWindow::ChooseMergeFile);
  m_mergeName = AddLabel(m_mergeBox, {}, QRect(10, 58, 280, 22), "Label6");
  QFont nameFont = m_mergeName->font();
  nameFont.setPointSize(10);
  m_mergeName->setFont(nameFont);
  m_mergeButton =
      AddButton(m_mergeBox, "potvrditpri", QCoreApplication::translate("Ardeno", "Sloučit"),
                QRect(10, 90, 130, 28));
  m_mergeButton->setEnabled(false);
  connect(m_mergeButton, &QPushButton::clicked, this, &DrawingWindow::MergeChosenFile);
  connect(AddButton(m_mergeBox, "zrusitpri", QCoreApplication::translate("Ardeno", "Zrušit"),
                    QRect(160, 90, 130, 28)),
          &QPushButton::clicked, m_mergeBox, &QWidget::hide);
  m_mergeBox->hide();

  // Printing one or several drawings.
  m_printBox = new QGroupBox(
      QCoreApplication::translate("Ardeno", "Tisk výce zákresů najednou od aktuálního"), this);
  m_printBox->setObjectName("GroupBox2");
  m_printBox->resize(320, 100);
  m_multiPrint = new QCheckBox(QCoreApplication::translate("Ardeno", "Poly tisk"), m_printBox);
  m_multiPrint->setObjectName("CheckBox1");
  m_multiPrint->setGeometry(10, 25, 100, 24);
  QLabel* countLabel = AddLabel(m_printBox, QCoreApplication::translate("Ardeno", "počet"),
                                QRect(120, 25, 50, 22), "StaticText1");
  m_printCount = new QLineEdit("1", m_printBox);
  m_printCount->setObjectName("Edit1");
  m_printCount->setGeometry(170, 25, 60, 24);
  countLabel->hide();
  m_printCount->hide();
  connect(m_multiPrint, &QCheckBox::toggled, this, [countLabel, this](bool on) {
    countLabel->setVisible(on);
    m_printCount->setVisible(on);
  });
  connect(AddButton(m_printBox, "Button4", QCoreApplication::translate("Ardeno", "Tisk"),
                    QRect(10, 60, 100, 28)),
          &QPushButton::clicked, this, [this] {
            bool ok = false;
            const int count = m_printCount->text().trimmed().toInt(&ok);
            m_printExtra = ok && count > 1 ? count - 1 : 0;
            m_printBox->hide();
            PrintDrawings();
          });
  connect(AddButton(m_printBox, "SpeedButton1", "?", QRect(240, 60, 30, 28)), &QPushButton::clicked,
          this, [this] {
            m_ctx.Msg.ShowMessageText(QCoreApplication::translate(
                "Ardeno", "Při oboustranném tisku , zapnout v panelu tiskárny. "));
          });
  m_printBox->hide();
  // "Tisk zákresu": prints again with the count the box was last given, without the box.
  auto* printAgain = new QAction(tr("Tisk zákresu"), this);
  printAgain->setObjectName("tiskzakres");
  printAgain->setShortcut(QKeySequence::Print);
  printAgain->setShortcutContext(Qt::WindowShortcut);
  printAgain->setToolTip(tr("Tisk zákresu znovu se stejným počtem (Ctrl+P)"));
  connect(printAgain, &QAction::triggered, this, [this] { PrintDrawings(); });
  addAction(printAgain);

  // Distances of the auxiliary spots.
  m_auxPanel = new QWidget(this);
  m_auxPanel->setObjectName("panel");
  m_auxPanel->setAutoFillBackground(true);
  m_auxPanel->resize(200, 260);
  m_auxGrid = new QTableWidget(0, 2, m_auxPanel);
  m_auxGrid->setObjectName("StringGrid2");
  m_auxGrid->setHorizontalHeaderLabels({QCoreApplication::translate("Ardeno", " Č. skupiny"),
                                        QCoreApplication::translate("Ardeno", "Vzdál. stup.")});
  m_auxGrid->verticalHeader()->hide();
  m_auxGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_auxGrid->setGeometry(5, 5, 190, 215);
  connect(AddButton(m_auxPanel, "Navrat", QCoreApplication::translate("Ardeno", "Zrušit"),
                    QRect(60, 225, 80, 28)),
          &QPushButton::clicked, m_auxPanel, &QWidget::hide);
  m_auxPanel->hide();
}

void DrawingWindow::PlaceBox(QWidget* box) {
  box->move(std::max(0, width() - box->width() - 10), std::max(0, height() - box->height() - 60));
  box->show();
  box->raise();
}

void DrawingWindow::AfterDataChange(EditKind kind) {
  m_ctx.RecordsEdited(kind);
  update();
}

QImage DrawingWindow::RenderRecord(int index) {
  Database& db = m_ctx.Db;
  const ObservationRecord work = db.WorkRecord;
  db.WorkRecord = db.Record(index);
  const std::vector<UnderlayPixel>* underlay = m_view.Underlay;
  m_view.Underlay = nullptr;
  const QImage image = RenderImage(true);
  m_view.Underlay = underlay;
  db.WorkRecord = work;
  return image;
}

// --- pictures ---

void DrawingWindow::ShowSaveRangeBox(DrawingImageFormat format) {
  m_saveFormat = format;
  m_saveBox->setTitle(
      format == DrawingImageFormat::Bmp
          ? QCoreApplication::translate("Ardeno", "Uložit zákresy  jako BMP od --- do ")
          : QCoreApplication::translate("Ardeno", "Uložit zákresy   JPG  od --- do "));
  const bool jpg = format == DrawingImageFormat::Jpg;
  m_qualityLabel->setVisible(jpg);
  m_quality->setVisible(jpg);
  const int count = std::max(1, m_ctx.Db.RecordCount);
  for (QSpinBox* box : {m_saveFrom, m_saveTo}) {
    box->setRange(1, count);
    box->setValue(count);
  }
  PlaceBox(m_saveBox);
}

std::vector<std::filesystem::path> DrawingWindow::SaveRange() {
  m_saveBox->hide();
  std::vector<std::filesystem::path> written;
  int quality = kDefaultJpegQuality;
  if (m_saveFormat == DrawingImageFormat::Jpg) {
    const std::optional<int> typed = ParseJpegQuality(m_quality->text().toStdString());
    if (!typed) {
      m_ctx.Msg.ShowMessageText(
          QString::fromStdString(CoreText("DrawingImages", kJpegQualityMessage)));
      return written;
    }
    quality = *typed;
  }
  const std::optional<std::filesystem::path> folder = PictureFolder(m_ctx.ProgDir);
  if (!folder) {
    m_ctx.Msg.ShowMessageText(PictureFolderMessage());
    return written;
  }
  const RecordRange range = ClampRange(m_ctx.Db, m_saveFrom->value(), m_saveTo->value());
  const std::string prefix = m_savePrefix->text().toStdString();
  // Pictures of a range are made in the other size (the large window saves compact pictures
  // and the compact one large pictures); the window's own size comes back afterwards.
  ToggleCompact();
  for (int i = range.First; i <= range.Last; ++i) {
    const std::optional<std::string> name =
        RangeImageFileName(prefix, m_ctx.Db.Record(i), m_saveFormat);
    if (!name) continue;  // a drawing without a readable date has no picture name
    const std::filesystem::path file = *folder / std::filesystem::u8path(*name);
    const QImage image = RenderRecord(i);
    const std::optional<QString> error =
        m_saveFormat == DrawingImageFormat::Bmp
            ? WriteBmpFile(image, file)
            : WriteJpegFile(image, file, quality, DrawingFacts(kDrawingView, m_ctx.Db.Record(i)));
    if (error) {
      // One message for the range: the next files would fail the same way.
      m_ctx.Msg.ShowMessageText(*error);
      break;
    }
    written.push_back(file);
  }
  ToggleCompact();
  update();
  return written;
}

std::optional<std::filesystem::path> DrawingWindow::SaveCurrentDrawing() {
  if (!m_ctx.Dialogs.Confirm(this, kCaption,
                             QCoreApplication::translate("Ardeno", "Uložit bitmapu zákresu")))
    return std::nullopt;
  const std::optional<std::string> name = CurrentDrawingFileName(m_ctx.Db.WorkRecord);
  if (!name) return std::nullopt;
  const std::optional<std::filesystem::path> folder = PictureFolder(m_ctx.ProgDir);
  if (!folder) {
    m_ctx.Msg.ShowMessageText(PictureFolderMessage());
    return std::nullopt;
  }
  const std::filesystem::path file = *folder / std::filesystem::u8path(*name);
  if (const auto error = WriteBmpFile(RenderImage(true), file)) {
    m_ctx.Msg.ShowMessageText(*error);
    return std::nullopt;
  }
  update();
  return file;
}

// --- printing ---

void DrawingWindow::ShowPrintBox() {
  m_printCount->setText("1");
  PlaceBox(m_printBox);
}

bool DrawingWindow::PrintDrawings() {
  Database& db = m_ctx.Db;
  if (db.CurrentIndex < 1 || db.CurrentIndex > db.RecordCount) return false;
  const int extra = std::min(m_printExtra, db.RecordCount - db.CurrentIndex);
  QPrinter printer(QPrinter::HighResolution);
  if (!m_ctx.Dialogs.SetUpPrinter(this, printer)) return false;
  // Printing switches the underlay off, as it would cover the drawing on paper.
  m_underlayOn = false;
  m_view.Underlay = nullptr;
  QPainter painter;
  if (!painter.begin(&printer)) {
    m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", "Tisk se nepodařilo zahájit."));
    return false;
  }
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const int pictureHeight = page.width() * height() / std::max(1, width());
  for (int i = 0; i <= extra; ++i) {
    if (i > 0) printer.newPage();
    const QImage image = RenderRecord(db.CurrentIndex + i);
    painter.drawImage(QRect(0, 0, page.width(), pictureHeight),
                      image.copy(0, 0, image.width() - 5, image.height()));
  }
  const bool done = painter.end();
  ShowRecord(db.CurrentIndex);
  return done;
}

// --- the database ---

void DrawingWindow::RecomputeAll(bool withFacularAreas) {
  RecomputeAllResults(m_ctx.Db);
  if (withFacularAreas) RecountFaculaAreas(m_ctx.Db);
  AfterDataChange(EditKind::Recompute);
}

void DrawingWindow::TakeFaculaeFromFile() {
  const std::optional<QString> chosen = m_ctx.Dialogs.OpenFileName(
      this, QCoreApplication::translate("Ardeno", "Soubor dat s fakulemi"), PathText(m_ctx.ProgDir),
      DataFilter());
  if (!chosen) return;
  std::vector<ObservationRecord> other;
  const RecordFileRead read = ReadRecordFile(PathFromText(*chosen), 0, other);
  if (read.Error) {
    m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", "Soubor nelze přečíst: ") +
                              QString::fromStdString(FileErrorText(read.Error)));
    return;
  }
  TakeFacularFields(m_ctx.Db, other);
  AfterDataChange(EditKind::FaculaTransfer);
  if (m_ctx.Dialogs.Confirm(
          this, kCaption,
          QString::fromStdString(CoreText("FaculaTransfer", kSaveTransferQuestion)))) {
    if (const auto error = SaveDataAsked(m_ctx))
      m_ctx.Msg.ShowMessageText(QString::fromStdString(*error));
  }
}

void DrawingWindow::ShowMergeBox() {
  m_mergeButton->setEnabled(false);
  m_mergeName->clear();
  m_added.clear();
  PlaceBox(m_mergeBox);
}

void DrawingWindow::ChooseMergeFile() {
  const std::optional<QString> chosen = m_ctx.Dialogs.OpenFileName(
      this, QCoreApplication::translate("Ardeno", "Vybrat soubor pro přidání"),
      PathText(m_ctx.ProgDir), DataFilter());
  if (!chosen) return;
  if (const auto own = RefuseOwnDataFile(PathFromText(*chosen), m_ctx.ProgDir)) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(*own));
    return;
  }
  const auto read = ReadMergeFile(PathFromText(*chosen));
  if (const auto* refusal = std::get_if<std::string>(&read)) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(*refusal));
    return;
  }
  m_added = std::get<std::vector<ObservationRecord>>(read);
  m_mergeName->setText(PathText(PathFromText(*chosen).filename()));
  m_mergeButton->setEnabled(true);
}

void DrawingWindow::MergeChosenFile() {
  const int equal = CountEqualDates(m_ctx.Db, m_added);
  const bool skip =
      equal > 0 && m_ctx.Msg.AskChoice(QString::fromStdString(EqualDatesQuestion(equal)));
  const auto merged = MergeRecords(m_ctx.Db, m_added, skip);
  if (const auto* refusal = std::get_if<std::string>(&merged)) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(*refusal));
    return;
  }
  m_added.clear();
  m_mergeBox->hide();
  AfterDataChange(EditKind::Merge);
  const MergeOutcome& outcome = std::get<MergeOutcome>(merged);
  if (outcome.Refused > 0)
    m_ctx.Msg.ShowMessageText(QString::fromStdString(outcome.RefusedMessage));
}

void DrawingWindow::CheckEqualDates() {
  for (int index : RecordsWithEqualNeighbour(m_ctx.Db))
    m_ctx.Dialogs.Inform(this, kCaption,
                         QString::fromStdString(EqualDateMessage(m_ctx.Db.Record(index))));
}

// --- view ---

void DrawingWindow::ToggleCompact() {
  QWidget* outer = this;
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) outer = sub;
  const QSize frame = outer->size() - size();
  if (!m_compact) {
    m_compact = true;
    outer->resize(QSize(kCompactWidth, kCompactHeight) + frame);
  } else {
    // Large is the width the window was placed with and the frame's full height beside the
    // list, whatever size the user gave it in between.
    m_compact = false;
    outer->resize(m_placedSize);
    FitBesideCompanion();
  }
  resize(outer->size() - frame);
  m_view.Scale.DrawScale = ToggledDrawScaleForWidth(width());
  m_toggledSize = size();
  setWindowTitle(QString::fromStdString(DrawingCaption(m_ctx.Db.WorkRecord)) + "   " +
                 QString::number(width()) + " x " + QString::number(height()));
  PlaceCompanion();
  emit CompactChanged(m_compact);
  update();
}

void DrawingWindow::ShowAuxSpotPanel() {
  m_auxGrid->setRowCount(0);
  if (const std::optional<SolarEphemeris> eph = RecordEphemeris(m_ctx.Db.WorkRecord)) {
    for (const AuxSpotDistance& row : AuxSpotDistances(m_ctx.Db.WorkRecord, *eph)) {
      const int r = m_auxGrid->rowCount();
      m_auxGrid->insertRow(r);
      m_auxGrid->setItem(r, 0, new QTableWidgetItem(QString::number(row.GroupNumber)));
      m_auxGrid->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(row.Text())));
    }
  }
  m_auxPanel->move(width() - m_auxPanel->width() - 10, 10);
  m_auxPanel->show();
  m_auxPanel->raise();
}

void DrawingWindow::ShowMagnetoUnderlay() {
  m_underlayOn = true;
  m_underlayKey.clear();
  PrepareUnderlay();
  update();
}

void DrawingWindow::PrepareUnderlay() {
  const ObservationRecord& record = m_ctx.Db.WorkRecord;
  const std::string key = record.DateRaw() + std::to_string(record.TimeUT());
  if (!m_underlayOn || key == m_underlayKey) return;
  const std::optional<CalendarDate> date = ParseDate(record.Date());
  const std::optional<SolarEphemeris> eph = RecordEphemeris(record);
  std::optional<Magnetogram> day;
  if (date && eph) {
    try {
      day = ReadMagnetogramDay(m_ctx.ProgDir, *date, kDrawingMagnetogramHeaderWords);
    } catch (const std::exception& error) {
      m_ctx.Msg.ShowMessageText(QString::fromUtf8(error.what()));
      m_underlayOn = false;
      m_view.Underlay = nullptr;
      return;
    }
  }
  if (!day) {
    m_ctx.Msg.ShowMessageText(
        QString::fromStdString(CoreText("MagnetoUnderlay", kNoMagnetoDataMessage)));
    m_underlayOn = false;
    m_view.Underlay = nullptr;
    return;
  }
  m_underlay = MagnetoUnderlay(*day, *date, *eph);
  m_underlayKey = key;
  m_view.Underlay = &m_underlay;
}

}  // namespace ardeno
