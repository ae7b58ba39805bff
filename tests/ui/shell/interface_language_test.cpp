// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the windows: --lang, then the kept choice, then the system locale, Czech unless
// something asks for English; the English texts are compiled into the program.
#include <QCoreApplication>
#include <QTest>

#include "core/data/data_file.h"
#include "core/data/data_folder.h"
#include "core/text/core_text.h"
#include "ui/shell/interface_language.h"

using namespace ardeno;

class InterfaceLanguageTest : public QObject {
  Q_OBJECT
 private slots:
  void ChoosesByOptionThenKeptChoiceThenLocale_data();
  void ChoosesByOptionThenKeptChoiceThenLocale();
  void LanguageOptionIsTakenOutOfTheArguments();
  void EnglishTextsAreCompiledIn();
  void CoreMessagesFollowTheMessageLanguage();
};

void InterfaceLanguageTest::ChoosesByOptionThenKeptChoiceThenLocale_data() {
  QTest::addColumn<QString>("asked");
  QTest::addColumn<QString>("kept");
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("chosen");
  QTest::newRow("nothing, Czech system") << ""
                                         << ""
                                         << "cs_CZ"
                                         << "cs";
  QTest::newRow("nothing, English system") << ""
                                           << ""
                                           << "en_GB"
                                           << "en";
  QTest::newRow("nothing, German system stays Czech") << ""
                                                      << ""
                                                      << "de_DE"
                                                      << "cs";
  QTest::newRow("C locale stays Czech") << ""
                                        << ""
                                        << "C"
                                        << "cs";
  QTest::newRow("kept English on a Czech system") << ""
                                                  << "en"
                                                  << "cs_CZ"
                                                  << "en";
  QTest::newRow("kept Czech on an English system") << ""
                                                   << "cs"
                                                   << "en_US"
                                                   << "cs";
  QTest::newRow("unknown kept value follows the system") << ""
                                                         << "fr"
                                                         << "en_US"
                                                         << "en";
  QTest::newRow("option beats the kept choice") << "cs"
                                                << "en"
                                                << "en_US"
                                                << "cs";
}

void InterfaceLanguageTest::ChoosesByOptionThenKeptChoiceThenLocale() {
  QFETCH(QString, asked);
  QFETCH(QString, kept);
  QFETCH(QString, locale);
  QFETCH(QString, chosen);
  QCOMPARE(CodeOfLanguage(ChooseLanguage(LanguageOfCode(asked), kept, locale)), chosen);
}

void InterfaceLanguageTest::LanguageOptionIsTakenOutOfTheArguments() {
  bool error = true;
  QStringList arguments = {"ardeno", "--lang", "en", "/data"};
  QCOMPARE(TakeLanguageOption(arguments, error), InterfaceLanguage::English);
  QVERIFY(!error);
  QCOMPARE(arguments, QStringList({"ardeno", "/data"}));
  arguments = {"ardeno", "/data"};
  QVERIFY(!TakeLanguageOption(arguments, error).has_value());
  QVERIFY(!error);
  for (QStringList bad : {QStringList{"ardeno", "--lang", "de"}, QStringList{"ardeno", "--lang"}}) {
    QVERIFY(!TakeLanguageOption(bad, error).has_value());
    QVERIFY(error);
    QCOMPARE(bad, QStringList({"ardeno"}));
  }
}

void InterfaceLanguageTest::EnglishTextsAreCompiledIn() {
  QCOMPARE(QCoreApplication::translate("Ardeno", "&Zadávání"), QString("&Zadávání"));
  QVERIFY(InstallInterfaceLanguage(*QCoreApplication::instance(), InterfaceLanguage::English));
  QCOMPARE(ShownLanguage(), InterfaceLanguage::English);
  QCOMPARE(QCoreApplication::translate("Ardeno", "&Zadávání"), QString("&Entry"));
  QCOMPARE(QCoreApplication::translate("Ardeno", "Uložit data"), QString("Save data"));
  QCOMPARE(QCoreApplication::translate("ardeno::NetworkExportPanel", "Export pro sítě"),
           QString("Export for networks"));
}

// ardeno-cli sets the language of core's messages with no application object and no installed
// translator; Czech brings the source texts back.
void InterfaceLanguageTest::CoreMessagesFollowTheMessageLanguage() {
  const std::string missing = "/nonexistent/stanice";
  QVERIFY(UseMessageLanguage(InterfaceLanguage::English));
  QCOMPARE(QString::fromStdString(*DataFolderProblem(missing)),
           QString("The data folder does not exist: /nonexistent/stanice"));
  QCOMPARE(QString::fromStdString(CoreText("DataFile", kLoadFailedMessage)),
           QString("The file datax.dat could not be loaded at start-up, so the data are not saved, "
                   "so that the file is not overwritten. Repair access to the file and start the "
                   "program again."));
  {
    const CzechTexts forFile;
    QCOMPARE(QString::fromStdString(*DataFolderProblem(missing)),
             QString("Složka s daty neexistuje: /nonexistent/stanice"));
  }
  QVERIFY(UseMessageLanguage(InterfaceLanguage::Czech));
  QCOMPARE(ShownLanguage(), InterfaceLanguage::Czech);
  QCOMPARE(QString::fromStdString(*DataFolderProblem(missing)),
           QString("Složka s daty neexistuje: /nonexistent/stanice"));
}

QTEST_MAIN(InterfaceLanguageTest)
#include "interface_language_test.moc"
