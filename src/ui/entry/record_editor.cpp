// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/entry/record_editor.h"

#include <QCollator>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/data/data_file.h"
#include "core/data/database_ops.h"
#include "core/entry/editor_texts.h"
#include "core/entry/header_fields.h"
#include "core/entry/record_display.h"
#include "core/text/core_text.h"
#include "ui/entry/editor_grid_delegate.h"

namespace ardeno {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
QString Q(const std::string& text) { return QString::fromStdString(text); }
// The program's hints separate lines with a carriage return.
QString Hint(std::string_view text) { return Q(text).replace('\r', '\n'); }

const QColor kSpecialColour(255, 0, 0);
const QColor kPhotoEntryColour(200, 180, 50);
const QColor kEmptyGridColour(255, 150, 150);
const QColor kHeliosColour(220, 220, 220);
const QColor kLongitudeLatitudeColour(150, 150, 225);
const QColor kAreaLabelColour(255, 100, 100);
// A header field a refusal named keeps this colour until it is typed in again.
const QColor kRefusedFieldColour(255, 200, 200);

constexpr int kGroupColumnWidth = 38;
constexpr int kFaculaColumnWidth = 47;
constexpr int kRowHeight = 24;
constexpr int kHeliographicGridWidth = 410;
constexpr int kHeliographicGroupBoxWidth = 499;
constexpr int kHeliographicWindowHeight = 365;
constexpr int kFirstAuxColumn = 10;  // columns 10..15 hold the auxiliary spots

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::Button, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void MarkRefused(QLineEdit* edit, bool refused) {
  if (!refused) {
    // An empty palette resolves nothing: the field takes its window's colours again.
    edit->setPalette(QPalette());
    return;
  }
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, kRefusedFieldColour);
  edit->setPalette(palette);
}

QTableWidget* MakeGrid(const char* name, int columns, QWidget* parent) {
  auto* grid = new QTableWidget(1, columns, parent);
  grid->setObjectName(name);
  grid->setItemDelegate(new EditorGridDelegate(grid));
  grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grid->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  return grid;
}

QString CellText(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row - 1, column - 1);
  return item ? item->text() : QString();
}

void SetCellText(QTableWidget* grid, int row, int column, const std::string& text) {
  QTableWidgetItem* item = grid->item(row - 1, column - 1);
  if (!item) {
    item = new QTableWidgetItem;
    grid->setItem(row - 1, column - 1, item);
  }
  item->setText(Q(text));
}

}  // namespace

RecordEditor::RecordEditor(AppContext& ctx, EditorMode mode, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_mode(mode) {
  setObjectName("TForm3");
  setModal(true);
  BuildLayout();
  ShowOpening();
  ApplyCoordinateMode();
  ApplyScale();
}

bool RecordEditor::Run(AppContext& ctx, EditorMode mode, QWidget* parent) {
  // What is typed could never be saved over a data file the start-up refused.
  if (ctx.Db.LoadFailed) {
    ctx.Msg.ShowMessageText(QString::fromStdString(CoreText("DataFile", kLoadFailedMessage)));
    return false;
  }
  RecordEditor editor(ctx, mode, parent ? parent : ctx.Frame);
  editor.exec();
  return editor.Stored();
}

void RecordEditor::BuildLayout() {
  auto* layout = new QVBoxLayout(this);
  m_coordinateCaption = new QLabel(this);
  m_coordinateCaption->setObjectName("coordinateCaption");
  layout->addWidget(m_coordinateCaption);

  auto* header = new QGridLayout;
  m_observer = new QComboBox(this);
  m_observer->setObjectName("ComboBox1");
  m_observer->setEditable(true);
  m_observer->setToolTip(QCoreApplication::translate("Ardeno", "Jméno pozorovatele"));
  header->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Pozorovatel"), this), 0, 0);
  header->addWidget(m_observer, 1, 0, 1, 3);
  int column = 3;
  int row = 0;
  for (const HeaderFieldSpec& spec : kHeaderFieldSpecs) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(spec.Name);
    if (spec.Hint[0] != '\0') edit->setToolTip(Q(EditorText(spec.Hint)));
    auto* label = new QLabel(Q(EditorText(spec.Label)), this);
    label->setBuddy(edit);
    if (spec.Field == HeaderField::FacularCount) {
      label->setObjectName("Label10");
      m_facularCountLabel = label;
    }
    if (spec.Field == HeaderField::Date) {
      // Day and month take one or two digits, the year all four ("9" is a required digit here).
      edit->setInputMask(QStringLiteral("00.00.9999; "));
      edit->setMinimumWidth(90);
    }
    if (spec.Field == HeaderField::Station) edit->setMinimumWidth(140);
    header->addWidget(label, row, column);
    header->addWidget(edit, row + 1, column);
    m_fields[static_cast<std::size_t>(spec.Field)] = edit;
    if (++column == 10) {
      column = 0;
      row = 2;
    }
  }
  auto* kind = new QLineEdit(this);
  kind->setObjectName("Edit25");
  // Wide enough for the whole "zvlášťní", its first letter included.
  kind->setMinimumWidth(kind->fontMetrics().horizontalAdvance(Q(std::string(kSpecialKind))) + 24);
  m_fields[static_cast<std::size_t>(HeaderField::Kind)] = kind;
  header->addWidget(kind, 3, column);
  layout->addLayout(header);

  m_groupBox = new QGroupBox(QCoreApplication::translate("Ardeno", "Skupiny"), this);
  m_groupBox->setObjectName("tabulkaskv");
  auto* groupLayout = new QVBoxLayout(m_groupBox);
  m_groupGrid = MakeGrid("StringGrid1", 15, m_groupBox);
  groupLayout->addWidget(m_groupGrid);
  auto* heliosRow = new QHBoxLayout;
  m_helios = new QPushButton(Q(EditorText(kHeliosToLongitudeLatitude)), m_groupBox);
  m_helios->setObjectName("Helios");
  m_helios->setProperty("tag", 0);
  m_areaInMillionths = new QLabel(Q(EditorText(kAreaInMillionths)), m_groupBox);
  m_areaInMillionths->setObjectName("Label17");
  m_areaInMillionths->setStyleSheet(QStringLiteral("color: %1").arg(kAreaLabelColour.name()));
  m_areaInMillionths->hide();
  heliosRow->addWidget(m_helios);
  heliosRow->addWidget(m_areaInMillionths);
  heliosRow->addStretch();
  groupLayout->addLayout(heliosRow);
  layout->addWidget(m_groupBox, 3);

  m_faculaBox = new QGroupBox(QCoreApplication::translate("Ardeno", "Fakule"), this);
  m_faculaBox->setObjectName("tabulkafak");
  auto* faculaLayout = new QVBoxLayout(m_faculaBox);
  m_faculaGrid = MakeGrid("StringGrid2", 12, m_faculaBox);
  m_faculaGrid->setToolTip(Hint(EditorText(kFaculaGridHint)));
  QStringList faculaTitles;
  for (int c = 1; c <= 12; ++c) faculaTitles << Q(FaculaColumnTitle(c));
  m_faculaGrid->setHorizontalHeaderLabels(faculaTitles);
  faculaLayout->addWidget(m_faculaGrid);
  layout->addWidget(m_faculaBox, 2);

  auto* buttons = new QHBoxLayout;
  m_runCounter = new QLabel(this);
  m_runCounter->setObjectName("Label16");
  m_runCounter->setToolTip(Q(EditorText(kRunCounterHint)));
  m_store = new QPushButton(Q(EditorText(kStoreButton)), this);
  m_store->setObjectName("ukoncit");
  m_store->setAutoDefault(false);
  m_return = new QPushButton(Q(EditorText(kReturnButton)), this);
  m_return->setObjectName("Navrat");
  m_return->setAutoDefault(false);
  buttons->addWidget(m_runCounter);
  buttons->addStretch();
  buttons->addWidget(m_store);
  buttons->addWidget(m_return);
  layout->addLayout(buttons);

  for (QLineEdit* edit : HeaderEdits())
    connect(edit, &QLineEdit::textEdited, this, [edit] { MarkRefused(edit, false); });
  connect(m_store, &QPushButton::clicked, this, &RecordEditor::StoreRecordClicked);
  connect(m_return, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_helios, &QPushButton::clicked, this, &RecordEditor::HeliosClicked);
  connect(m_groupGrid, &QTableWidget::currentCellChanged, this,
          [this](int row, int column) { GroupCellChosen(row, column); });
}

QLineEdit* RecordEditor::Field(HeaderField field) const {
  return m_fields[static_cast<std::size_t>(field)];
}

QLineEdit* RecordEditor::HeaderEdit(HeaderField field) const {
  return field == HeaderField::Observer ? m_observer->lineEdit() : Field(field);
}

std::vector<QLineEdit*> RecordEditor::HeaderEdits() const {
  std::vector<QLineEdit*> edits{m_observer->lineEdit()};
  for (QLineEdit* edit : m_fields)
    if (edit != nullptr) edits.push_back(edit);
  return edits;
}

void RecordEditor::ShowOpening() {
  Database& db = m_ctx.Db;
  const EditorOpening opening = OpenEditor(db, m_mode);
  switch (m_mode) {
    case EditorMode::NewDrawing:
      setWindowTitle(Q(EditorText(kCaptionNewDrawing)));
      break;
    case EditorMode::Special:
      setWindowTitle(Q(EditorText(kCaptionSpecial)));
      break;
    case EditorMode::Correction:
      setWindowTitle(Q(EditorText(kCaptionCorrection)));
      break;
  }
  // A special drawing is red when it is corrected as well as when it is entered, as the main
  // window shows it.
  if (m_mode == EditorMode::Special || (m_mode == EditorMode::Correction && opening.KindVisible)) {
    SetBackground(this, kSpecialColour);
  } else if (m_mode == EditorMode::NewDrawing && m_ctx.View.PhotoEntryFlag == 1) {
    SetBackground(this, kPhotoEntryColour);
  }
  m_runCounter->setText(QString::number(opening.RunCounter));

  // Offered as a Czech reader looks for a name ("Černý" after "Cihlář", "Chalupa" after "Hrubý");
  // the stored list keeps its byte order, which the observer table and its CSV follow.
  QStringList names;
  for (const std::string& name : db.Observers) names << Q(name);
  std::sort(names.begin(), names.end(), QCollator(QLocale(QLocale::Czech, QLocale::CzechRepublic)));
  m_observer->addItems(names);
  m_observer->setCurrentText(Q(opening.Texts.Header[HeaderField::Observer]));
  for (int f = 1; f < kHeaderFieldCount; ++f) {
    Field(static_cast<HeaderField>(f))
        ->setText(Q(opening.Texts.Header.Fields[static_cast<std::size_t>(f)]));
  }
  Field(HeaderField::Kind)->setVisible(opening.KindVisible);
  Field(HeaderField::Kind)->setCursorPosition(0);

  const auto& groups = opening.Texts.Groups;
  m_groupGrid->setRowCount(std::max<int>(1, static_cast<int>(groups.size())));
  ShowGroupRows(groups);
  m_groupGrid->setEnabled(!groups.empty());
  m_helios->setEnabled(!groups.empty());
  SetFixedCellColour(m_groupGrid, Field(HeaderField::GroupCount)->text() == QLatin1String("0"));
  const auto& faculae = opening.Texts.Faculae;
  m_faculaGrid->setRowCount(std::max<int>(1, static_cast<int>(faculae.size())));
  for (std::size_t r = 0; r < faculae.size(); ++r) {
    for (int c = 1; c < kFaculaGridColumns; ++c) {
      SetCellText(m_faculaGrid, static_cast<int>(r) + 1, c,
                  faculae[r][static_cast<std::size_t>(c)]);
    }
  }
  m_faculaGrid->setEnabled(!faculae.empty());

  connect(Field(HeaderField::GroupCount), &QLineEdit::textEdited, this,
          &RecordEditor::GroupCountChanged);
  connect(Field(HeaderField::FacularCount), &QLineEdit::textEdited, this,
          &RecordEditor::FacularCountChanged);
}

void RecordEditor::ApplyCoordinateMode() {
  const bool heliographic = m_ctx.Db.Mode == CoordinateMode::Heliographic;
  m_coordinateCaption->setText(Q(EditorText(heliographic ? kCaptionHeliographic : kCaptionPolar)));
  m_groupGrid->setToolTip(Hint(GroupGridHint(heliographic)));
  SetGroupTitles();
  for (int c = kFirstAuxColumn; c <= 15; ++c) m_groupGrid->setColumnHidden(c - 1, heliographic);
  Field(HeaderField::FacularCount)->setVisible(!heliographic);
  m_facularCountLabel->setVisible(!heliographic);
  const bool photoEntry = m_ctx.View.PhotoEntryFlag == 1;
  m_groupBox->setVisible(!photoEntry);
  m_faculaBox->setVisible(!heliographic && !photoEntry);
  m_helios->setVisible(!heliographic && !photoEntry);
  SetBackground(m_helios, kHeliosColour);
}

void RecordEditor::ApplyScale() {
  const int rowHeight = m_ctx.Scaled(kRowHeight);
  for (QTableWidget* grid : {m_groupGrid, m_faculaGrid}) {
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
  }
  m_groupGrid->horizontalHeader()->setDefaultSectionSize(m_ctx.Scaled(kGroupColumnWidth));
  m_faculaGrid->horizontalHeader()->setDefaultSectionSize(m_ctx.Scaled(kFaculaColumnWidth));
  if (m_ctx.Db.Mode == CoordinateMode::Heliographic) {
    // Ten columns of l/b entry: the narrow grid and box of that mode, left aligned.
    m_groupGrid->setFixedWidth(m_ctx.Scaled(kHeliographicGridWidth));
    m_groupBox->setFixedWidth(m_ctx.Scaled(kHeliographicGroupBoxWidth));
    layout()->setAlignment(m_groupBox, Qt::AlignLeft);
    resize(m_ctx.Scaled(720), m_ctx.Scaled(kHeliographicWindowHeight));
  } else {
    resize(m_ctx.Scaled(760), m_ctx.Scaled(600));
  }
}

void RecordEditor::SetGroupTitles() {
  const bool heliographic = m_ctx.Db.Mode == CoordinateMode::Heliographic;
  QStringList titles;
  for (int c = 1; c <= 15; ++c) {
    titles << Q(EditorText(heliographic ? kGroupTitlesHeliographic[static_cast<std::size_t>(c)]
                                        : kGroupTitlesPolar[static_cast<std::size_t>(c)]));
  }
  if (m_longitudeLatitude) {
    titles[3] = Q(EditorText(kTitleLongitudeEntry));
    titles[4] = Q(EditorText(kTitleLatitudeEntry));
  }
  m_groupGrid->setHorizontalHeaderLabels(titles);
}

void RecordEditor::SetFixedCellColour(QTableWidget* grid, bool pink) {
  const QString style = pink ? QStringLiteral("QHeaderView::section { background-color: %1; }")
                                   .arg(kEmptyGridColour.name())
                             : QString();
  grid->horizontalHeader()->setStyleSheet(style);
  grid->verticalHeader()->setStyleSheet(style);
}

void RecordEditor::ShowGroupRows(const std::vector<GroupRowTexts>& rows) {
  for (std::size_t r = 0; r < rows.size() && static_cast<int>(r) < m_groupGrid->rowCount(); ++r) {
    for (int c = 1; c < kGroupGridColumns; ++c) {
      SetCellText(m_groupGrid, static_cast<int>(r) + 1, c, rows[r][static_cast<std::size_t>(c)]);
    }
  }
}

std::vector<GroupRowTexts> RecordEditor::GroupRows(int count) const {
  std::vector<GroupRowTexts> rows(static_cast<std::size_t>(std::max(0, count)));
  for (int r = 1; r <= count && r <= m_groupGrid->rowCount(); ++r) {
    for (int c = 1; c < kGroupGridColumns; ++c) {
      rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c)] =
          CellText(m_groupGrid, r, c).toStdString();
    }
  }
  return rows;
}

int RecordEditor::TypedGroupCount() const {
  bool ok = false;
  const int n = Field(HeaderField::GroupCount)->text().trimmed().toInt(&ok);
  return ok ? std::clamp(n, 0, m_groupGrid->rowCount()) : 0;
}

RecordInput RecordEditor::GatherInput() const {
  RecordInput input;
  input.Mode = m_mode;
  input.LongitudeLatitudeEntry = m_longitudeLatitude;
  input.PhotoEntry = m_ctx.View.PhotoEntryFlag == 1;
  input.KeptGroupNumbers = m_keptGroupNumbers;
  input.Header[HeaderField::Observer] = m_observer->currentText().toStdString();
  for (int f = 1; f < kHeaderFieldCount; ++f) {
    const auto field = static_cast<HeaderField>(f);
    input.Header[field] = Field(field)->text().toStdString();
  }
  // The kind field counts only while it is shown.
  if (Field(HeaderField::Kind)->isHidden()) input.Header[HeaderField::Kind].clear();
  input.Groups = GroupRows(m_groupGrid->rowCount());
  for (int r = 1; r <= m_faculaGrid->rowCount(); ++r) {
    FaculaRowTexts row;
    for (int c = 1; c < kFaculaGridColumns; ++c) {
      row[static_cast<std::size_t>(c)] = CellText(m_faculaGrid, r, c).toStdString();
    }
    input.Faculae.push_back(row);
  }
  return input;
}

void RecordEditor::GroupCountChanged(const QString& text) {
  const CountFieldChange change = CountChanged(text.toStdString());
  if (!change.IsNumber) {
    m_groupGrid->setEnabled(false);
    return;
  }
  if (change.Message) {
    m_ctx.Msg.ShowMessageText(Q(*change.Message));
    Field(HeaderField::GroupCount)->setText(Q(*change.FieldText));
  }
  m_groupGrid->setEnabled(change.GridEnabled);
  m_helios->setEnabled(change.GridEnabled);
  SetFixedCellColour(m_groupGrid, !change.GridEnabled);
  m_groupGrid->setRowCount(change.Rows);
  if (change.GridEnabled) {
    std::vector<GroupRowTexts> rows = GroupRows(change.Rows);
    FillEmptyGroupRows(rows, change.Rows);
    ShowGroupRows(rows);
  }
}

void RecordEditor::FacularCountChanged(const QString& text) {
  const CountFieldChange change = CountChanged(text.toStdString());
  if (!change.IsNumber) {
    m_faculaGrid->setEnabled(false);
    return;
  }
  if (change.Message) {
    m_ctx.Msg.ShowMessageText(Q(*change.Message));
    Field(HeaderField::FacularCount)->setText(Q(*change.FieldText));
  }
  m_faculaGrid->setEnabled(change.GridEnabled);
  m_faculaGrid->setRowCount(change.Rows);
}

void RecordEditor::GroupCellChosen(int /*row*/, int column) {
  m_areaInMillionths->setVisible(column + 1 == 6 && m_longitudeLatitude);
}

void RecordEditor::HeliosClicked() {
  const int count = TypedGroupCount();
  std::vector<GroupRowTexts> rows = GroupRows(count);
  const auto message =
      SwitchPositionEntry(rows, count, Field(HeaderField::Date)->text().toStdString(),
                          Field(HeaderField::TimeUT)->text().toStdString(), !m_longitudeLatitude,
                          m_ctx.Db.DrawingRadius);
  if (message) {
    m_ctx.Msg.ShowMessageText(Q(*message));
    return;
  }
  ShowGroupRows(rows);
  m_longitudeLatitude = !m_longitudeLatitude;
  m_helios->setProperty("tag", m_longitudeLatitude ? 1 : 0);
  m_helios->setText(
      Q(EditorText(m_longitudeLatitude ? kHeliosToAngleDistance : kHeliosToLongitudeLatitude)));
  SetBackground(m_helios, m_longitudeLatitude ? kLongitudeLatitudeColour : kHeliosColour);
  if (m_longitudeLatitude) {
    SetBackground(m_groupBox, kLongitudeLatitudeColour);
  } else {
    m_groupBox->setAutoFillBackground(false);
    m_groupBox->setPalette(palette());
  }
  // The auxiliary spots are typed as angle and distance only; their cells stay as typed.
  for (int c = kFirstAuxColumn; c <= 15; ++c)
    m_groupGrid->setColumnHidden(c - 1, m_longitudeLatitude);
  SetGroupTitles();
  m_faculaBox->setVisible(!m_longitudeLatitude && m_ctx.View.PhotoEntryFlag != 1);
  GroupCellChosen(m_groupGrid->currentRow(), m_groupGrid->currentColumn());
}

void RecordEditor::StoreRecordClicked() {
  const RecordInput input = GatherInput();
  const StoreOutcome outcome = StoreRecord(m_ctx.Db, input);
  m_runCounter->setText(QString::number(outcome.RunCounter));
  for (std::size_t r = 0;
       r < outcome.Groups.size() && static_cast<int>(r) < m_groupGrid->rowCount(); ++r) {
    for (int c : {4, 5, kGroupNumberColumn})
      SetCellText(m_groupGrid, static_cast<int>(r) + 1, c,
                  outcome.Groups[r][static_cast<std::size_t>(c)]);
  }
  // Numbers warned about once stay as typed when the user confirms them again.
  m_keptGroupNumbers.insert(m_keptGroupNumbers.end(), outcome.WarnedGroupNumbers.begin(),
                            outcome.WarnedGroupNumbers.end());
  if (outcome.Stored) {
    // The window closes before the messages, as after a store nothing is left to correct.
    m_stored = true;
    accept();
  }
  // Everything one confirmation found, in one box: the marked fields show where.
  for (QLineEdit* edit : HeaderEdits()) MarkRefused(edit, false);
  for (const HeaderField field : outcome.FaultFields) MarkRefused(HeaderEdit(field), true);
  QStringList messages;
  for (const std::string& message : outcome.Messages) messages << Q(message);
  if (!messages.isEmpty()) m_ctx.Msg.ShowMessageText(messages.join(QStringLiteral("\n\n")));
  if (outcome.Stored) {
    const Database& db = m_ctx.Db;
    m_ctx.RecordsEdited(EditKindOf(m_mode),
                        db.HasCurrentRecord() ? db.Record(db.CurrentIndex).Date() : std::string());
    return;
  }
  if (outcome.FaultCell) {
    QTableWidget* grid = outcome.FaultCell->Grid == EditorGrid::Groups ? m_groupGrid : m_faculaGrid;
    grid->setCurrentCell(outcome.FaultCell->Row - 1, outcome.FaultCell->Column - 1);
    grid->setFocus();
  } else if (outcome.FocusField) {
    HeaderEdit(*outcome.FocusField)->setFocus();
  }
}

void RecordEditor::done(int result) {
  m_ctx.View.PhotoEntryFlag = 0;
  QDialog::done(result);
}

}  // namespace ardeno
