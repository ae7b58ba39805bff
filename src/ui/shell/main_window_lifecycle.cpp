// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown of the main window.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "core/data/data_file.h"
#include "core/shell/interface_scale.h"
#include "core/shell/main_caption.h"
#include "core/text/dates.h"
#include "ui/drawing/drawing_window.h"
#include "ui/entry/coordinate_mode_window.h"
#include "ui/shell/data_saving.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_panels.h"

namespace ardeno {

namespace {
constexpr int kClientMarginWidth = 20;
constexpr int kScreenBottomMargin = 10;
}  // namespace

bool MainWindow::Start(QSize screen) {
  Database& db = m_ctx.Db;
  const CalendarDate today = m_ctx.Today;
  db.DataChanged = false;
  db.WorkRecord.SetDate(FormatDate(today));

  move(0, 0);
  resize(screen.width() - kClientMarginWidth, screen.height() - kScreenBottomMargin);

  m_inputs = ReadStartupInputs(m_ctx.ProgDir, today);
  for (const std::string& message : m_inputs.Messages) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(message));
  }
  m_ctx.ScalePercent = ScalePercentFor(screen.height(), m_inputs.Zoom);
  resize(width(), screen.height() - m_ctx.Scaled(28));

  // Another program changing the data now: its temporary files stay, and saving waits for it.
  if (const auto locked = TakeDataLock(m_ctx)) {
    m_ctx.Msg.ShowMessageText(
        QString::fromStdString(*locked) +
        tr("\nProgram data načte, ale uloží je, až jiný program skončí (soubor datax.dat, který "
           "mezitím uloží, přepíše jen po dotazu)."));
  } else if (m_ctx.DataLock.Held()) {
    RemoveInterruptedSaves(m_ctx.ProgDir);
  }
  LoadReport load = LoadDatabase(db, m_ctx.ProgDir, today);
  if (load.Error) m_ctx.Msg.ShowMessageText(QString::fromStdString(*load.Error));
  // Before anything can be saved over a file the load did not take whole, it is kept as found.
  KeepFileAsFound(db, m_ctx.ProgDir, load);
  if (load.Warning) m_ctx.Msg.ShowMessageText(QString::fromStdString(*load.Warning));
  // Known before the observer types the day's drawings, not at the first save.
  if (!db.LoadFailed) {
    if (const auto blocked = SaveBlockedMessage(m_ctx.ProgDir))
      m_ctx.Msg.ShowMessageText(QString::fromStdString(*blocked));
  }

  // Nothing is saved in this run: the first panel says so for as long as the window is open.
  if (db.LoadFailed) m_statusPanels[0]->setText(tr("Jen pro čtení"));

  ApplyRecordOneSettings();
  // Undo reaches back to the data as loaded, never past them.
  m_ctx.History.Reset(db);
  UpdateCaption();
  m_toolbar->ApplyScale(m_ctx.ScalePercent);
  CreateDataWindows();
  return ScreenIsWideEnough(screen);
}

void MainWindow::ApplyRecordOneSettings() {
  Database& db = m_ctx.Db;
  if (db.Records.empty()) return;
  // A damaged file is never written over: no settings to choose for it.
  if (NeedsCoordinateMode(db) && !db.LoadFailed) {
    CoordinateModeWindow window(m_ctx.Msg, this);
    if (window.exec() == QDialog::Accepted && window.ChosenMode()) {
      db.Mode = *window.ChosenMode();
      db.DrawingRadius = window.Radius();
    } else {
      // Closed without a choice: the standard template by projection, as the window offered.
      db.Mode = CoordinateMode::Polar;
      db.DrawingRadius = kDefaultDrawingRadius;
    }
  } else {
    ApplyRadiusWord(db);
  }
  const std::uint16_t word = RadiusWordFor(db);
  db.Record(1).SetRadiusWord(word);
  db.WorkRecord.SetRadiusWord(word);
}

void MainWindow::UpdateCaption() {
  setWindowTitle(QString::fromStdString(MainCaption(m_ctx.Db.Mode, m_ctx.Db.DrawingRadius)));
}

bool MainWindow::ScreenIsWideEnough(QSize screen) {
  if (screen.width() >= kMinimumScreenWidth) return true;
  m_ctx.Msg.ShowMessageText(
      QCoreApplication::translate("Ardeno", "Program je určen pro rozlišení 1024x768 a větší"));
  close();
  return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!m_shutdownDone && !Shutdown()) {
    event->ignore();
    return;
  }
  m_shutdownDone = true;
  event->accept();
}

bool MainWindow::Shutdown() {
  Database& db = m_ctx.Db;
  if (db.DataChanged) {
    // The backup is the file as it was before this run's changes; the changes are saved either way.
    if (m_ctx.Msg.AskChoice(QCoreApplication::translate(
            "Ardeno",
            "Před uložením změn zapsat zálohu datax-zaloha.dat: data, jak byla načtena při "
            "spuštění, bez změn z této práce?"))) {
      if (const auto error = WriteBackup(db, m_ctx.ProgDir)) {
        m_ctx.Msg.ShowMessageText(QString::fromStdString(*error));
      }
    }
  }
  if (db.RecordCount > 0) {
    if (db.DrawingRadius == 0.0f) db.DrawingRadius = kDefaultDrawingRadius;
    db.Record(1).SetRadiusWord(RadiusWordFor(db));
  }
  if (db.DataChanged) {
    if (const auto error = SaveDataAsked(m_ctx)) {
      // Quitting now would lose every drawing entered in this run; the user decides.
      m_ctx.Msg.ShowMessageText(QString::fromStdString(*error));
      if (!m_ctx.Msg.AskChoice(QCoreApplication::translate(
              "Ardeno", "Data nebyla uložena. Ukončit program bez uložení?"))) {
        return false;
      }
    }
  }
  // Children close last opened first; the drawing window and the list stop refusing.
  if (m_drawing != nullptr) m_drawing->AllowClose();
  const QList<QMdiSubWindow*> children = m_mdi->subWindowList(QMdiArea::CreationOrder);
  for (auto child = children.rbegin(); child != children.rend(); ++child) (*child)->close();
  return true;
}

}  // namespace ardeno
