// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/results_view_table.h"

#include <QCoreApplication>

#include "ui/results/group_grid_view.h"
#include "ui/results/k_factors_view.h"
#include "ui/results/monthly_table_view.h"
#include "ui/results/observers_view.h"
#include "ui/results/quality_view.h"
#include "ui/results/quiet_days_view.h"
#include "ui/results/report_page_view.h"
#include "ui/results/tracks_view.h"
#include "ui/results/uncertainty_view.h"

namespace ardeno {

const std::vector<ResultsViewEntry>& ResultsViewTable() {
  static const std::vector<ResultsViewEntry> table = {
      {1, "vlastni", QT_TRANSLATE_NOOP("Ardeno", "&Vlastní"), "vlastniv", 0, MakeOwnReportView},
      {2, "oficialni", QT_TRANSLATE_NOOP("Ardeno", "S&IDC výsledky"), "oficialv", 0,
       MakeSidcReportView},
      {3, "Vvojskupin1", QT_TRANSLATE_NOOP("Ardeno", "Vývoj skupin"), "vyvojskup", 0,
       MakeEvolutionView},
      {4, "pozorovatele", QT_TRANSLATE_NOOP("Ardeno", "&Pozorovatelé"), "pozorovatelv", 0,
       MakeObserversView},
      {5, "celkovynam", QT_TRANSLATE_NOOP("Ardeno", "Naměřené - celková"), "namercelek", 1,
       MakeMeasuredTableView},
      {5, "severnam", QT_TRANSLATE_NOOP("Ardeno", "Naměřené - sever"), "namersever", 2,
       MakeMeasuredTableView},
      {5, "jihnam", QT_TRANSLATE_NOOP("Ardeno", "Naměřené - jih"), "namerjih", 3,
       MakeMeasuredTableView},
      {6, "celkovyvyr", QT_TRANSLATE_NOOP("Ardeno", "Vyhlazené - celková"), "vyhlcelek", 1,
       MakeSmoothedTableView},
      {6, "severvyr", QT_TRANSLATE_NOOP("Ardeno", "Vyhlazené - sever"), "vyhlsever", 2,
       MakeSmoothedTableView},
      {6, "jihvyr", QT_TRANSLATE_NOOP("Ardeno", "Vyhlazené - jih"), "vyhljih", 3,
       MakeSmoothedTableView},
      {7, "vyskit", QT_TRANSLATE_NOOP("Ardeno", "Výskyt typů skupin"), "vyskytskup", 0,
       MakeTypeCountsView},
      {8, "udajmapa", QT_TRANSLATE_NOOP("Ardeno", "Údaje pro mapu"), "promapovy", 0,
       MakeMapDataView},
      {9, "CVvysledek", QT_TRANSLATE_NOOP("Ardeno", "CV výsledky"), "CVvysledky", 0,
       MakeCvReportView},
      {10, "veliky", QT_TRANSLATE_NOOP("Ardeno", "Velikost skupin"), "velikost", 0,
       MakeLargestGroupsView},
      {11, "Bezaktivity", QT_TRANSLATE_NOOP("Ardeno", "Bez aktivity"), "SpeedButton1", 0,
       MakeQuietDaysView},
      {12, "dataasim", QT_TRANSLATE_NOOP("Ardeno", "Data asymetrie"), "asme", 0, MakeAsymmetryView,
       true},
      {12, "", "", "asro", 1, MakeAsymmetryView},
      {13, "polohy1", QT_TRANSLATE_NOOP("Ardeno", "Polohy východ - západ"), "polohy", 0,
       MakePositionsView},
      {13, "Polohym", QT_TRANSLATE_NOOP("Ardeno", "Polohy východ - západ, měsíční"), "polohym", 1,
       MakePositionsView},
      {13, "Polohyr", QT_TRANSLATE_NOOP("Ardeno", "Polohy východ - západ, roční"), "polohyr", 2,
       MakePositionsView},
      {14, "kfaktory", QT_TRANSLATE_NOOP("Ardeno", "Koeficienty k - celková"), "kfaktorc", 0,
       MakeKFactorsView},
      {14, "kfaktorysever", QT_TRANSLATE_NOOP("Ardeno", "Koeficienty k - sever"), "kfaktors", 1,
       MakeKFactorsView},
      {14, "kfaktoryjih", QT_TRANSLATE_NOOP("Ardeno", "Koeficienty k - jih"), "kfaktorj", 2,
       MakeKFactorsView},
      {15, "kontroladat", QT_TRANSLATE_NOOP("Ardeno", "Kontrola dat"), "kontrolav", 0,
       MakeQualityView},
      {16, "nejistoty", QT_TRANSLATE_NOOP("Ardeno", "Nejistoty"), "nejistotyv", 0,
       MakeUncertaintyView},
      {17, "skupinyvcase", QT_TRANSLATE_NOOP("Ardeno", "Skupiny v čase"), "skupinyvcasev", 0,
       MakeTracksView},
  };
  return table;
}

const std::vector<ResultsMenuGroup>& ResultsMenuGroups() {
  static const std::vector<ResultsMenuGroup> groups = {
      {"zpravy",
       QT_TRANSLATE_NOOP("Ardeno", "&Zprávy měsíce"),
       {"vlastni", "oficialni", "CVvysledek"}},
      {"tabulky",
       QT_TRANSLATE_NOOP("Ardeno", "&Měsíční hodnoty"),
       {"celkovynam", "severnam", "jihnam", "celkovyvyr", "severvyr", "jihvyr", "Bezaktivity",
        "nejistoty"}},
      {"skupiny",
       QT_TRANSLATE_NOOP("Ardeno", "&Skupiny"),
       {"Vvojskupin1", "vyskit", "udajmapa", "veliky", "skupinyvcase", "dataasim", "polohy1",
        "Polohym", "Polohyr"}},
      {"pozorovatelemenu",
       QT_TRANSLATE_NOOP("Ardeno", "&Pozorovatelé a kontrola"),
       {"pozorovatele", "kfaktory", "kfaktorysever", "kfaktoryjih", "kontroladat"}},
  };
  return groups;
}

const std::vector<ResultsViewButton>& ResultsViewButtons() {
  static const std::vector<ResultsViewButton> buttons = {
      {"ComboBox1", 13, "polohy"},
      {"zapidosoudorutxt", 13},
      {"AsinTXT", 12},
  };
  return buttons;
}

}  // namespace ardeno
