// SPDX-License-Identifier: GPL-3.0-or-later
// The message window: sizes by mode and text, and the answers of its buttons, keys and title bar.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ui/shell/main_window.h"
#include "ui/shell/message_window.h"

using ardeno::MessageMode;
using ardeno::MessageWindow;

class MessageWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void ShortMessageIsThreeHundredFiftyWide();
  void HelpTextIsSixFiftyByTwoSeventy();
  void TwoLineMessageKeepsItsHeight();
  void ValueInputHasFixedSizeAndKeepsTypedTextOnEnter();
  void ValueInputClosedByTitleBarKeepsTheInitialValue();
  void ChoiceAnswers_data();
  void ChoiceAnswers();
  void WindowMessagesRunsModally();
  void LongMessageIsWrappedToTheScreen();
  void LongQuestionIsWrappedWithBothAnswersOnScreen();
  void ManyLinesEndAboveTheButton();
};

void MessageWindowTest::ShortMessageIsThreeHundredFiftyWide() {
  MessageWindow window(MessageMode::Message, "Chyba", {}, nullptr);
  QCOMPARE(window.objectName(), QString("TForm14"));
  QCOMPARE(window.windowTitle(), QString("Zpráva"));
  QCOMPARE(window.width(), 350);
  QCOMPARE(window.height(), 170);
  QCOMPARE(window.OkButton()->geometry(), QRect(125, 80, 100, 30));
  QVERIFY(window.NoButton()->isHidden());
  QVERIFY(window.Edit()->isHidden());
}

void MessageWindowTest::HelpTextIsSixFiftyByTwoSeventy() {
  MessageWindow window(MessageMode::Message, ardeno::MainWindow::HelpText(), {}, nullptr);
  QCOMPARE(window.size(), QSize(650, 270));
  QCOMPARE(window.OkButton()->y(), 200);
  // Six lines of help, one per carriage return.
  QCOMPARE(window.Label()->text().count('\n'), 5);
}

void MessageWindowTest::TwoLineMessageKeepsItsHeight() {
  // Wider than the standard window, narrower than the offscreen screen (800 pixels).
  const QString longLine = QString(30, 'W');
  MessageWindow oneLine(MessageMode::Message, longLine, {}, nullptr);
  MessageWindow twoLines(MessageMode::Message, QString("kratky\r") + longLine, {}, nullptr);
  QVERIFY(oneLine.width() > 350);
  QCOMPARE(twoLines.width(), oneLine.width());
  QCOMPARE(twoLines.height(), 170);
}

void MessageWindowTest::LongMessageIsWrappedToTheScreen() {
  const QString text = QStringLiteral(
      "Zákres č. 2 v souboru datax.dat nemá datum, proto se načetlo jen 1 zákresů a 1 dalších se "
      "vynechalo. Soubor, jak byl nalezen, je uschován jako datax-puvodni.dat.\r"
      "Zákresy s nečitelným datem: č. 5 „3x.01.2020“.");
  QWidget owner;
  owner.resize(800, 600);
  MessageWindow window(MessageMode::Message, text, {}, &owner);
  const int screenWidth = owner.screen()->availableGeometry().width();
  QVERIFY2(window.width() <= screenWidth, qPrintable(QString::number(window.width())));
  const QString shown = window.Label()->text();
  QVERIFY(shown.count('\n') >= 3);
  // Every word is still there, and the button sits below the last line.
  QCOMPARE(shown.simplified(), QString(text).replace('\r', ' ').simplified());
  QVERIFY(window.OkButton()->y() >= window.Label()->geometry().bottom());
  QVERIFY(window.height() >= window.OkButton()->geometry().bottom());
}

void MessageWindowTest::LongQuestionIsWrappedWithBothAnswersOnScreen() {
  // The removal question names the drawing, its groups and where it goes: wider than a
  // 1024-pixel screen on one line.
  const QString question = QStringLiteral(
      "Odstranit zákres č. 1234 ze dne 20.03.2014 12:00 (pozorovatel Kučerová Ludmila, 7 skupin, "
      "R = 112) z databáze? Zákres se přesune do souboru odstranene.dat a lze ho vrátit příkazem "
      "Zpět nebo ze souboru odstranene.dat; datax.dat se změní až při uložení dat.");
  QWidget owner;
  owner.resize(800, 600);
  MessageWindow window(MessageMode::Choice, question, {}, &owner);
  const int screenWidth = owner.screen()->availableGeometry().width();
  QVERIFY2(window.width() <= screenWidth, qPrintable(QString::number(window.width())));
  QVERIFY(window.Label()->text().count('\n') >= 1);
  QCOMPARE(window.Label()->text().simplified(), question.simplified());
  QVERIFY(window.OkButton()->y() >= window.Label()->geometry().bottom());
  QVERIFY(window.NoButton()->geometry().right() <= window.width());
  QVERIFY(window.height() >= window.NoButton()->geometry().bottom());
}

void MessageWindowTest::ValueInputHasFixedSizeAndKeepsTypedTextOnEnter() {
  MessageWindow window(MessageMode::ValueInput, "Zadej hodnotu", "80", nullptr);
  QCOMPARE(window.windowTitle(), QString("Zadání hodnoty"));
  QCOMPARE(window.size(), QSize(350, 200));
  QCOMPARE(window.OkButton()->y(), 120);
  QCOMPARE(window.Edit()->text(), QString("80"));
  window.show();
  window.Edit()->clear();
  QTest::keyClicks(window.Edit(), "  12,5 ");
  QTest::keyClick(window.Edit(), Qt::Key_Return);
  QCOMPARE(window.result(), int(QDialog::Accepted));
  QCOMPARE(window.Value(), QString("  12,5 "));
}

void MessageWindowTest::ValueInputClosedByTitleBarKeepsTheInitialValue() {
  MessageWindow window(MessageMode::ValueInput, "Zadej hodnotu", "80", nullptr);
  window.show();
  QTest::keyClicks(window.Edit(), "99");
  window.close();
  QCOMPARE(window.Value(), QString("80"));
}

void MessageWindowTest::ChoiceAnswers_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<bool>("confirmed");
  QTest::newRow("OK") << "ok" << true;
  QTest::newRow("Ne") << "no" << false;
  QTest::newRow("title bar") << "close" << false;
  QTest::newRow("Escape") << "escape" << false;
}

void MessageWindowTest::ChoiceAnswers() {
  QFETCH(QString, action);
  QFETCH(bool, confirmed);
  MessageWindow window(MessageMode::Choice, "Uložit?", {}, nullptr);
  QCOMPARE(window.windowTitle(), QString("Výběr"));
  QCOMPARE(window.width(), 400);
  QCOMPARE(window.NoButton()->x(), window.OkButton()->x() + 103);
  QCOMPARE(window.OkButton()->text(), QString("Ano"));
  QCOMPARE(window.NoButton()->text(), QString("Ne"));
  window.show();
  if (action == "ok") QTest::mouseClick(window.OkButton(), Qt::LeftButton);
  if (action == "no") QTest::mouseClick(window.NoButton(), Qt::LeftButton);
  if (action == "close") window.close();
  if (action == "escape") QTest::keyClick(&window, Qt::Key_Escape);
  QVERIFY(!window.isVisible());
  QCOMPARE(window.Confirmed(), confirmed);
}

void MessageWindowTest::WindowMessagesRunsModally() {
  ardeno::WindowMessages messages;
  // Answer the modal window from inside its event loop.
  QTimer::singleShot(0, [] {
    auto* window = qobject_cast<MessageWindow*>(QApplication::activeModalWidget());
    QVERIFY(window != nullptr);
    QTest::mouseClick(window->OkButton(), Qt::LeftButton);
  });
  QVERIFY(messages.AskChoice("Pokračovat?"));
  QTimer::singleShot(0, [] {
    auto* window = qobject_cast<MessageWindow*>(QApplication::activeModalWidget());
    QVERIFY(window != nullptr);
    window->Edit()->setText("abc");
    QTest::keyClick(window->Edit(), Qt::Key_Enter);
  });
  QCOMPARE(messages.AskValue("Hodnota", "x"), QString("abc"));
}

// Everything one confirmation of the editor refuses, in one box: four messages of two lines with
// a blank line between them still end above the button.
void MessageWindowTest::ManyLinesEndAboveTheButton() {
  QStringList parts;
  for (int i = 1; i <= 5; ++i)
    parts << QString(
        "Pole \"PP\" není vyplněno: zadejte hodnocení od 1 do 5\rzáznam nebude zapsán");
  MessageWindow window(MessageMode::Message, parts.join("\n\n"), {}, nullptr);
  QCOMPARE(window.Label()->text().count('\n'), 13);
  QVERIFY2(window.OkButton()->y() >= window.Label()->geometry().bottom(),
           qPrintable(QString("button at %1, text to %2")
                          .arg(window.OkButton()->y())
                          .arg(window.Label()->geometry().bottom())));
  QVERIFY(window.height() >= window.OkButton()->geometry().bottom());
}

QTEST_MAIN(MessageWindowTest)
#include "message_window_test.moc"
