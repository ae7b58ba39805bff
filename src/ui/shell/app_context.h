// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a window needs from the application, handed to it by reference at creation: the
// program folder, the database, the view settings, the message and platform dialogs, the
// interface scale and the notice of every change of the data.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/data/database.h"
#include "core/data/edit_history.h"
#include "core/data/folder_lock.h"
#include "core/data/startup_inputs.h"
#include "core/groups/group_statistics.h"
#include "core/results/month_walk.h"
#include "core/results/report_month.h"
#include "core/shell/interface_scale.h"
#include "core/text/dates.h"
#include "ui/shell/data_events.h"
#include "ui/shell/messages.h"
#include "ui/shell/platform_dialogs.h"
#include "ui/shell/user_settings.h"
#include "ui/shell/view_settings.h"

class QWidget;

namespace ardeno {

struct AppContext {
  std::filesystem::path ProgDir;
  Database& Db;
  ViewSettings& View;
  Messages& Msg;
  PlatformDialogs& Dialogs;
  // The day the program runs on, read from the clock once by main() (tests fix it).
  CalendarDate Today;
  // Interface scale in percent (at least 100), from the screen height and the zoom file.
  int ScalePercent = 100;
  // The main frame: owner of the modal dialogs and parent of the child windows (may be null in
  // tests that drive a window on its own).
  QWidget* Frame = nullptr;
  // The auxiliary files read at start-up (zoom, instrument, supplementary, corona, SIDC); null
  // only in tests that do not need them.
  StartupInputs* Inputs = nullptr;

  // Group statistics, asymmetry tables and record positions of Db, recomputed once per change.
  GroupStatisticsCache Groups;
  RecordMonthsCache Months;

  // Every change of the data is announced here, once; windows subscribe to Events.DataChanged.
  DataEvents Events;

  // The changes of the records made in this run, for undo and redo (reset after the load).
  EditHistory History;

  // Writes the monthly bulletin of the saved data of ProgDir for a month into a folder, adding
  // to `messages` what the checks and the pictures had to say; the Czech error text when it
  // cannot. main() sets it to the renderer's writer, whose views paint the bulletin's pictures;
  // unset, the results window's bulletin command says it is not available. Files there that no
  // bulletin wrote are replaced only when `replace`; `foreign` tells a refusal for them.
  std::function<std::optional<std::string>(const ReportMonth& month,
                                           const std::filesystem::path& out, bool replace,
                                           std::vector<std::string>& messages, bool& foreign)>
      WriteBulletin;

  // The data folder's lock, held from start-up (or the first save) to the end of the run, so that
  // no other program saves the database meanwhile.
  FolderLock DataLock;

  // The statistics cache is dropped first, before any window's slot asks it again.
  AppContext(std::filesystem::path progDir, Database& db, ViewSettings& view, Messages& msg,
             PlatformDialogs& dialogs, CalendarDate today)
      : ProgDir(std::move(progDir)), Db(db), View(view), Msg(msg), Dialogs(dialogs), Today(today) {
    QObject::connect(&Events, &DataEvents::DataChanged, [this](DataChange change) {
      if (!AltersRecords(change)) return;
      // A change announced without a step of its own (a measured facular area) is no step.
      History.Absorb(Db);
      Groups.Invalidate();
      Months.Invalidate();
    });
  }
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  // A change of the records the user may undo: kept as one step named by its kind and the date
  // of the drawing it concerns, then announced like every change.
  void RecordsEdited(EditKind kind, const std::string& date = {}) {
    History.Record(Db, kind, date);
    Events.NotifyRecordsChanged();
  }

  // The records the measured and smoothed tables and graphs take: all of them, as the results
  // always were, or the station's own drawings when "jen vlastní zákresy" is on.
  RecordChoice TableRecords() const {
    return View.OwnDrawingsOnly ? RecordChoice::OwnDrawings : RecordChoice::AllRecords;
  }
  // Switches "jen vlastní zákresy", keeps the choice for the next run and announces it.
  void ChooseOwnDrawingsOnly(bool ownOnly) {
    if (View.OwnDrawingsOnly == ownOnly) return;
    View.OwnDrawingsOnly = ownOnly;
    KeepOwnDrawingsOnly(ownOnly);
    Events.NotifyRecordChoiceChanged();
  }

  // A pixel size that follows the interface scale.
  int Scaled(int n) const { return ScaledBy(n, ScalePercent); }
};

}  // namespace ardeno
