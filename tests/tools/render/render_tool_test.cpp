// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-render's command line: the common arguments, a view's own options, refusals that write
// no file, and a real picture of a sample folder.
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "core/graphs/daily_graph_kinds.h"
#include "core/publishing/picture_text.h"
#include "core/solar/ephemeris.h"

#include "core/data/data_file.h"
#include "core/data/picture_output.h"
#include "core/data/record_fields.h"
#include "core/text/dates.h"
#include "render/render_run.h"
#include "sample/sample_database.h"
#include "views/render_view.h"

using namespace ardeno;
using namespace ardeno::render;

namespace {

struct RunResult {
  int Status = 0;
  std::string Out;
  std::string Err;
};

RunResult Run(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunRender(args, out, err);
  return {status, out.str(), err.str()};
}

int CountNonWhite(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) ++count;
  return count;
}

}  // namespace

class RenderToolTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;
  std::string m_folder;

  std::string OutPath(const char* name) const { return m_dir.filePath(name).toStdString(); }

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    m_folder = m_dir.filePath("data").toStdString();
    WriteSampleFolder(m_folder, 30, 7);
  }

  // The month given on the command line, or the last drawing's by default, is not asked for.
  void reportMonthFromTheOptionsIsNotAsked_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("monthGiven");
    for (const char* report : {"own", "sidc", "cv"}) {
      QTest::addRow("%s, month given", report) << report << true;
      QTest::addRow("%s, last drawing's month", report) << report << false;
    }
  }
  void reportMonthFromTheOptionsIsNotAsked() {
    QFETCH(QString, report);
    QFETCH(bool, monthGiven);
    Database db;
    LoadDatabase(db, m_folder, CalendarDate{2026, 1, 1});
    const auto first = RecordDate(db.Record(1));
    QVERIFY(first.has_value());
    std::vector<std::string> args{"report", m_folder, OutPath("vykaz.png"), "--report",
                                  report.toStdString()};
    if (monthGiven) {
      for (const std::string& option : {std::string("--month"), std::to_string(first->Month),
                                        std::string("--year"), std::to_string(first->Year)})
        args.push_back(option);
    }
    const RunResult run = Run(args);
    QVERIFY2(run.Status == 0, run.Err.c_str());
    QVERIFY2(run.Err.find("Zadej") == std::string::npos, run.Err.c_str());
    QVERIFY(QFile::exists(m_dir.filePath("vykaz.png")));
  }

  void sizeText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("expected");  // invalid: refused
    QTest::newRow("usual") << "1600x1000" << QSize(1600, 1000);
    QTest::newRow("one pixel") << "1x1" << QSize(1, 1);
    QTest::newRow("largest side") << "16000x5" << QSize(16000, 5);
    QTest::newRow("side too large") << "16001x5" << QSize();
    QTest::newRow("zero width") << "0x5" << QSize();
    QTest::newRow("capital X") << "10X10" << QSize();
    QTest::newRow("missing height") << "10x" << QSize();
    QTest::newRow("third part") << "10x10x10" << QSize();
    QTest::newRow("negative") << "-10x10" << QSize();
    QTest::newRow("words") << "velky" << QSize();
  }
  void sizeText() {
    QFETCH(QString, text);
    QFETCH(QSize, expected);
    const std::optional<QSize> parsed = ParseSize(text.toStdString());
    QCOMPARE(parsed.has_value(), expected.isValid());
    if (parsed) QCOMPARE(*parsed, expected);
  }

  void refusals_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown view") << QStringList{"nic", "DATA", "OUT"} << "Neznámý pohled: nic";
    QTest::newRow("too few arguments") << QStringList{"drawing", "DATA"} << "Chybí pohled";
    QTest::newRow("unknown option")
        << QStringList{"drawing", "DATA", "OUT", "--barva", "1"} << "nezná volbu --barva";
    QTest::newRow("option without value")
        << QStringList{"drawing", "DATA", "OUT", "--record"} << "chybí hodnota";
    QTest::newRow("number expected")
        << QStringList{"drawing", "DATA", "OUT", "--record", "x1"} << "čeká celé číslo";
    QTest::newRow("choice not offered")
        << QStringList{"drawing", "DATA", "OUT", "--picture", "ano"} << "možnosti: no, yes";
    QTest::newRow("bad size") << QStringList{"drawing", "DATA", "OUT", "--size", "800*600"}
                              << "Neplatná velikost";
    QTest::newRow("record outside the database")
        << QStringList{"drawing", "DATA", "OUT", "--record", "31"} << "Záznam 31 neexistuje";
    QTest::newRow("missing folder")
        << QStringList{"drawing", "NOWHERE", "OUT"} << "Složka s daty neexistuje";
    QTest::newRow("folder without data")
        << QStringList{"drawing", "EMPTY", "OUT"} << "není soubor datax.dat";
  }
  void refusals() {
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QDir(m_dir.path()).mkpath("empty");
    const std::string out = OutPath("refused.png");
    std::vector<std::string> argv;
    for (const QString& arg : args) {
      if (arg == "DATA")
        argv.push_back(m_folder);
      else if (arg == "NOWHERE")
        argv.push_back(OutPath("nowhere"));
      else if (arg == "EMPTY")
        argv.push_back(OutPath("empty"));
      else if (arg == "OUT")
        argv.push_back(out);
      else
        argv.push_back(arg.toStdString());
    }
    const RunResult result = Run(argv);
    QCOMPARE(result.Status, 1);
    QVERIFY2(QString::fromStdString(result.Err).contains(message), result.Err.c_str());
    QVERIFY(!QFile::exists(QString::fromStdString(out)));
  }

  void helpListsEveryViewAndOption() {
    const RunResult result = Run({"help"});
    QCOMPARE(result.Status, 0);
    QVERIFY(!Views().empty());
    for (const auto& [name, view] : Views()) {
      QVERIFY2(result.Out.find("  " + name + "  ") != std::string::npos, name.c_str());
      for (const ViewOption& option : view.Options)
        QVERIFY(result.Out.find("--" + option.Name + " ") != std::string::npos);
    }
  }

  // The PNG is exactly the requested client area, and the drawing really is in it: the chosen
  // record's picture differs from another record's.
  void drawingOfARecord() {
    const std::string first = OutPath("first.png");
    const std::string last = OutPath("last.png");
    RunResult result = Run({"drawing", m_folder, first, "--size", "640x560", "--record", "1"});
    QCOMPARE(result.Status, 0);
    result = Run({"drawing", m_folder, last, "--size", "640x560"});
    QCOMPARE(result.Status, 0);
    QCOMPARE(result.Out, last + " 640x560\n");
    const QImage a(QString::fromStdString(first));
    const QImage b(QString::fromStdString(last));
    QCOMPARE(a.size(), QSize(640, 560));
    QCOMPARE(b.size(), QSize(640, 560));
    QVERIFY(CountNonWhite(a) > 1000);
    QVERIFY(a != b);
  }

  void dataOfEveryPlottingView_data() {
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("header");
    const QString marks = "otocka;delka;sirka;sirka_do;skupina;druh;hodnota";
    const QString maps = "otocka;delka;sirka;skupina;druh";
    QTest::newRow("daily-graph") << "daily-graph"
                                 << "datum;celkem;sever;jih";
    QTest::newRow("smoothed-graph") << "smoothed-graph"
                                    << "mesic;mesicni_prumer;vyhlazeny";
    QTest::newRow("asymmetry-graph") << "asymmetry-graph"
                                     << "datum;asymetrie";
    // A month of drawings has no 13-month smoothed value to compare.
    QTest::newRow("smoothed-comparison") << "smoothed-comparison"
                                         << "mesic";
    QTest::newRow("butterfly") << "butterfly" << marks;
    QTest::newRow("map") << "map" << maps;
    QTest::newRow("long-map") << "long-map" << maps;
    QTest::newRow("high-map") << "high-map" << maps;
    QTest::newRow("two-maps") << "two-maps" << maps;
    QTest::newRow("map-comparison") << "map-comparison" << maps;
    QTest::newRow("corona-graph") << "corona-graph"
                                  << "datum;sektor;intenzita";
    QTest::newRow("corona-butterfly") << "corona-butterfly" << marks;
  }
  void dataOfEveryPlottingView() {
    QFETCH(QString, view);
    QFETCH(QString, header);
    const std::string png = OutPath(("data-" + view.toStdString() + ".png").c_str());
    const std::string csv = OutPath(("data-" + view.toStdString() + ".csv").c_str());
    const RunResult result = Run({view.toStdString(), m_folder, png, "--data", csv});
    QVERIFY2(result.Status == 0, result.Err.c_str());
    QFile file(QString::fromStdString(csv));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QVERIFY2(lines.size() > (view == "smoothed-comparison" ? 1 : 2), "a header and rows");
    QVERIFY2(lines[0].startsWith(header.toUtf8()), lines[0].constData());
    QVERIFY(lines[0].endsWith('\r'));
    const int columns = static_cast<int>(lines[0].count(';'));
    for (int i = 1; i + 1 < lines.size(); ++i)
      QCOMPARE(static_cast<int>(lines[i].count(';')), columns);
  }

  void dailyDataAreTheRecordsValues() {
    const std::string csv = OutPath("daily-g.csv");
    const RunResult result =
        Run({"daily-graph", m_folder, OutPath("daily-g.png"), "--index", "g", "--data", csv});
    QCOMPARE(result.Status, 0);
    Database db;
    LoadDatabase(db, m_folder, CalendarDate{2026, 1, 1});
    QFile file(QString::fromStdString(csv));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), db.RecordCount + 1);
    for (int i = 1; i <= db.RecordCount; ++i) {
      const ObservationRecord& record = db.Record(i);
      const int north = record.ResultWord(kGroupsN);
      const int south = record.ResultWord(kGroupsS);
      const QByteArray expected = QByteArray::fromStdString(record.Date()) + ";" +
                                  QByteArray::number(north + south) + ";" +
                                  QByteArray::number(north) + ";" + QByteArray::number(south);
      QCOMPARE(lines[i].trimmed(), expected);
    }
  }

  void viewsWithoutPlottedNumbersRefuseData() {
    const std::string png = OutPath("nodata.png");
    const std::string csv = OutPath("nodata.csv");
    const RunResult result = Run({"drawing", m_folder, png, "--data", csv});
    QCOMPARE(result.Status, 1);
    QVERIFY2(result.Err.find("volba --data u něj není") != std::string::npos, result.Err.c_str());
    QVERIFY(!QFile::exists(QString::fromStdString(png)));
    QVERIFY(!QFile::exists(QString::fromStdString(csv)));
  }

  // A figure for a paper: the daily graph's panel title is a <text> element of the SVG, not
  // pixels, and the curves are paths.
  void svgOfTheDailyGraphHoldsItsTitleAsText() {
    const std::string out = OutPath("denni.svg");
    const RunResult result = Run({"daily-graph", m_folder, out, "--index", "g"});
    QVERIFY2(result.Status == 0, result.Err.c_str());
    QFile file(QString::fromStdString(out));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList texts;
    int lines = 0;
    while (!xml.atEnd()) {
      xml.readNext();
      if (!xml.isStartElement()) continue;
      if (xml.name() == u"text")
        texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
      if (xml.name() == u"path" || xml.name() == u"polyline") ++lines;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    const QString title = QString::fromUtf8(DailyGraphInfoOf(DailyGraph::G).Title.data(),
                                            DailyGraphInfoOf(DailyGraph::G).Title.size());
    QVERIFY(!title.isEmpty());
    QVERIFY2(texts.filter(title).size() >= 1, qPrintable(texts.join(" | ")));
    QVERIFY(texts.filter("SEVER").size() >= 1);
    QVERIFY(lines > 3);
  }

  // The PDF holds the same words as text (poppler's pdftotext reads them) and its page, rendered
  // by pdftoppm, shows the graph.
  void pdfOfTheDailyGraphHasTextAndThePicture() {
    const QString toText = QStandardPaths::findExecutable("pdftotext");
    const QString toPicture = QStandardPaths::findExecutable("pdftoppm");
    if (toText.isEmpty() || toPicture.isEmpty()) QSKIP("poppler-utils are not installed");
    const std::string out = OutPath("denni.pdf");
    const RunResult result =
        Run({"daily-graph", m_folder, out, "--index", "g", "--size", "800x500"});
    QVERIFY2(result.Status == 0, result.Err.c_str());
    QCOMPARE(result.Out, out + " 800x500\n");
    QProcess text;
    text.start(toText, {QString::fromStdString(out), "-"});
    QVERIFY(text.waitForFinished(60000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(words.contains("SEVER + JIH"), qPrintable(words));
    QVERIFY2(words.contains("Leden"), qPrintable(words));
    QProcess page;
    const QString prefix = m_dir.filePath("denni-page");
    page.start(toPicture, {"-png", "-r", "96", "-singlefile", QString::fromStdString(out), prefix});
    QVERIFY(page.waitForFinished(60000));
    const QImage rendered(prefix + ".png");
    QVERIFY(!rendered.isNull());
    QVERIFY(qAbs(rendered.width() - 800) <= 2);
    QVERIFY(qAbs(rendered.height() - 500) <= 2);
    QVERIFY(Run({"daily-graph", m_folder, OutPath("denni-pixels.png"), "--index", "g", "--size",
                 "800x500"})
                .Status == 0);
    const QImage png(QString::fromStdString(OutPath("denni-pixels.png")));
    // The same painting: about as many inked pixels as the PNG (antialiased text differs a bit).
    const int inkedPdf = CountNonWhite(rendered);
    const int inkedPng = CountNonWhite(png);
    QVERIFY2(inkedPdf > inkedPng / 2 && inkedPdf < inkedPng * 2,
             qPrintable(QString("%1 %2").arg(inkedPdf).arg(inkedPng)));
  }

  // --dpi scales the window's picture for print and says its resolution in the file; vector
  // files and absurd sizes are refused before anything is written.
  void printResolution_data() {
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("dpi");
    QTest::addColumn<QSize>("pixels");  // invalid: refused
    QTest::addColumn<QString>("message");
    QTest::newRow("screen") << "dpi96.png"
                            << "96" << QSize(400, 300) << "";
    QTest::newRow("print") << "dpi300.png"
                           << "300" << QSize(1250, 938) << "";
    QTest::newRow("below screen") << "dpi72.png"
                                  << "72" << QSize() << "96 až 1200";
    QTest::newRow("above the limit") << "dpi2400.png"
                                     << "2400" << QSize() << "96 až 1200";
    QTest::newRow("not a number") << "dpix.png"
                                  << "300dpi" << QSize() << "96 až 1200";
    QTest::newRow("vector") << "dpi.svg"
                            << "300" << QSize() << "jen pro obrázky z bodů";
    QTest::newRow("too many pixels") << "dpibig.png"
                                     << "1200" << QSize() << "víc než 16000";
  }
  void printResolution() {
    QFETCH(QString, output);
    QFETCH(QString, dpi);
    QFETCH(QSize, pixels);
    QFETCH(QString, message);
    const std::string out = OutPath(output.toUtf8().constData());
    const std::string size = output == "dpibig.png" ? "2000x1000" : "400x300";
    const RunResult result =
        Run({"drawing", m_folder, out, "--size", size, "--dpi", dpi.toStdString()});
    if (!pixels.isValid()) {
      QCOMPARE(result.Status, 1);
      QVERIFY2(QString::fromStdString(result.Err).contains(message), result.Err.c_str());
      QVERIFY(!QFile::exists(QString::fromStdString(out)));
      return;
    }
    QVERIFY2(result.Status == 0, result.Err.c_str());
    const QImage image(QString::fromStdString(out));
    QCOMPARE(image.size(), pixels);
    QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), dpi.toInt());
    QVERIFY(CountNonWhite(image) > 1000);
  }

  // Every view paints into an SVG and a PDF through the same paint function.
  void everyViewWritesSvgAndPdf() {
    for (const auto& [name, view] : Views()) {
      for (const char* extension : {".svg", ".pdf"}) {
        const std::string out = OutPath(("vector-" + name + extension).c_str());
        const RunResult result = Run({name, m_folder, out, "--size", "400x300"});
        QVERIFY2(result.Status == 0, (name + ": " + result.Err).c_str());
        QVERIFY(HoldsPictureOf(out, *PictureFormatOf(out)));
      }
    }
  }

  // A drawing's PNG and JPG say which drawing they show: the record's L0 to 0.01 degree, its
  // date and UT, and how to paint the picture again.
  void drawingPicturesCarryTheirRecordsFacts_data() {
    QTest::addColumn<QString>("output");
    QTest::newRow("png") << "fakta.png";
    QTest::newRow("jpg") << "fakta.jpg";
  }
  void drawingPicturesCarryTheirRecordsFacts() {
    QFETCH(QString, output);
    const std::string out = OutPath(output.toUtf8().constData());
    QCOMPARE(Run({"drawing", m_folder, out, "--size", "400x340", "--record", "5"}).Status, 0);
    std::ifstream in(out, std::ios::binary);
    const auto read = DescribePicture(in);
    QVERIFY(std::holds_alternative<PictureDescription>(read));
    const PictureFacts& facts = std::get<PictureDescription>(read).Facts;
    Database db;
    LoadDatabase(db, m_folder, CalendarDate{2026, 1, 1});
    const ObservationRecord& record = db.Record(5);
    const std::optional<SolarEphemeris> eph = RecordEphemeris(record);
    QVERIFY(eph.has_value());
    QVERIFY(FactValue(facts, kFactL0) != nullptr);
    QVERIFY(qAbs(std::stod(*FactValue(facts, kFactL0)) - eph->EphL0) <= 0.01);
    QCOMPARE(*FactValue(facts, kFactDate), record.Date());
    QCOMPARE(*FactValue(facts, kFactRotation), std::to_string(eph->RotationNumber));
    QCOMPARE(*FactValue(facts, kFactObserver), record.Observer());
    QCOMPARE(*FactValue(facts, kFactView), std::string("drawing --record 5 --picture no"));
    // libpng (through Qt) reads the same chunks: they are valid PNG text.
    if (output.endsWith(".png"))
      QCOMPARE(QImage(QString::fromStdString(out)).text("L0").toStdString(),
               *FactValue(facts, kFactL0));
  }

  // A graph's picture names its period: the first and the last drawing of the folder.
  void graphPictureCarriesItsPeriod() {
    const std::string out = OutPath("obdobi.png");
    QCOMPARE(Run({"daily-graph", m_folder, out, "--size", "400x300"}).Status, 0);
    std::ifstream in(out, std::ios::binary);
    const auto read = DescribePicture(in);
    QVERIFY(std::holds_alternative<PictureDescription>(read));
    const PictureFacts& facts = std::get<PictureDescription>(read).Facts;
    Database db;
    LoadDatabase(db, m_folder, CalendarDate{2026, 1, 1});
    QVERIFY(FactValue(facts, kFactPeriod) != nullptr);
    QCOMPARE(*FactValue(facts, kFactPeriod),
             db.Record(1).Date() + " - " + db.Record(db.RecordCount).Date());
    QVERIFY(FactValue(facts, kFactL0) == nullptr);
  }

  void everyViewPaintsItsDefaultPicture() {
    for (const auto& [name, view] : Views()) {
      const std::string out = OutPath(("default-" + name + ".png").c_str());
      const RunResult result = Run({name, m_folder, out, "--size", "400x300"});
      QVERIFY2(result.Status == 0, (name + ": " + result.Err).c_str());
      const QImage image(QString::fromStdString(out));
      QCOMPARE(image.size(), QSize(400, 300));
      QVERIFY2(CountNonWhite(image) > 0, name.c_str());
    }
  }
};

QTEST_MAIN(RenderToolTest)
#include "render_tool_test.moc"
