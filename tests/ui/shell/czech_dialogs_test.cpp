// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialogs speak Czech, and the question before a report file is written over keeps the
// file on Enter and shows its line break.
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "core/reports/sidc_report_file.h"
#include "ui/shell/czech_qt_texts.h"
#include "ui/shell/qt_platform_dialogs.h"

using namespace ardeno;

class CzechDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QVERIFY(InstallCzechQtTexts(*QCoreApplication::instance())); }
  void StandardButtonsAreCzech_data();
  void StandardButtonsAreCzech();
  void OverwriteQuestionIsYesNoWithNoTheDefault();
};

void CzechDialogsTest::StandardButtonsAreCzech_data() {
  QTest::addColumn<int>("button");
  QTest::addColumn<QString>("text");
  QTest::newRow("Yes") << int(QDialogButtonBox::Yes) << "Ano";
  QTest::newRow("No") << int(QDialogButtonBox::No) << "Ne";
  QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << "Zrušit";
}

void CzechDialogsTest::StandardButtonsAreCzech() {
  QFETCH(int, button);
  QFETCH(QString, text);
  const auto which = static_cast<QDialogButtonBox::StandardButton>(button);
  QDialogButtonBox box(which);
  QCOMPARE(box.button(which)->text().remove('&'), text);
}

void CzechDialogsTest::OverwriteQuestionIsYesNoWithNoTheDefault() {
  const auto box = OverwriteQuestionBox(nullptr, QString::fromUtf8(kSidcOverwriteQuestion));
  QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
  QCOMPARE(box->text(), QString("Soubor již existuje !\n   Přepsat?"));
  // Enter takes the default: the file stays.
  box->show();
  QTest::keyClick(box.get(), Qt::Key_Return);
  QCOMPARE(box->result(), int(QMessageBox::No));
}

QTEST_MAIN(CzechDialogsTest)
#include "czech_dialogs_test.moc"
