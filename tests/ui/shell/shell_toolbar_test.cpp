// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar panels and the view settings the main window keeps: button limits, forwarding to
// an attached analysis window, hints, and saving a window image.
#include <QLabel>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "core/data/data_file.h"
#include "core/publishing/picture_text.h"
#include "support/app_run.h"
#include "ui/drawing/drawing_window.h"
#include "ui/graphs/daily_graphs_window.h"
#include "ui/graphs/smoothed_graphs_window.h"
#include "ui/photo/photo_drawing_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/time_scrolled_window.h"
#include "ui/shell/toolbar_buttons.h"
#include "ui/shell/toolbar_panels.h"
#include "ui/shell/window_image.h"

namespace fs = std::filesystem;
using namespace ardeno;
using namespace ardeno::test;

namespace {

// An analysis window with a time axis, as the butterfly diagram has.
class FakeButterfly : public QWidget, public TimeScrolledWindow {
  Q_OBJECT
 public:
  int ScrollRange = 0;
  void SetTimeScrollRange(int range) override { ScrollRange = range; }
};

struct Frame : AppRun {
  explicit Frame(const fs::path& dir) : AppRun(dir), Window(Ctx) {
    ObservationRecord first;
    first.SetDate("01.01.2000");
    first.SetRadiusWord(125);
    ObservationRecord last = first;
    last.SetDate("31.12.2021");  // 8035 days later
    std::ofstream out(dir / kDataFileName, std::ios::binary);
    for (const auto* r : {&first, &last}) {
      out.write(reinterpret_cast<const char*>(r->Bytes.data()), kRecordSize);
    }
    out.close();
    Window.Start(QSize(1600, 1000));
  }
  QToolButton* Button(const char* name) { return Window.Toolbar()->Button(name); }
  MainWindow Window;
};

}  // namespace

class ShellToolbarTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { QVERIFY(m_dir.isValid()); }
  void ButterflyButtonsStopAtTheirBounds();
  void FaculaeWidthOnlyWithFaculaeShown();
  void CompressionButtonsAndDaySpan();
  void AreaMultipleTogglesCaptionAndValue();
  void ForwardsToTheAttachedWindowAndRestoresBasicPanel();
  void CommandsNotBuiltYetSayComingSoon();
  void GraphWindowsOpenWithTheirPanels();
  void FotoAndTheDrawingWindowsFKeyOpenOnePhotoWindow();
  void GraphPanelButtonsShowTheChosenGraphPressed();
  void HintsGoToTheMiddleStatusPanel();
  void BasicPanelWithReadableLabelsFitsTheSmallestScreen();
  void CorrectionWithoutChosenRecordOnlyShowsMessage();
  void WindowImageIsSavedAsJpgOnYes();
  void SavingSaysWhatWasSaved();

 private:
  QTemporaryDir m_dir;
};

void ShellToolbarTest::BasicPanelWithReadableLabelsFitsTheSmallestScreen() {
  Frame f(m_dir.path().toStdString());
  QWidget* basic = f.Window.Toolbar()->Panel(kBasicPanel);
  // The frame needs a screen 1024 pixels wide at least.
  QVERIFY2(basic->sizeHint().width() <= 1024,
           qPrintable(QString::number(basic->sizeHint().width())));
  // Words, not marks like "O", ">|" or "Or." (BMP and JPG name their file formats).
  for (const ToolbarButtonSpec& spec : BasicPanelButtons())
    QVERIFY2(QString::fromUtf8(spec.Caption).size() >= 3, spec.Name);
}

void ShellToolbarTest::ButterflyButtonsStopAtTheirBounds() {
  Frame f(m_dir.path().toStdString());
  FakeButterfly butterfly;
  f.Window.Toolbar()->ShowPanel(kButterflyPanel, &butterfly);
  QCOMPARE(f.Window.Toolbar()->VisiblePanel(), QString(kButterflyPanel));
  f.View.ButterflyTimeFactor = 1;
  f.Button("vlevo")->click();
  QCOMPARE(f.View.ButterflyTimeFactor, std::uint16_t(1));
  for (int i = 0; i < 6; ++i) f.Button("vpravo")->click();
  QCOMPARE(f.View.ButterflyTimeFactor, std::uint16_t(16));
  QCOMPARE(butterfly.ScrollRange, 16 * 1000 + 1000);
  f.View.ButterflyHeightScale = 9;
  f.Button("vetsi")->click();
  QCOMPARE(f.View.ButterflyHeightScale, 9);
  f.View.ButterflyHeightScale = 1;
  f.Button("mensi")->click();
  QCOMPARE(f.View.ButterflyHeightScale, 1);
  f.Button("vetsi")->click();
  QCOMPARE(f.View.ButterflyHeightScale, 2);
}

void ShellToolbarTest::FaculaeWidthOnlyWithFaculaeShown() {
  Frame f(m_dir.path().toStdString());
  FakeButterfly butterfly;
  f.Window.Toolbar()->ShowPanel(kButterflyPanel, &butterfly);
  f.Button("skvrny")->setChecked(true);
  f.Button("sirfakule")->click();
  QCOMPARE(f.View.FaculaeWidthFlag, std::uint16_t(0));
  QVERIFY(!f.Button("sirfakule")->isChecked());
  f.Button("fakule")->setChecked(true);
  f.Button("sirfakule")->click();
  QCOMPARE(f.View.FaculaeWidthFlag, std::uint16_t(1));
  QVERIFY(f.Button("sirfakule")->isChecked());
  f.Button("skvrfak")->setChecked(true);
  f.Button("sirfakule")->click();
  QCOMPARE(f.View.FaculaeWidthFlag, std::uint16_t(0));
}

void ShellToolbarTest::CompressionButtonsAndDaySpan() {
  Frame f(m_dir.path().toStdString());
  QWidget smoothed;
  f.Window.Toolbar()->ShowPanel(kSmoothedPanel, &smoothed);
  f.View.SmoothCompression = 16;
  f.Button("zmensit")->click();
  QCOMPARE(f.View.SmoothCompression, 16);
  // More than 8000 days at compression 1 would be too wide: it stays at 2.
  f.View.SmoothCompression = 1;
  f.Button("rozsirit")->click();
  QCOMPARE(f.View.DaySpan, 8035);
  QCOMPARE(f.View.SmoothCompression, 2);
}

void ShellToolbarTest::AreaMultipleTogglesCaptionAndValue() {
  Frame f(m_dir.path().toStdString());
  QWidget maps;
  f.Window.Toolbar()->ShowPanel(kMapsPanel, &maps);
  QCOMPARE(f.Button("SpeedButton6")->text(), QString("2x"));
  f.Button("SpeedButton6")->click();
  QCOMPARE(f.View.AreaMultiple, std::uint16_t(2));
  QCOMPARE(f.Button("SpeedButton6")->text(), QString("1x"));
  f.Button("SpeedButton6")->click();
  QCOMPARE(f.View.AreaMultiple, std::uint16_t(1));
  QCOMPARE(f.Button("SpeedButton6")->text(), QString("2x"));
  f.Button("vloztext")->click();
  QCOMPARE(f.View.InsertTextRequest, 1);
  QVERIFY(!f.Button("vloztext")->isEnabled());
  QVERIFY(f.Button("vloztext")->isChecked());
}

void ShellToolbarTest::ForwardsToTheAttachedWindowAndRestoresBasicPanel() {
  Frame f(m_dir.path().toStdString());
  auto* butterfly = new FakeButterfly;
  f.Window.Toolbar()->ShowPanel(kButterflyPanel, butterfly);
  // An operation the window does not offer is not reachable.
  QVERIFY(!f.Button("hranice")->isEnabled());
  QCOMPARE(f.Button("hranice")->toolTip(), ComingSoonHint());
  delete butterfly;
  QCOMPARE(f.Window.Toolbar()->VisiblePanel(), QString(kBasicPanel));
}

void ShellToolbarTest::CommandsNotBuiltYetSayComingSoon() {
  Frame f(m_dir.path().toStdString());
  for (const char* name : {"novy", "zvlastni", "oprava", "posledni1", "ulozitdat", "napoveda",
                           "map", "tisk1", "Ulozkresy", "motylek1"}) {
    QVERIFY2(f.Window.Action(name)->isEnabled(), name);
  }
  QVERIFY(f.Button("motylekz")->isEnabled());
  QCOMPARE(f.Button("motylekz")->toolTip(), QString("Motýlkový diagram (Ctrl+B)"));
  QVERIFY(f.Button("novyzakres")->isEnabled());
  // A command disabled while its editor is open gets its own hint back afterwards.
  QAction* novy = f.Window.Action("novy");
  novy->setEnabled(false);
  novy->setEnabled(true);
  QCOMPARE(f.Button("novyzakres")->toolTip(), QString("Nový  zákres (Ctrl+N)"));
  QCOMPARE(f.Button("opravazaz")->toolTip(), QString("Oprava  záznamu (Ctrl+O)"));
}

// "Foto" opens the photographed-drawing window in the frame; "F" in the drawing window opens a
// fresh one in its place.
void ShellToolbarTest::FotoAndTheDrawingWindowsFKeyOpenOnePhotoWindow() {
  Frame f(m_dir.path().toStdString());
  f.Window.show();
  QVERIFY(f.Button("zfota")->isEnabled());
  f.Button("zfota")->click();
  auto* first = f.Window.findChild<PhotoDrawingWindow*>("TForm11");
  QVERIFY(first != nullptr);
  QCOMPARE(first->windowTitle(), QString("Měření fakulí"));
  QPointer<PhotoDrawingWindow> firstKept(first);
  QTest::keyRelease(f.Window.Drawing(), Qt::Key_F);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(firstKept.isNull());
  QCOMPARE(f.Window.findChildren<PhotoDrawingWindow*>().size(), 1);
}

// "graf" opens the daily graphs with prografy, whose buttons choose the graph; "asyroz" the
// asymmetry graphs with provyhlazovaci; "Zavřít" brings the basic panel and the command back.
void ShellToolbarTest::GraphWindowsOpenWithTheirPanels() {
  Frame f(m_dir.path().toStdString());
  f.Window.show();
  f.Window.Action("graf")->trigger();
  auto* daily = f.Window.findChild<DailyGraphsWindow*>("TForm6");
  QVERIFY(daily != nullptr);
  QCOMPARE(f.Window.Toolbar()->VisiblePanel(), QString(kGraphsPanel));
  QVERIFY(!f.Window.Action("graf")->isEnabled());
  QVERIFY(f.Button("rb")->isEnabled());
  f.Button("rb")->click();
  QCOMPARE(daily->Plot().Graph(), DailyGraph::R);
  f.Button("jizni")->click();
  QCOMPARE(daily->View(), DailyView::South);
  f.Button("SpeedButton13")->click();
  QTRY_VERIFY(f.Window.findChild<DailyGraphsWindow*>("TForm6") == nullptr);
  QCOMPARE(f.Window.Toolbar()->VisiblePanel(), QString(kBasicPanel));
  QVERIFY(f.Window.Action("graf")->isEnabled());

  f.Window.Action("asyroz")->trigger();
  auto* smoothed = f.Window.findChild<SmoothedGraphsWindow*>("TForm8");
  QVERIFY(smoothed != nullptr);
  QCOMPARE(f.Window.Toolbar()->VisiblePanel(), QString(kSmoothedPanel));
  QCOMPARE(f.View.AsymmetryKind, std::uint16_t{1});
  QVERIFY(smoothed->State().Asymmetry);
  f.Button("mesicni")->click();
  QCOMPARE(smoothed->State().Diagram, AsymmetryDiagram::Monthly);
  f.Button("fv")->click();
  QCOMPARE(smoothed->Picture().Index, SmoothedIndex::F);
}

void ShellToolbarTest::GraphPanelButtonsShowTheChosenGraphPressed() {
  Frame f(m_dir.path().toStdString());
  f.Window.Action("graf")->trigger();
  auto* daily = f.Window.findChild<DailyGraphsWindow*>("TForm6");
  QVERIFY(daily != nullptr);
  QVERIFY(f.Button("gb")->isChecked());
  QVERIFY(f.Button("vsechny")->isChecked());
  f.Button("rb")->click();
  QVERIFY(f.Button("rb")->isChecked());
  QVERIFY(!f.Button("gb")->isChecked());
  // Clicking the pressed button again leaves it pressed: it chooses, it does not switch off.
  f.Button("rb")->click();
  QVERIFY(f.Button("rb")->isChecked());
  // A choice in the window's own menu moves the pressed button too.
  daily->Action("fgraf")->trigger();
  QVERIFY(f.Button("fb")->isChecked());
  QVERIFY(!f.Button("rb")->isChecked());
  f.Button("jizni")->click();
  QVERIFY(f.Button("jizni")->isChecked());
  QVERIFY(!f.Button("vsechny")->isChecked());
  f.Button("SpeedButton13")->click();
  QTRY_VERIFY(f.Window.findChild<DailyGraphsWindow*>("TForm6") == nullptr);

  f.Window.Action("vyhlazovaci")->trigger();
  auto* smoothed = f.Window.findChild<SmoothedGraphsWindow*>("TForm8");
  QVERIFY(smoothed != nullptr);
  QVERIFY(f.Button("gv")->isChecked());
  QVERIFY(f.Button("CElek")->isChecked());
  QVERIFY2(!f.Button("mesicni")->isChecked(), "no diagram is shown in the smoothed mode");
  smoothed->Action("rvyhl")->trigger();
  QVERIFY(f.Button("rv")->isChecked());
  QVERIFY(!f.Button("gv")->isChecked());
  f.Button("sev_jih")->click();
  QVERIFY(f.Button("sev_jih")->isChecked());
  QVERIFY(!f.Button("CElek")->isChecked());
}

void ShellToolbarTest::HintsGoToTheMiddleStatusPanel() {
  Frame f(m_dir.path().toStdString());
  QStatusTipEvent tip(f.Button("ulozit")->statusTip());
  QApplication::sendEvent(&f.Window, &tip);
  QCOMPARE(f.Window.StatusPanel(1)->text(), QString("Uložit data (Ctrl+U)"));
  // The program's version, not a date a user could take for one of the data.
  QCOMPARE(f.Window.StatusPanel(2)->text(), QString("Ardeno 0.1"));
}

void ShellToolbarTest::CorrectionWithoutChosenRecordOnlyShowsMessage() {
  Frame f(m_dir.path().toStdString());
  f.Db.CurrentIndex = 0;
  f.Window.Action("oprava")->trigger();
  QCOMPARE(f.Msg.ShownMessages, QStringList{"Oprava až po kliknutí na záznam ve výběru  "});
  QVERIFY(f.Window.Action("oprava")->isEnabled());
}

void ShellToolbarTest::WindowImageIsSavedAsJpgOnYes() {
  const fs::path folder = m_dir.path().toStdString();
  Frame f(folder);
  QWidget child;
  child.resize(205, 120);
  f.View.ImageName = "Motýlek_s_dlouhým_jménem_navíc";
  const fs::path expected = WindowImagePath(folder, f.View.ImageName);
  f.Dialogs.Confirmations = {false};
  QVERIFY(!SaveWindowImage(f.Ctx, &child, true));
  QVERIFY(!fs::exists(expected));
  f.Dialogs.Confirmations = {true};
  QVERIFY(SaveWindowImage(f.Ctx, &child, true));
  QCOMPARE(QString::fromStdU16String(expected.filename().u16string()),
           QString("Motýlek_s_dlouhým_jm.jpg"));
  const QImage saved(QString::fromStdU16String(expected.u16string()), "JPG");
  QCOMPARE(saved.size(), QSize(200, 120));
  QVERIFY(f.Msg.Shown.isEmpty());
  // The picture names the window and the program that made it.
  std::ifstream in(expected, std::ios::binary);
  const auto read = DescribePicture(in);
  QVERIFY(std::holds_alternative<PictureDescription>(read));
  const PictureFacts& facts = std::get<PictureDescription>(read).Facts;
  QVERIFY(FactValue(facts, kFactSoftware) != nullptr);
  QVERIFY(FactValue(facts, kFactView) != nullptr);
}

void ShellToolbarTest::SavingSaysWhatWasSaved() {
  Frame f(m_dir.path().toStdString());
  QVERIFY(f.Window.StatusPanel(0)->text().isEmpty());
  const qsizetype messages = f.Msg.ShownMessages.size();
  f.Window.Action("ulozitdat")->trigger();
  QCOMPARE(f.Msg.ShownMessages.size(), messages);  // nothing went wrong
  QCOMPARE(f.Window.StatusPanel(0)->text(), QString("Uloženo: 2 zákresy"));
}

QTEST_MAIN(ShellToolbarTest)
#include "shell_toolbar_test.moc"
