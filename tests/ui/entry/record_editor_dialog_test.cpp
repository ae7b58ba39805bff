// SPDX-License-Identifier: GPL-3.0-or-later
// The record editor window on its own: opening in each mode, the count fields, the l/b switch,
// refusals that keep the window open and the store that closes it.
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "core/data/database_ops.h"
#include "core/entry/editor_texts.h"
#include "core/text/dates.h"
#include "support/app_run.h"
#include "support/editor_inputs.h"
#include "support/map_records.h"
#include "ui/entry/record_editor.h"

using namespace ardeno;
using namespace ardeno::test;

namespace {

// Three stored drawings, the last one chosen.
struct Fixture : AppRun {
  Fixture() : AppRun("/tmp") { Db = MakeEditorDatabase(3); }
};

template <typename T>
T* Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("missing child %s", name);
  return child;
}

void Type(QWidget& editor, const char* name, const QString& text) {
  auto* edit = Child<QLineEdit>(editor, name);
  edit->selectAll();
  edit->del();
  if (edit->inputMask().isEmpty()) {
    QTest::keyClicks(edit, text);
  } else {
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, QString(text).remove('.'));
  }
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
  auto* item = grid->item(row - 1, column - 1);
  if (item == nullptr) {
    item = new QTableWidgetItem;
    grid->setItem(row - 1, column - 1, item);
  }
  item->setText(text);
}

QString Cell(QTableWidget* grid, int row, int column) {
  auto* item = grid->item(row - 1, column - 1);
  return item ? item->text() : QString();
}

// Conditions, image and Q as an observer rates them (the editor stores no unrated drawing).
void RateDrawing(QWidget& editor) {
  for (const char* field : {"Edit4", "Edit5", "Edit6"}) Type(editor, field, "2");
}

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

class RecordEditorDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void newDrawingOpensWithDefaults() {
    Fixture f;
    RecordEditor editor(f.Ctx, EditorMode::NewDrawing);
    QCOMPARE(editor.objectName(), QStringLiteral("TForm3"));
    QCOMPARE(editor.windowTitle(), Q(kCaptionNewDrawing));
    QCOMPARE(Child<QLineEdit>(editor, "Edit3")->text(), QStringLiteral("1200"));
    QCOMPARE(Child<QLineEdit>(editor, "Edit13")->text(), QStringLiteral("Ondřejov"));
    QCOMPARE(Child<QComboBox>(editor, "ComboBox1")->currentText(), QStringLiteral("Novák"));
    QCOMPARE(Child<QLabel>(editor, "Label16")->text(), QStringLiteral("1"));
    QVERIFY(Child<QLineEdit>(editor, "Edit25")->isHidden());
    QVERIFY(!Child<QTableWidget>(editor, "StringGrid1")->isEnabled());
    QCOMPARE(Child<QTableWidget>(editor, "StringGrid1")->horizontalHeaderItem(3)->text(),
             QStringLiteral("úhel"));
  }

  // The observer list reads in Czech order, not in the bytes' order that put "Černý" last.
  void observersAreOfferedInCzechOrder() {
    Fixture f;
    f.Db.Observers = {"Adam",  "Chalupa", "Cihlář", "Dvořák", "Hrubý",   "Novák",
                      "Rybář", "Zeman",   "Černý",  "Říha",   "Šťastný", "Žák"};
    RecordEditor editor(f.Ctx, EditorMode::NewDrawing);
    auto* box = Child<QComboBox>(editor, "ComboBox1");
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
    QCOMPARE(shown, QStringList({"Adam", "Cihlář", "Černý", "Dvořák", "Hrubý", "Chalupa", "Novák",
                                 "Rybář", "Říha", "Šťastný", "Zeman", "Žák"}));
  }

  void specialAndHeliographicOpenings() {
    Fixture f;
    {
      RecordEditor special(f.Ctx, EditorMode::Special);
      QCOMPARE(special.windowTitle(), Q(kCaptionSpecial));
      QVERIFY(!Child<QLineEdit>(special, "Edit25")->isHidden());
      QCOMPARE(Child<QLineEdit>(special, "Edit25")->text(), Q(kSpecialKind));
      QCOMPARE(special.palette().color(QPalette::Window), QColor(255, 0, 0));
      // The whole word shows, from its first letter.
      auto* kind = Child<QLineEdit>(special, "Edit25");
      special.show();
      QCOMPARE(kind->cursorPosition(), 0);
      QVERIFY(kind->width() > kind->fontMetrics().horizontalAdvance(kind->text()));
    }
    f.Db.Mode = CoordinateMode::Heliographic;
    RecordEditor editor(f.Ctx, EditorMode::Correction);
    auto* grid = Child<QTableWidget>(editor, "StringGrid1");
    QCOMPARE(grid->horizontalHeaderItem(3)->text(), QStringLiteral("    l "));
    QVERIFY(grid->isColumnHidden(9) && grid->isColumnHidden(14) && !grid->isColumnHidden(8));
    QVERIFY(Child<QLineEdit>(editor, "Edit12")->isHidden());
    QVERIFY(Child<QGroupBox>(editor, "tabulkafak")->isHidden());
    QVERIFY(Child<QPushButton>(editor, "Helios")->isHidden());
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(Cell(grid, 1, 1), QStringLiteral("Cso"));
  }

  void groupCountAboveFortyIsCutWithAMessage() {
    Fixture f;
    RecordEditor editor(f.Ctx, EditorMode::NewDrawing);
    auto* grid = Child<QTableWidget>(editor, "StringGrid1");
    Type(editor, "Edit11", "45");
    QCOMPARE(f.Msg.ShownMessages, QStringList{Q(kMsgMaxGroups)});
    QCOMPARE(Child<QLineEdit>(editor, "Edit11")->text(), QStringLiteral("40"));
    QCOMPARE(grid->rowCount(), 40);
    QVERIFY(grid->isEnabled());
    QCOMPARE(Cell(grid, 40, 2), QStringLiteral("0"));
    Type(editor, "Edit11", "0");
    QVERIFY(!grid->isEnabled());
    QCOMPARE(grid->rowCount(), 1);
  }

  void refusalKeepsTheWindowAndSelectsTheFaultyCell() {
    Fixture f;
    const Database before = f.Db;
    RecordEditor editor(f.Ctx, EditorMode::NewDrawing);
    editor.show();
    Type(editor, "MaskEdit1", "20.05.2024");
    RateDrawing(editor);
    Type(editor, "Edit11", "1");
    auto* grid = Child<QTableWidget>(editor, "StringGrid1");
    SetCell(grid, 1, 1, "Dkc");
    SetCell(grid, 1, 9, "71");
    Child<QPushButton>(editor, "ukoncit")->click();
    QVERIFY(!editor.Stored());
    QVERIFY(editor.isVisible());
    QCOMPARE(f.Msg.ShownMessages, QStringList{Q(kMsgRotationNumber)});
    QCOMPARE(grid->currentRow(), 0);
    QCOMPARE(grid->currentColumn(), 8);
    QCOMPARE(f.Db.Records, before.Records);
    QCOMPARE(f.Db.RecordCount, 3);
  }

  void storeClosesAndAppendsTheRecord() {
    Fixture f;
    QList<DataChange> notified;
    QObject::connect(&f.Ctx.Events, &DataEvents::DataChanged,
                     [&notified](DataChange change) { notified << change; });
    RecordEditor editor(f.Ctx, EditorMode::NewDrawing);
    editor.show();
    Type(editor, "MaskEdit1", "20.05.2024");
    RateDrawing(editor);
    Type(editor, "Edit3", "705");
    Type(editor, "Edit11", "2");
    auto* grid = Child<QTableWidget>(editor, "StringGrid1");
    SetCell(grid, 1, 1, "dkc");
    SetCell(grid, 1, 4, "12,5");
    SetCell(grid, 1, 5, "62.5");
    SetCell(grid, 1, 6, "10");
    SetCell(grid, 2, 1, "Axx");
    SetCell(grid, 2, 4, "j");
    Child<QPushButton>(editor, "ukoncit")->click();
    QVERIFY2(editor.Stored(), qPrintable(f.Msg.ShownMessages.join('|')));
    QVERIFY(!editor.isVisible());
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(notified, QList<DataChange>{DataChange::Records});
    QCOMPARE(f.Db.RecordCount, 4);
    const ObservationRecord& stored = f.Db.Record(f.Db.CurrentIndex);
    QCOMPARE(stored.Date(), std::string("20.05.2024"));
    QCOMPARE(stored.TimeUT(), 705);
    QCOMPARE(stored.GroupType(1), std::string("Dkc"));
    QCOMPARE(stored.Angle10(1), 125);
    QCOMPARE(stored.Area(1), 204);
    QCOMPARE(stored.Angle10(2), kSouthMarkerAngle10);
    QCOMPARE(Cell(grid, 1, 4), QStringLiteral("12.5"));
  }

  void sharedGroupNumberIsWarnedAndTheFreeNumberOffered() {
    Fixture f;
    // The day before, group 5 of the rotation lies 60 degrees east of the group typed below.
    const SolarEphemeris eph = Ephemeris({2024, 5, 20}, 1200);
    const HeliographicPosition typed = PolarToHeliographic(eph, 300, 625);
    ObservationRecord other = MapRecord({2024, 5, 19}, 900);
    AddGroup(other, 5, typed.HelioLongitude + 60, typed.HelioLatitude, 100);
    f.Db.Record(4) = other;
    f.Db.RecordCount = 4;
    RecordEditor editor(f.Ctx, EditorMode::NewDrawing);
    editor.show();
    Type(editor, "MaskEdit1", "20.05.2024");
    RateDrawing(editor);
    Type(editor, "Edit3", "1200");
    Type(editor, "Edit11", "1");
    auto* grid = Child<QTableWidget>(editor, "StringGrid1");
    SetCell(grid, 1, 1, "Dkc");
    SetCell(grid, 1, 4, "30.0");
    SetCell(grid, 1, 5, "62.5");
    SetCell(grid, 1, 9, "5");
    Child<QPushButton>(editor, "ukoncit")->click();
    QVERIFY(!editor.Stored());
    QCOMPARE(f.Db.RecordCount, 4);
    QCOMPARE(f.Msg.ShownMessages.size(), 1);
    QVERIFY2(f.Msg.ShownMessages[0].contains("zákres 19.05.2024 09:00"),
             qPrintable(f.Msg.ShownMessages[0]));
    QCOMPARE(Cell(grid, 1, 9), QStringLiteral("1"));
    QCOMPARE(grid->currentColumn(), 8);
    // Typed back and confirmed again, the observer's number stays.
    SetCell(grid, 1, 9, "5");
    Child<QPushButton>(editor, "ukoncit")->click();
    QVERIFY2(editor.Stored(), qPrintable(f.Msg.ShownMessages.join('|')));
    QCOMPARE(f.Db.Record(f.Db.CurrentIndex).RotationGroupNumber(1), 5);
  }

  void heliosSwitchNeedsADateAndConvertsTheRows() {
    Fixture f;
    RecordEditor editor(f.Ctx, EditorMode::NewDrawing);
    auto* helios = Child<QPushButton>(editor, "Helios");
    auto* grid = Child<QTableWidget>(editor, "StringGrid1");
    Type(editor, "Edit11", "1");
    SetCell(grid, 1, 4, "100.0");
    SetCell(grid, 1, 5, "50.0");
    helios->click();
    QCOMPARE(f.Msg.ShownMessages, QStringList{Q(kMsgNoDate)});
    QVERIFY(!editor.LongitudeLatitudeEntry());

    Type(editor, "MaskEdit1", "20.05.2024");
    RateDrawing(editor);
    helios->click();
    QVERIFY(editor.LongitudeLatitudeEntry());
    QCOMPARE(helios->property("tag").toInt(), 1);
    QCOMPARE(helios->text(), Q(kHeliosToAngleDistance));
    QCOMPARE(grid->horizontalHeaderItem(3)->text(), Q(kTitleLongitudeEntry));
    QVERIFY(grid->isColumnHidden(10));
    QVERIFY(Child<QGroupBox>(editor, "tabulkafak")->isHidden());
    QVERIFY(Cell(grid, 1, 4) != QStringLiteral("100.0"));
    grid->setCurrentCell(0, 5);
    QVERIFY(!Child<QLabel>(editor, "Label17")->isHidden());

    helios->click();
    QVERIFY(!editor.LongitudeLatitudeEntry());
    QVERIFY(qAbs(Cell(grid, 1, 4).toDouble() - 100.0) <= 0.2);
    QVERIFY(qAbs(Cell(grid, 1, 5).toDouble() - 50.0) <= 0.2);
    QVERIFY(Child<QLabel>(editor, "Label17")->isHidden());
  }

  void dateTakesShortDayAndMonthButTheWholeYear_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("date");
    QTest::newRow("one-digit day and month") << "5.3.2024" << true << "05.03.2024";
    QTest::newRow("full") << "20.05.2024" << true << "20.05.2024";
    QTest::newRow("two-digit year") << "05.03.24" << false << "";
  }

  void dateTakesShortDayAndMonthButTheWholeYear() {
    QFETCH(QString, typed);
    QFETCH(bool, stored);
    QFETCH(QString, date);
    Fixture f;
    RecordEditor editor(f.Ctx, EditorMode::NewDrawing);
    editor.show();
    auto* field = Child<QLineEdit>(editor, "MaskEdit1");
    field->setFocus();
    field->setCursorPosition(0);
    QTest::keyClicks(field, typed);
    RateDrawing(editor);
    // A spotless day: no groups to type.
    Type(editor, "Edit11", "0");
    Child<QPushButton>(editor, "ukoncit")->click();
    QCOMPARE(editor.Stored(), stored);
    if (stored) {
      QCOMPARE(QString::fromStdString(f.Db.Record(f.Db.CurrentIndex).Date()), date);
    } else {
      QCOMPARE(f.Msg.ShownMessages, QStringList{Q(kMsgBadDate)});
      QCOMPARE(f.Db.RecordCount, 3);
    }
  }

  // An unrated drawing without an observer: one box names every refused field, each is marked
  // until it is typed in again, and the first of them has the focus.
  void everyRefusedFieldIsNamedInOneBoxAndMarked() {
    Fixture f;
    RecordEditor editor(f.Ctx, EditorMode::NewDrawing);
    editor.show();
    Child<QComboBox>(editor, "ComboBox1")->setEditText(QString());
    Type(editor, "MaskEdit1", "20.05.2024");
    Type(editor, "Edit11", "0");
    for (const char* field : {"Edit4", "Edit5", "Edit6"}) Type(editor, field, "0");
    Child<QPushButton>(editor, "ukoncit")->click();
    QVERIFY(!editor.Stored());
    QCOMPARE(f.Msg.ShownMessages.size(), 1);
    const QString box = f.Msg.ShownMessages[0];
    QCOMPARE(box.count(QStringLiteral("záznam nebude zapsán")), 3);
    const auto marked = [&](QLineEdit* edit) {
      return edit->palette().color(QPalette::Base) == QColor(255, 200, 200);
    };
    auto* observer = Child<QComboBox>(editor, "ComboBox1")->lineEdit();
    for (const char* field : {"Edit4", "Edit5", "Edit6"})
      QVERIFY2(marked(Child<QLineEdit>(editor, field)), field);
    QVERIFY(marked(observer));
    QVERIFY(!marked(Child<QLineEdit>(editor, "MaskEdit1")));
    QVERIFY(!marked(Child<QLineEdit>(editor, "Edit11")));
    QCOMPARE(editor.focusWidget(), Child<QComboBox>(editor, "ComboBox1"));

    Type(editor, "Edit5", "2");
    QVERIFY(!marked(Child<QLineEdit>(editor, "Edit5")));
    QVERIFY(marked(Child<QLineEdit>(editor, "Edit4")));
  }

  void correctingASpecialDrawingIsRed() {
    Fixture f;
    f.Db.Record(2).SetKind(kSpecialKind);
    f.Db.CurrentIndex = 2;
    f.Db.WorkRecord = f.Db.Record(2);
    RecordEditor special(f.Ctx, EditorMode::Correction);
    QCOMPARE(special.palette().color(QPalette::Window), QColor(255, 0, 0));
    f.Db.CurrentIndex = 3;
    f.Db.WorkRecord = f.Db.Record(3);
    RecordEditor ordinary(f.Ctx, EditorMode::Correction);
    QVERIFY(ordinary.palette().color(QPalette::Window) != QColor(255, 0, 0));
  }

  void escapeClosesWithoutStoringAndClearsPhotoEntry() {
    Fixture f;
    f.View.PhotoEntryFlag = 1;
    const Database before = f.Db;
    RecordEditor editor(f.Ctx, EditorMode::NewDrawing);
    QVERIFY(Child<QGroupBox>(editor, "tabulkaskv")->isHidden());
    editor.show();
    QTest::keyClick(&editor, Qt::Key_Escape);
    QVERIFY(!editor.isVisible());
    QVERIFY(!editor.Stored());
    QCOMPARE(f.View.PhotoEntryFlag, std::uint8_t{0});
    QCOMPARE(f.Db.Records, before.Records);
    QCOMPARE(f.Db.RecordCount, before.RecordCount);
  }
};

QTEST_MAIN(RecordEditorDialogTest)
#include "record_editor_dialog_test.moc"
