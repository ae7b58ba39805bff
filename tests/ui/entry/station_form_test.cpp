// SPDX-License-Identifier: GPL-3.0-or-later
// "Stanice" in the menu Zadávání: the form shows what the station's files hold, writes back the
// lines it shows and nothing else, refuses what a report could not carry with the files
// unchanged, and fits the smallest screen.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "support/database_builders.h"
#include "support/main_frame.h"
#include "support/scripted_messages.h"
#include "ui/entry/station_form.h"

namespace fs = std::filesystem;
using namespace ardeno;

namespace {

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// A folder with one drawing, so that the start asks nothing.
struct Frame : test::MainFrame {
  explicit Frame(const fs::path& dir)
      : MainFrame(dir, {test::HemisphereCountsRecord("03.03.2014", 1, 0)}) {}
  StationForm* OpenForm() {
    Window.Action("stanice")->trigger();
    return Window.findChild<StationForm*>("Stanice");
  }
};

}  // namespace

class StationFormTest : public QObject {
  Q_OBJECT
 private slots:
  void ShowsTheFilesAndWritesOnlyTheLinesItShows() {
    QTemporaryDir temp;
    const fs::path dir = temp.path().toStdString();
    WriteBytes(dir / "Site.txt", "11001\r\nABC\r\n");
    WriteBytes(dir / "DataproCSV.txt", "Ondrejov\r\n123\r\nkept third line\r\n");
    Frame f(dir);
    StationForm* form = f.OpenForm();
    QVERIFY(form != nullptr);
    QCOMPARE(form->Field("IndikatorUssps")->text(), QString("11001"));
    QCOMPARE(form->Field("KodAavso")->text(), QString("ABC"));
    QCOMPARE(form->Field("Nazev")->text(), QString("Ondrejov"));
    QCOMPARE(form->Field("KodSidc")->text(), QString());
    QVERIFY(form->Problems()->isHidden());
    // A second command brings the same form forward.
    QCOMPARE(f.OpenForm(), form);
    form->Field("KodSidc")->setText("ONDR");
    form->Field("Sirka")->setText("49,91");
    form->Field("Delka")->setText("14.78");
    form->Field("Popis")->setText("Refraktor 150/2250");
    QPointer<StationForm> watched(form);
    f.Msg.ShownMessages.clear();
    form->findChild<QPushButton*>("Ulozit")->click();
    QVERIFY(f.Msg.ShownMessages.isEmpty());
    QCOMPARE(FileBytes(dir / "Site.txt"), std::string("11001\r\nABC\r\nONDR\r\n"));
    // The name and number did not change: their file keeps its bytes, its third line too.
    QCOMPARE(FileBytes(dir / "DataproCSV.txt"),
             std::string("Ondrejov\r\n123\r\nkept third line\r\n"));
    QCOMPARE(FileBytes(dir / "stanice.dat"), std::string("49.9100\r\n14.7800\r\n"));
    QVERIFY(FileBytes(dir / "Popis.txt").ends_with("\r\nRefraktor 150/2250\r\n"));
    QTRY_VERIFY(watched.isNull());
    // Opened again, the form reads what it wrote.
    form = f.OpenForm();
    QCOMPARE(form->Field("KodSidc")->text(), QString("ONDR"));
    QCOMPARE(form->Field("Sirka")->text(), QString("49.9100"));
    // The CV header's lines come before the description, in the file's code page.
    form->Field("CvPozorovatel")->setText("Jiří Novák");
    form->Field("CvMetoda")->setText("projekce");
    watched = form;
    form->findChild<QPushButton*>("Ulozit")->click();
    QCOMPARE(FileBytes(dir / "Popis.txt"),
             std::string("\r\n\r\nJi\xF8\xED Nov\xE1k\r\n\r\n\r\nprojekce\r\n"
                         "Refraktor 150/2250\r\n"));
    QTRY_VERIFY(watched.isNull());
    QCOMPARE(f.OpenForm()->Field("CvPozorovatel")->text(), QString("Jiří Novák"));
  }

  void RefusesWhatAReportCannotCarryAndKeepsTheFiles() {
    QTemporaryDir temp;
    const fs::path dir = temp.path().toStdString();
    WriteBytes(dir / "Site.txt", "11001\r\nABC\r\n");
    Frame f(dir);
    StationForm* form = f.OpenForm();
    form->Field("KodSidc")->setText("ONDŘEJOV");
    form->Field("Sirka")->setText("49.91");  // a latitude without a longitude
    QVERIFY(!form->Save());
    QVERIFY(f.Msg.ShownMessages.last().contains("bez diakritiky"));
    QVERIFY(form->isVisible());
    QCOMPARE(FileBytes(dir / "Site.txt"), std::string("11001\r\nABC\r\n"));
    QVERIFY(!fs::exists(dir / "stanice.dat"));
  }

  void NamesAFileItCannotRead() {
    QTemporaryDir temp;
    const fs::path dir = temp.path().toStdString();
    WriteBytes(dir / "stanice.dat", "north\r\n");
    Frame f(dir);
    StationForm* form = f.OpenForm();
    QVERIFY(!form->Problems()->isHidden());
    QVERIFY(form->Problems()->text().contains("stanice.dat"));
  }

  void FitsTheSmallestScreen() {
    QTemporaryDir temp;
    Frame f(temp.path().toStdString());
    StationForm* form = f.OpenForm();
    const QSize size = form->sizeHint();
    QVERIFY2(size.width() <= 1024 && size.height() <= 740,
             qPrintable(QString("%1 x %2").arg(size.width()).arg(size.height())));
  }
};

QTEST_MAIN(StationFormTest)
#include "station_form_test.moc"
