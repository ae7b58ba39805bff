// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A data folder loaded for rendering as the program loads it at start-up: the auxiliary files,
// the data file with its repairs, the settings of record 1. Messages that would open the message
// window go to a list (the tool prints them to stderr); nothing asks a person.
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

#include "core/data/database.h"
#include "core/data/startup_inputs.h"
#include "core/graphs/plot_data.h"
#include "ui/shell/app_context.h"
#include "ui/shell/messages.h"
#include "ui/shell/platform_dialogs.h"
#include "ui/shell/view_settings.h"

namespace ardeno::render {

// Collects what would be shown; questions are answered "Ne", values keep their initial text
// unless a view put answers in advance (the month of a report).
class CollectedMessages : public Messages {
 public:
  QStringList Shown;
  QStringList Answers;
  void ShowMessageText(const QString& text) override { Shown << text; }
  QString AskValue(const QString& prompt, const QString& initial) override;
  bool AskChoice(const QString& question) override;
};

// Platform dialogs of a run without a person: every dialog is cancelled.
class NoDialogs : public PlatformDialogs {
 public:
  std::optional<QString> OpenFileName(QWidget*, const QString&, const QString&,
                                      const QString&) override {
    return std::nullopt;
  }
  bool Confirm(QWidget*, const QString&, const QString&) override { return false; }
  void Inform(QWidget*, const QString&, const QString&) override {}
  std::optional<QString> InputText(QWidget*, const QString&, const QString&,
                                   const QString&) override {
    return std::nullopt;
  }
  bool SetUpPrinter(QWidget*, QPrinter&) override { return false; }
};

class RenderSession {
 public:
  explicit RenderSession(const std::filesystem::path& folder);
  RenderSession(const RenderSession&) = delete;
  RenderSession& operator=(const RenderSession&) = delete;

  // Loads the folder. Returns the Czech error text when there is no readable datax.dat (a
  // picture of a database that is not there would mislead).
  std::optional<std::string> Load();

  // Narrows the loaded database to records first..last (1-based, in date order), so that a
  // view that paints all the data paints one period: the bulletin's month, its year.
  void KeepRecords(int first, int last);

  Database Db;
  ViewSettings View;
  StartupInputs Inputs;
  CollectedMessages Msg;
  NoDialogs Dialogs;
  AppContext Ctx;
  // Set when --data asks for the numbers behind the picture; a view that draws numbers then
  // fills Plotted from the values it paints.
  bool DataRequested = false;
  std::optional<PlotData> Plotted;
  // The record a view of one drawing painted: its picture says that drawing's date and ephemeris
  // instead of the database's period.
  std::optional<int> PaintedRecord;
};

}  // namespace ardeno::render
