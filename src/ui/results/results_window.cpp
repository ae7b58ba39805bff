// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/results_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <string_view>

#include "core/publishing/bulletin_folder.h"
#include "core/reports/observer_table.h"
#include "ui/results/instrument_panel.h"
#include "ui/results/monthly_table_view.h"
#include "ui/results/network_export_panel.h"
#include "ui/results/observer_table_overlay.h"
#include "ui/results/print_panel.h"
#include "ui/results/quality_view.h"
#include "ui/results/tracks_view.h"
#include "ui/shell/picture_files.h"

namespace ardeno {

namespace {

constexpr const char* kCsvButton = "SpeedButton8";
constexpr int kOwnReportMode = 1;
constexpr int kSidcReportMode = 2;
constexpr int kObserversMode = 4;

const ResultsViewEntry* EntryOfButton(const QString& name) {
  for (const ResultsViewEntry& entry : ResultsViewTable()) {
    if (name == QLatin1String(entry.ButtonName)) return &entry;
  }
  return nullptr;
}

bool ModeIsBuilt(int mode) {
  for (const ResultsViewEntry& entry : ResultsViewTable()) {
    if (entry.Mode == mode && entry.Factory != nullptr) return true;
  }
  return false;
}

}  // namespace

Instrument& ResultsContext::InstrumentLines() {
  return App.Inputs != nullptr ? App.Inputs->InstrumentLines : m_instrument;
}

ResultsWindow::ResultsWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent), m_app(ctx), m_results(ctx) {
  setObjectName("TForm9");
  setWindowTitle(QCoreApplication::translate("Ardeno", "Výsledky"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  m_menu = new QMenuBar(this);
  m_menu->setObjectName("MainMenu1");
  column->setMenuBar(m_menu);
  m_pages = new QStackedWidget(this);
  auto* nothing = new QWidget(m_pages);
  nothing->setObjectName("PrazdnyPohled");
  m_pages->addWidget(nothing);
  column->addWidget(m_pages, 1);
  m_printPanel = new PrintPanel(this);
  m_printPanel->hide();
  connect(m_printPanel->PrintButton(), &QPushButton::clicked, this, &ResultsWindow::PrintFromPanel);
  column->addWidget(m_printPanel);
  m_instrumentPanel = new InstrumentPanel(
      m_results, [this] { return m_mode == kOwnReportMode; }, this);
  m_instrumentPanel->hide();
  connect(m_instrumentPanel, &InstrumentPanel::Changed, this, [this] {
    for (const auto& [mode, view] : m_views) view->InstrumentChanged();
  });
  column->addWidget(m_instrumentPanel);
  m_networkPanel = new NetworkExportPanel(m_results, this);
  m_networkPanel->hide();
  column->addWidget(m_networkPanel);
  m_observerTable = new ObserverTableOverlay(this);
  auto* observerKey = new QShortcut(QKeySequence(Qt::Key_Q), this);
  observerKey->setContext(Qt::WidgetWithChildrenShortcut);
  connect(observerKey, &QShortcut::activated, this, &ResultsWindow::ShowObserverTable);
  CreateMenu();
  UpdateCommands();
  connect(&m_app.Events, &DataEvents::DataChanged, this, [this](DataChange change) {
    if (AltersRecords(change)) RecordsChanged();
  });
  connect(&m_app.Events, &DataEvents::RecordChoiceChanged, this,
          &ResultsWindow::RecordChoiceChanged);
}

void ResultsWindow::RecordChoiceChanged() {
  QAction* ownOnly = MenuAction("jenvlastni");
  const QSignalBlocker quiet(ownOnly);
  ownOnly->setChecked(m_app.View.OwnDrawingsOnly);
  RecordsChanged();
  if (const auto* table = qobject_cast<const MonthlyTableView*>(CurrentView()))
    setWindowTitle(table->Caption());
}

void ResultsWindow::CreateMenu() {
  QMenu* views = m_menu->addMenu(QCoreApplication::translate("Ardeno", "&Zobrazit"));
  views->setObjectName("zobrazit");
  m_viewActions = new QActionGroup(this);
  m_viewActions->setExclusive(true);
  // The views in groups, by the whole names the panel's short captions stand for.
  std::map<std::string_view, QMenu*> groupOf;
  for (const ResultsMenuGroup& group : ResultsMenuGroups()) {
    QMenu* menu = views->addMenu(QCoreApplication::translate("Ardeno", group.Title));
    menu->setObjectName(group.Name);
    for (const char* name : group.MenuNames) groupOf[name] = menu;
  }
  for (const ResultsViewEntry& entry : ResultsViewTable()) {
    if (entry.MenuName[0] == '\0') continue;
    const auto group = groupOf.find(entry.MenuName);
    QMenu* menu = group == groupOf.end() ? views : group->second;
    auto* action = menu->addAction(QCoreApplication::translate("Ardeno", entry.MenuText));
    action->setObjectName(entry.MenuName);
    action->setCheckable(true);
    m_viewActions->addAction(action);
    m_actions[entry.MenuName] = action;
    if (entry.Factory == nullptr) {
      action->setEnabled(false);
      action->setStatusTip(ComingSoonHint());
      action->setToolTip(ComingSoonHint());
      continue;
    }
    connect(action, &QAction::triggered, this, [this, &entry] { ChooseView(MenuChoice(entry)); });
  }
  // The measured and smoothed tables of the station's own drawings, without the catalogue days.
  views->addSeparator();
  QAction* ownOnly = views->addAction(tr("Jen vlastní zákresy"));
  ownOnly->setObjectName("jenvlastni");
  ownOnly->setCheckable(true);
  ownOnly->setChecked(m_app.View.OwnDrawingsOnly);
  ownOnly->setToolTip(tr("Naměřené a vyhlazené tabulky a grafy bez katalogových dnů (NOAA/RGO)"));
  m_actions["jenvlastni"] = ownOnly;
  connect(ownOnly, &QAction::toggled, this,
          [this](bool checked) { m_app.ChooseOwnDrawingsOnly(checked); });
  const auto addCommand = [this](QWidget* where, const char* name, const QString& text,
                                 void (ResultsWindow::*run)()) {
    auto* action = new QAction(text, where);
    where->addAction(action);
    action->setObjectName(name);
    m_actions[name] = action;
    connect(action, &QAction::triggered, this, run);
  };
  addCommand(m_menu, "tiskvysl", QCoreApplication::translate("Ardeno", "Tisk"),
             &ResultsWindow::PrintCurrentView);
  // The three ways of saving in one menu, so that the bar fits a window of a 1024 px screen
  // whichever view adds its CSV command.
  QMenu* save = m_menu->addMenu(tr("&Uložit"));
  save->setObjectName("ulozit");
  addCommand(save, "dosouboru", QCoreApplication::translate("Ardeno", "Uložit do souboru"),
             &ResultsWindow::SaveCurrentView);
  addCommand(save, "oficCSV",
             QCoreApplication::translate("Ardeno", "Uložit Oficiální do souboru CSV"),
             &ResultsWindow::OpenSidcCsvPanel);
  addCommand(save, "doCSV", QCoreApplication::translate("Ardeno", "Uložit do CSV"),
             &ResultsWindow::SaveCurrentView);
  addCommand(m_menu, "pristroj", QCoreApplication::translate("Ardeno", "Aktuální  &přístroj"),
             &ResultsWindow::ShowInstrumentPanel);
  addCommand(m_menu, "exportsite", tr("Export pro sítě"), &ResultsWindow::ShowNetworkPanel);
  addCommand(m_menu, "bulletin", tr("Bulletin měsíce"), &ResultsWindow::WriteMonthBulletin);
}

void ResultsWindow::WriteMonthBulletin() {
  if (!m_app.WriteBulletin) {
    m_app.Msg.ShowMessageText(tr("Bulletin v této sestavě programu není k dispozici."));
    return;
  }
  // The bulletin is painted from the data file, so what is not saved would be missing.
  if (m_app.Db.DataChanged) {
    m_app.Msg.ShowMessageText(tr("Bulletin se píše z uložených dat: nejdřív ulož změny."));
    return;
  }
  const std::optional<ReportMonth> month = SelectReportMonth(m_app.Db, [this] {
    const QString answer = m_app.Msg.AskValue(
        QString::fromUtf8(kReportMonthPrompt.data(), kReportMonthPrompt.size()), QString());
    return answer.isEmpty() ? std::nullopt : std::optional<std::string>(answer.toStdString());
  });
  if (!month) return;
  const std::filesystem::path out = BulletinFolder(m_app.ProgDir, *month);
  std::vector<std::string> messages;
  bool foreign = false;
  std::optional<std::string> error = m_app.WriteBulletin(*month, out, false, messages, foreign);
  // A file of the bulletin's name that no bulletin wrote is replaced only at the user's word.
  if (error && foreign &&
      m_app.Msg.AskChoice(QString::fromStdString(*error) + "\n" + tr("Přesto ho přepsat?"))) {
    messages.clear();
    error = m_app.WriteBulletin(*month, out, true, messages, foreign);
  }
  if (error) {
    m_app.Msg.ShowMessageText(QString::fromStdString(*error));
    return;
  }
  QString done = tr("Bulletin je ve složce %1 (stránka index.html).").arg(PathText(out));
  for (const std::string& message : messages) done += "\n" + QString::fromStdString(message);
  m_app.Msg.ShowMessageText(done);
}

void ResultsWindow::ShowNetworkPanel() { m_networkPanel->Open(); }

void ResultsWindow::OpenSidcCsvPanel() {
  if (m_mode == kSidcReportMode) CurrentView()->ButtonClicked(QStringLiteral("oficCSV"));
}

void ResultsWindow::ShowInstrumentPanel() { m_instrumentPanel->Open(); }

void ResultsWindow::ShowObserverTable() {
  if (m_app.Db.Observers.empty()) {
    m_app.Msg.ShowMessageText(QString::fromUtf8(kNoObserverMessage));
    return;
  }
  m_observerTable->ShowTable(BuildObserverTable(m_app.Db), m_pages->geometry());
}

QAction* ResultsWindow::MenuAction(const QString& name) const {
  const auto found = m_actions.find(name);
  return found == m_actions.end() ? nullptr : found->second;
}

const ResultsViewEntry& ResultsWindow::MenuChoice(const ResultsViewEntry& entry) const {
  if (!entry.MenuFollowsPanel) return entry;
  const auto chosen = m_panelVariant.find(entry.Mode);
  if (chosen == m_panelVariant.end()) return entry;
  for (const ResultsViewEntry& other : ResultsViewTable()) {
    if (other.Mode == entry.Mode && other.Variant == chosen->second) return other;
  }
  return entry;
}

ResultsView* ResultsWindow::CurrentView() const {
  const auto found = m_views.find(m_mode);
  return found == m_views.end() ? nullptr : found->second;
}

void ResultsWindow::ChooseView(const ResultsViewEntry& entry) {
  if (entry.Factory == nullptr) return;
  ResultsView*& view = m_views[entry.Mode];
  if (view == nullptr) {
    view = entry.Factory(m_results, m_pages);
    m_pages->addWidget(view);
    if (auto* quality = qobject_cast<QualityView*>(view))
      connect(quality, &QualityView::DrawingChosen, this, &ResultsWindow::DrawingChosen);
    if (auto* tracks = qobject_cast<TracksView*>(view))
      connect(tracks, &TracksView::DrawingChosen, this, &ResultsWindow::DrawingChosen);
  }
  const auto caption = view->Open(entry.Variant);
  if (!caption) {
    // The view declined: the menu tick goes back to the view still shown.
    for (const ResultsViewEntry& shown : ResultsViewTable()) {
      if (shown.Mode == m_mode && shown.Variant == m_variant && shown.MenuName[0] != '\0') {
        m_actions[shown.MenuName]->setChecked(true);
      }
    }
    if (m_mode == 0 && m_viewActions->checkedAction())
      m_viewActions->checkedAction()->setChecked(false);
    return;
  }
  m_mode = entry.Mode;
  m_variant = entry.Variant;
  if (entry.MenuName[0] != '\0') m_actions[entry.MenuName]->setChecked(true);
  setWindowTitle(*caption);
  m_pages->setCurrentWidget(view);
  m_printPanel->hide();
  UpdateCommands();
}

void ResultsWindow::UpdateCommands() {
  const ResultsView* view = CurrentView();
  MenuAction("tiskvysl")
      ->setEnabled(view != nullptr && view->PrintStyle() != ResultsView::Printing::None);
  MenuAction("dosouboru")->setEnabled(view != nullptr && view->SavesFile());
  MenuAction("oficCSV")->setVisible(m_mode == kSidcReportMode);
  // The observer table's CSV (Pozorovatelé.csv), also written by "Uložit do souboru".
  MenuAction("doCSV")->setVisible(m_mode == kObserversMode);
  emit CsvExportOffered(view != nullptr && view->ExportsCsv());
}

void ResultsWindow::RecordsChanged() {
  m_observerTable->hide();
  for (const auto& [mode, view] : m_views) view->RecordsChanged();
}

void ResultsWindow::PrintCurrentView() {
  ResultsView* view = CurrentView();
  if (view == nullptr) return;
  if (view->PrintStyle() == ResultsView::Printing::Panel) {
    const QPrinter printer(QPrinter::HighResolution);
    m_printPanel->SetCountText(view->PrintPanelText(printer));
    m_printPanel->show();
    return;
  }
  if (view->PrintStyle() != ResultsView::Printing::Page) return;
  QPrinter printer(QPrinter::HighResolution);
  if (!m_app.Dialogs.SetUpPrinter(this, printer)) return;
  if (const auto refusal = view->Print(printer, PrintType::AllRows))
    m_app.Msg.ShowMessageText(*refusal);
}

void ResultsWindow::PrintFromPanel() {
  ResultsView* view = CurrentView();
  if (view == nullptr) return;
  const auto type = m_printPanel->ChosenType();
  if (!type) {
    m_app.Msg.ShowMessageText(QString::fromStdString(CoreText("TablePrint", kNoPrintTypeMessage)));
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  if (!m_app.Dialogs.SetUpPrinter(this, printer)) return;
  if (const auto refusal = view->Print(printer, *type)) m_app.Msg.ShowMessageText(*refusal);
}

void ResultsWindow::SaveCurrentView() {
  if (ResultsView* view = CurrentView(); view != nullptr && view->SavesFile()) view->SaveFile();
}

void ResultsWindow::ExportCsv() {
  ResultsView* view = CurrentView();
  if (view == nullptr || !view->ExportsCsv()) {
    m_app.Msg.ShowMessageText(QCoreApplication::translate(
        "Ardeno", "Do CSV souboru se ukládá naměřená nebo vyhlazená měsíční tabulka."));
    return;
  }
  view->ExportCsv();
  emit CsvExportOffered(false);
}

bool ResultsWindow::HandlesPanelButton(const QString& buttonName) const {
  if (buttonName == QLatin1String(kCsvButton)) return true;
  if (const ResultsViewEntry* entry = EntryOfButton(buttonName)) return entry->Factory != nullptr;
  for (const ResultsViewButton& button : ResultsViewButtons()) {
    if (buttonName == QLatin1String(button.ButtonName)) return ModeIsBuilt(button.Mode);
  }
  return false;
}

void ResultsWindow::PanelButtonClicked(const QString& buttonName) {
  if (buttonName == QLatin1String(kCsvButton)) {
    ExportCsv();
    return;
  }
  if (const ResultsViewEntry* entry = EntryOfButton(buttonName)) {
    m_panelVariant[entry->Mode] = entry->Variant;
    ChooseView(*entry);
    return;
  }
  for (const ResultsViewButton& button : ResultsViewButtons()) {
    if (buttonName != QLatin1String(button.ButtonName)) continue;
    if (button.Mode == m_mode) {
      CurrentView()->ButtonClicked(buttonName);
    } else if (const ResultsViewEntry* opens = EntryOfButton(QString::fromLatin1(button.Opens))) {
      ChooseView(*opens);
    }
  }
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
  // Leaving the results puts the record list back on the last record, unless the user chose a
  // drawing from a finding: it stays current, ringed and selected in the list.
  if (m_app.View.MarkedRecord == 0 || m_app.View.MarkedRecord != m_app.Db.CurrentIndex)
    m_app.Db.CurrentIndex = m_app.Db.RecordCount;
  QWidget::closeEvent(event);
}

}  // namespace ardeno
