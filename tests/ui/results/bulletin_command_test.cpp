// SPDX-License-Identifier: GPL-3.0-or-later
// "Bulletin měsíce" of the results window: the month asked as for the reports, the bulletin
// written from the saved data into Bulletin/YYYY-MM of the data folder, and what stops it said.
#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "support/app_run.h"
#include "support/database_builders.h"
#include "ui/results/results_window.h"

namespace fs = std::filesystem;
using namespace ardeno;

namespace {

struct Call {
  int Calls = 0;
  ReportMonth Month;
  fs::path Out;
};

// A writer that records what it was asked and answers with `error`.
void RecordingWriter(test::AppRun& app, Call& call, std::optional<std::string> error) {
  app.Ctx.WriteBulletin = [&call, error](const ReportMonth& month, const fs::path& out, bool,
                                         std::vector<std::string>& messages, bool&) {
    ++call.Calls;
    call.Month = month;
    call.Out = out;
    messages.push_back("Q01 vynechána");
    return error;
  };
}

}  // namespace

class BulletinCommandTest : public QObject {
  Q_OBJECT
 private slots:
  void writesTheAskedMonthIntoItsFolder() {
    QTemporaryDir temp;
    const fs::path dir = temp.path().toStdString();
    test::AppRun app(dir);
    app.Db = test::ConsecutiveDays(70);  // 1 January to 10 March 2000
    Call call;
    RecordingWriter(app, call, std::nullopt);
    ResultsWindow window(app.Ctx);
    // A month without drawings is asked again, as for the reports.
    app.Msg.Values = {"5.2000", "2.2000"};
    window.MenuAction("bulletin")->trigger();
    QCOMPARE(call.Calls, 1);
    QCOMPARE(call.Month.Key(), 200002);
    QCOMPARE(call.Out, dir / "Bulletin" / "2000-02");
    QCOMPARE(app.Msg.ShownMessages.size(), 1);
    QVERIFY(app.Msg.ShownMessages.last().contains("2000-02"));
    QVERIFY(app.Msg.ShownMessages.last().contains("Q01 vynechána"));
  }

  void whatStopsItIsSaid_data() {
    QTest::addColumn<bool>("writerSet");
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("message");  // empty: nothing shown
    QTest::addColumn<int>("calls");
    QTest::newRow("no writer in this build") << false << false << "2.2000"
                                             << ""
                                             << "není k dispozici" << 0;
    QTest::newRow("unsaved changes") << true << true << "2.2000"
                                     << ""
                                     << "nejdřív ulož změny" << 0;
    QTest::newRow("cancelled") << true << false << ""
                               << ""
                               << "" << 0;
    QTest::newRow("refused folder") << true << false << "2.2000"
                                    << "není to soubor bulletinu"
                                    << "není to soubor bulletinu" << 1;
  }
  void whatStopsItIsSaid() {
    QFETCH(bool, writerSet);
    QFETCH(bool, unsaved);
    QFETCH(QString, answer);
    QFETCH(QString, error);
    QFETCH(QString, message);
    QFETCH(int, calls);
    QTemporaryDir temp;
    test::AppRun app(temp.path().toStdString());
    app.Db = test::ConsecutiveDays(70);
    app.Db.DataChanged = unsaved;
    Call call;
    if (writerSet)
      RecordingWriter(app, call,
                      error.isEmpty() ? std::nullopt : std::optional(error.toStdString()));
    ResultsWindow window(app.Ctx);
    app.Msg.Values = {answer};
    window.MenuAction("bulletin")->trigger();
    QCOMPARE(call.Calls, calls);
    if (message.isEmpty()) {
      QVERIFY(app.Msg.ShownMessages.isEmpty());
    } else {
      QCOMPARE(app.Msg.ShownMessages.size(), 1);
      QVERIFY2(app.Msg.ShownMessages[0].contains(message), qPrintable(app.Msg.ShownMessages[0]));
    }
  }

  // A page or picture there that no bulletin wrote: asked, and replaced only on "yes".
  void asksBeforeReplacingAForeignFile_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("replaced") << true;
    QTest::newRow("kept") << false;
  }
  void asksBeforeReplacingAForeignFile() {
    QFETCH(bool, yes);
    QTemporaryDir temp;
    test::AppRun app(temp.path().toStdString());
    app.Db = test::ConsecutiveDays(70);
    std::vector<bool> replaceAsked;
    app.Ctx.WriteBulletin = [&replaceAsked](const ReportMonth&, const fs::path&, bool replace,
                                            std::vector<std::string>&, bool& foreign) {
      replaceAsked.push_back(replace);
      foreign = !replace;
      return replace ? std::nullopt
                     : std::optional<std::string>("index.html není to soubor bulletinu");
    };
    ResultsWindow window(app.Ctx);
    app.Msg.Values = {"2.2000"};
    app.Msg.Choices = {yes};
    window.MenuAction("bulletin")->trigger();
    QCOMPARE(app.Msg.Questions.size(), 1);
    QVERIFY(app.Msg.Questions[0].contains("není to soubor bulletinu"));
    QCOMPARE(replaceAsked, yes ? std::vector<bool>({false, true}) : std::vector<bool>({false}));
  }
};

QTEST_MAIN(BulletinCommandTest)
#include "bulletin_command_test.moc"
