#include "ui/results/results_view_table.h"

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
      {1, "vlastni", "&Vlastní", "vlastniv", 0, MakeOwnReportView},
      {2, "oficialni", "S&IDC výsledky", "oficialv", 0, MakeSidcReportView},
      {3, "Vvojskupin1", "Vývoj skupin", "vyvojskup", 0, MakeEvolutionView},
      {4, "pozorovatele", "&Pozorovatelé", "pozorovatelv", 0, MakeObserversView},
      {5, "celkovynam", "Naměřené - celková", "namercelek", 1, MakeMeasuredTableView},
      {5, "severnam", "Naměřené - sever", "namersever", 2, MakeMeasuredTableView},
      {5, "jihnam", "Naměřené - jih", "namerjih", 3, MakeMeasuredTableView},
      {6, "celkovyvyr", "Vyhlazené - celková", "vyhlcelek", 1, MakeSmoothedTableView},
      {6, "severvyr", "Vyhlazené - sever", "vyhlsever", 2, MakeSmoothedTableView},
      {6, "jihvyr", "Vyhlazené - jih", "vyhljih", 3, MakeSmoothedTableView},
      {7, "vyskit", "Výskyt typů skupin", "vyskytskup", 0, MakeTypeCountsView},
      {8, "udajmapa", "Údaje pro mapu", "promapovy", 0, MakeMapDataView},
      {9, "CVvysledek", "CV výsledky", "CVvysledky", 0, MakeCvReportView},
      {10, "veliky", "Velikost skupin", "velikost", 0, MakeLargestGroupsView},
      {11, "Bezaktivity", "Bez aktivity", "SpeedButton1", 0, MakeQuietDaysView},
      {12, "dataasim", "Data asymetrie", "asme", 0, MakeAsymmetryView, true},
      {12, "", "", "asro", 1, MakeAsymmetryView},
      {13, "polohy1", "Polohy východ - západ", "polohy", 0, MakePositionsView},
      {13, "Polohym", "Polohy východ - západ, měsíční", "polohym", 1, MakePositionsView},
      {13, "Polohyr", "Polohy východ - západ, roční", "polohyr", 2, MakePositionsView},
      {14, "kfaktory", "Koeficienty k - celková", "kfaktorc", 0, MakeKFactorsView},
      {14, "kfaktorysever", "Koeficienty k - sever", "kfaktors", 1, MakeKFactorsView},
      {14, "kfaktoryjih", "Koeficienty k - jih", "kfaktorj", 2, MakeKFactorsView},
      {15, "kontroladat", "Kontrola dat", "kontrolav", 0, MakeQualityView},
      {16, "nejistoty", "Nejistoty", "nejistotyv", 0, MakeUncertaintyView},
      {17, "skupinyvcase", "Skupiny v čase", "skupinyvcasev", 0, MakeTracksView},
  };
  return table;
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
