// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One view of the results window (a monthly table, a report page, a calendar ...). A view is a
// widget of its own, created by the window the first time it is chosen and kept while the window
// lives; it computes what it shows when it is opened and when the records change, never in paint.
#include <QString>
#include <QWidget>
#include <optional>

#include "core/data/instrument_file.h"
#include "core/results/month_walk.h"
#include "core/results/report_month.h"
#include "core/results/table_print.h"
#include "ui/shell/app_context.h"

class QPrinter;

namespace ardeno {

// What the views of one results window share.
class ResultsContext {
 public:
  explicit ResultsContext(AppContext& app) : App(app) {}

  AppContext& App;
  // The month the monthly reports are about, once the user named one.
  std::optional<ReportMonth> Report;

  // The records month by month that the tables take ("jen vlastní zákresy" or all), shared by
  // every window (collected once per change of the data).
  const RecordMonths& Months() { return App.Months.Get(App.Db, App.TableRecords()); }

  // The lines of pristroj.dat as the program holds them since start-up.
  Instrument& InstrumentLines();
  // The text of the instrument panel's station field ("Edit1") once something put one there:
  // the station of the records when a report month is chosen, or what the user confirmed.
  // Before that the field shows line 6 of the instrument lines.
  std::optional<std::string> PanelStation;
  std::string PanelStationText() { return PanelStation.value_or(InstrumentLines()[5]); }

 private:
  Instrument m_instrument = DefaultInstrument();  // when no start-up inputs were read
};

class ResultsView : public QWidget {
  Q_OBJECT
 public:
  ResultsView(ResultsContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {}

  // Makes the view current for `variant` (the hemisphere 1..3 of the statistics, the kind of a
  // report ...). Returns the window caption, or nothing when the view declines (it showed why,
  // or the user cancelled a prompt): the window then keeps the view it had.
  virtual std::optional<QString> Open(int variant) = 0;
  // The records changed while the view exists: recompute what it shows.
  virtual void RecordsChanged() {}

  // How "Tisk" prints this view: not at all, through the print panel with its three print types
  // (tables), or the whole page after the print dialog.
  enum class Printing { None, Panel, Page };
  virtual Printing PrintStyle() const { return Printing::None; }
  // The print panel's count of values and pages for this printer.
  virtual QString PrintPanelText(const QPrinter& /*printer*/) const { return {}; }
  // Prints onto a printer the user has set up; returns the Czech message of a refusal.
  virtual std::optional<QString> Print(QPrinter& /*printer*/, PrintType /*type*/) { return {}; }

  // "Do CSV souboru": the view writes its table as CSV (the window tells the user the outcome).
  virtual bool ExportsCsv() const { return false; }
  virtual void ExportCsv() {}
  // "Uložit do souboru": the view writes its report files.
  virtual bool SavesFile() const { return false; }
  virtual void SaveFile() {}
  // A panel button listed for this view's mode in ResultsViewButtons(), or a menu command of
  // the window that only this view's mode offers.
  virtual void ButtonClicked(const QString& /*buttonName*/) {}
  // The instrument lines changed (the instrument panel was confirmed).
  virtual void InstrumentChanged() {}

 protected:
  ResultsContext& m_ctx;
};

}  // namespace ardeno
