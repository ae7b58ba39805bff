// SPDX-License-Identifier: GPL-3.0-or-later
// The monthly bulletin of March 2014 of the real-data sample (the NOAA regions of cycle 24 drawn
// by the sample's observers): the page holds the month's R and every drawing day, its pictures
// lie beside it and say what they show, and it is valid HTML5 by a strict parser.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "core/data/data_file.h"
#include "core/publishing/picture_text.h"
#include "core/quality/quality_finding.h"
#include "core/reference/source_day.h"
#include "core/reports/report_days.h"
#include "core/solar/ephemeris.h"
#include "core/text/number_format.h"
#include "sample/real_sample.h"
#include "ui/shell/interface_language.h"
#include "views/bulletin_writer.h"

using namespace ardeno;

namespace {

// A Python 3 with html5lib (Debian's python3-html5lib), or nothing.
QString PythonWithHtml5lib() {
  for (const QString& python : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
    QProcess probe;
    probe.start(python, {"-c", "import html5lib"});
    if (probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit &&
        probe.exitCode() == 0)
      return python;
  }
  return {};
}

}  // namespace

class BulletinTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;
  std::filesystem::path m_data;
  std::filesystem::path m_out;
  QString m_html;
  Database m_db;

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    m_data = m_dir.filePath("sample").toStdString();
    m_out = m_dir.filePath("bulletin/2014-03").toStdString();
    WriteRealSampleFolder(m_data, ARDENO_REFERENCE_DATA, 1);
    render::BulletinRun run;
    const auto error = render::WriteBulletin(m_data, {2014, 3}, m_out, run);
    QVERIFY2(!error, error ? error->c_str() : "");
    QVERIFY(!run.Written.empty());
    QCOMPARE(run.Written.back().filename().string(), std::string("index-en.html"));
    QFile page(QString::fromStdString((m_out / "index.html").string()));
    QVERIFY(page.open(QIODevice::ReadOnly));
    m_html = QString::fromUtf8(page.readAll());
    LoadDatabase(m_db, m_data, CalendarDate{2026, 1, 1});
  }

  // The month's R, computed here from the day records' own R (the first drawing of each day).
  void holdsTheMonthsR() {
    const ReportDays days = MatchReportDays(m_db, {2014, 3});
    double sum = 0;
    int count = 0;
    for (int day = 1; day <= days.DayCount; ++day) {
      if (const int index = days.RecordOn(day)) {
        sum +=
            m_db.Record(index).ResultWord(kRelativeN) + m_db.Record(index).ResultWord(kRelativeS);
        ++count;
      }
    }
    QVERIFY(count > 20);
    const QString monthR = QString::fromStdString(FormatFloat("0.0", sum / count));
    QVERIFY2(m_html.contains("R = " + monthR), qPrintable(monthR));
    // The NOAA days import-groups filled in are not the station's: the page says they are out.
    QCOMPARE(days.Catalogue.size(), std::size_t{10});
    QVERIFY2(m_html.contains(QString("(průměr %1 vlastních zákresů; katalogové dny NOAA/RGO "
                                     "vynechány: 10)")
                                 .arg(count)),
             qPrintable(m_html.left(2000)));
  }

  // Every day of March 2014 with a drawing has its thumbnail linked to its full drawing, and
  // both pictures are there.
  void holdsEveryDrawingDay() {
    int days = 0;
    for (int i = 1; i <= m_db.RecordCount; ++i) {
      const std::string date = m_db.Record(i).Date();
      if (date.substr(2) != ".03.2014" || IsCatalogueRecord(m_db.Record(i))) continue;
      const QString stem = "2014-03-" + QString::fromStdString(date.substr(0, 2));
      QVERIFY2(m_html.contains("<a href=\"zakres-" + stem + ".png\"><img src=\"nahled-" + stem),
               qPrintable(stem));
      QVERIFY(m_html.contains(QString::fromStdString(date)));
      QVERIFY(QImage(QString::fromStdString(
                         (m_out / ("zakres-" + stem.toStdString() + ".png")).string()))
                  .size() == QSize(800, 680));
      ++days;
    }
    QVERIFY(days > 20);
  }

  // Self-contained: every picture the page names lies beside it, nothing is fetched, no script.
  void everyPictureIsBesideThePage() {
    QVERIFY(!m_html.contains("<script"));
    QVERIFY(!m_html.contains("http://") && !m_html.contains("https://"));
    const QRegularExpression source("src=\"([^\"]+)\"");
    int pictures = 0;
    for (auto match = source.globalMatch(m_html); match.hasNext(); ++pictures) {
      const QString file = match.next().captured(1);
      QVERIFY2(QFile::exists(QString::fromStdString(m_out.string()) + "/" + file),
               qPrintable(file));
    }
    QVERIFY(pictures >= 4 + 20);
  }

  // The thumbnails carry their drawing's facts like every picture of the program.
  void picturesSayWhatTheyShow() {
    std::ifstream in(m_out / "nahled-2014-03-10.png", std::ios::binary);
    const auto read = DescribePicture(in);
    QVERIFY(std::holds_alternative<PictureDescription>(read));
    const PictureFacts& facts = std::get<PictureDescription>(read).Facts;
    QVERIFY(FactValue(facts, kFactL0) != nullptr);
    QCOMPARE(*FactValue(facts, kFactDate), std::string("10.03.2014"));
  }

  void isValidHtml5() {
    const QString python = PythonWithHtml5lib();
    if (python.isEmpty()) QSKIP("python3-html5lib is not installed");
    for (const char* name : {"index.html", "index-en.html"}) {
      QProcess parse;
      parse.start(python, {"-c",
                           "import sys, html5lib\n"
                           "html5lib.HTMLParser(strict=True).parse(open(sys.argv[1], 'rb'))\n",
                           QString::fromStdString((m_out / name).string())});
      QVERIFY(parse.waitForFinished(60000));
      QVERIFY2(parse.exitCode() == 0, parse.readAllStandardError().constData());
    }
  }

  // The English page beside the Czech one, written while the interface speaks Czech: its texts,
  // the findings and the month in English, the same pictures, a link back.
  void hasItsEnglishPage() {
    QFile page(QString::fromStdString((m_out / "index-en.html").string()));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QVERIFY(html.startsWith("<!DOCTYPE html>\n<html lang=\"en\">"));
    QVERIFY2(html.contains("<h1>Sunspots: March 2014</h1>"), qPrintable(html.left(1500)));
    QVERIFY(html.contains("catalogue days left out: 10"));
    QVERIFY(html.contains("<h2>Findings of the plausibility checks</h2>"));
    QVERIFY(html.contains(" warning ") || html.contains(" error "));
    QVERIFY(html.contains("<a href=\"index.html\""));
    QVERIFY(m_html.contains("<a href=\"index-en.html\""));
    QVERIFY(html.contains("<img src=\"denni-r.png\""));
  }

  // The page is the observatory's: written while the interface speaks English (windows and
  // core) it is the same files byte for byte, the findings of the checks in the page and the
  // labels the windows paint into its pictures included.
  void isTheSameFileInEnglish() {
    QVERIFY2(m_html.contains(" Q0"), "the month needs a finding of the checks");
    QVERIFY(InstallInterfaceLanguage(*QCoreApplication::instance(), InterfaceLanguage::English));
    QCOMPARE(QString::fromStdString(SeverityText(Severity::Warning)), QString("warning"));
    const std::filesystem::path english = m_dir.filePath("english/2014-03").toStdString();
    render::BulletinRun run;
    const auto error = render::WriteBulletin(m_data, {2014, 3}, english, run);
    // The windows speak English again once the pictures are painted.
    const QString windowText = QCoreApplication::translate("Ardeno", "Číslo rotace  ");
    QVERIFY(InstallInterfaceLanguage(*QCoreApplication::instance(), InterfaceLanguage::Czech));
    QVERIFY2(!error, error ? error->c_str() : "");
    QCOMPARE(windowText, QString("Rotation number  "));
    QVERIFY(run.Written.size() > 3);
    for (const std::filesystem::path& written : run.Written) {
      const std::filesystem::path name = written.filename();
      QFile czech(QString::fromStdString((m_out / name).string()));
      QFile inEnglish(QString::fromStdString((english / name).string()));
      QVERIFY2(czech.open(QIODevice::ReadOnly) && inEnglish.open(QIODevice::ReadOnly),
               qPrintable(QString::fromStdString(name.string())));
      QVERIFY2(inEnglish.readAll() == czech.readAll(),
               qPrintable(QString::fromStdString(name.string())));
    }
  }

  // Written again over itself, refused over the data folder and over a stranger's file.
  void rewritesItselfAndNothingElse() {
    render::BulletinRun run;
    QVERIFY(!render::WriteBulletin(m_data, {2014, 3}, m_out, run));
    QVERIFY(render::WriteBulletin(m_data, {2014, 3}, m_data, run).has_value());
    const std::filesystem::path foreign = m_dir.filePath("foreign").toStdString();
    std::filesystem::create_directories(foreign);
    std::ofstream(foreign / "index.html") << "moje poznámky";
    const auto refused = render::WriteBulletin(m_data, {2014, 3}, foreign, run);
    QVERIFY(refused.has_value());
    QVERIFY(!std::filesystem::exists(foreign / "mapa.png"));
    const auto empty =
        render::WriteBulletin(m_data, {1990, 3}, m_dir.filePath("x").toStdString(), run);
    QVERIFY(empty.has_value());
    QVERIFY2(QString::fromStdString(*empty).contains("žádný zákres"), empty->c_str());
  }
};

QTEST_MAIN(BulletinTest)
#include "bulletin_test.moc"
