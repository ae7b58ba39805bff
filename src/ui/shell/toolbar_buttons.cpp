#include "ui/shell/toolbar_buttons.h"

#include "ui/butterfly/butterfly_window.h"
#include "ui/maps/maps_window.h"

namespace ardeno {

const std::vector<ToolbarButtonSpec>& BasicPanelButtons() {
  static const std::vector<ToolbarButtonSpec> buttons = {
      {"novyzakres", "Nový", "Nový  zákres", RunsCommand{"novy"}, false, QStyle::SP_FileIcon},
      {"zvlastnizakrrs", "Zvláštní", "Zvláštní zákres", RunsCommand{"zvlastni"}},
      {"opravazaz", "Oprava", "Oprava  záznamu", RunsCommand{"oprava"}},
      {"ulozit", "Uložit", "Uložit data", RunsCommand{"ulozitdat"}, false,
       QStyle::SP_DialogSaveButton},
      {"poslednizaz", "Poslední", "Poslední záznam", RunsCommand{"posledni1"}, false,
       QStyle::SP_MediaSkipForward},
      {"motylekz", "Motýlek", "Motýlkový diagram", RunsCommand{"motylek1"}},
      {"grafyz", "Grafy", "Denní grafy", RunsCommand{"graf"}},
      {"vyhladitz", "Vyhlazené", "Vyhlazené grafy", RunsCommand{"vyhlazovaci"}},
      {"asimetryz", "Asymetrie", "Asymetrie grafy", RunsCommand{"asypo"}},
      {"mapyz", "Mapy", "Synoptické mapy", RunsCommand{"map"}},
      {"vysledekz", "Výsledky", "Výsledky", RunsCommand{"vysledky1"}, false,
       QStyle::SP_FileDialogDetailedView},
      {"menvet", "Zmenšit", "Zmenšit - zvětšit", RunsCommand{"menvet"}},
      {"pomocnaskvrna", "Pomocná", "Vzdálenost pomocné skvrny", RunsCommand{"pomocnaskvrna"}},
      {"SpeedButton2", "Orientace", "Orientace", RunsCommand{"SpeedButton2"}},
      {"SpeedButton3", "BMP", "Uložit obrázek zákresu", RunsCommand{"Ulozkresy"}},
      {"SpeedButton14", "JPG", "Uloží kopii okna v jpg ", RunsCommand{"SpeedButton14"}},
      {"SpeedButton7", "Tisk", "Tisk zákresu", RunsCommand{"tisk1"}},
      {"zfota", "Foto", "Zadávání z přefoceného zákresu ", RunsCommand{"zfota"}},
  };
  return buttons;
}

const std::vector<ToolbarButtonSpec>& ButterflyPanelButtons() {
  static const std::vector<ToolbarButtonSpec> buttons = {
      {"skvrny", "Sk", "Skupiny", On<ButterflyWindow>(&ButterflyWindow::skvrnymotClick), true},
      {"fakule", "Fa", "Fakule", On<ButterflyWindow>(&ButterflyWindow::fakulemotClick), true},
      {"skvrfak", "S+F", "Skvrny i fakule", On<ButterflyWindow>(&ButterflyWindow::celek1Click),
       true},
      {"vyskvrn", "Výš", "Výška skupin", On<ButterflyWindow>(&ButterflyWindow::vyskaskvrnClick)},
      {"vyskhlaz", "Vhl", "Výška vyhlazená",
       On<ButterflyWindow>(&ButterflyWindow::vyskahlazenaClick)},
      {"hranice", "Hr", "Ohraničení", On<ButterflyWindow>(&ButterflyWindow::hraniceClick)},
      {"vse", "Vše", "Veškeré ohraničení", On<ButterflyWindow>(&ButterflyWindow::vseClick)},
      {"podkresleni", "Pod", "Podkreslit", On<ButterflyWindow>(&ButterflyWindow::Podkreslit1Click)},
      {"podkreskorona", "Kor", "Podkreslit zelenou koronu",
       On<ButterflyWindow>(&ButterflyWindow::koronapodClick)},
      {"vlevo", "><", "Zúžit ", RunsCommand{"vlevo"}},
      {"vpravo", "<>", "Rozšířit", RunsCommand{"vpravo"}},
      {"vetsi", "+", "Zvýšit", RunsCommand{"vetsi"}},
      {"mensi", "-", "Snížit", RunsCommand{"mensi"}},
      {"sirfakule", "Šíř", "Šířka fakulí", RunsCommand{"sirfakule"}, true},
      {"SpeedButton12", "X", "Zavřít", ClosesWindow{}},
  };
  return buttons;
}

const std::vector<ToolbarButtonSpec>& GraphsPanelButtons() {
  static const std::vector<ToolbarButtonSpec> buttons = {
      {"gb", "g", "Počet skupin", HandledByWindow{}},
      {"fb", "f", "Počet skvrn", HandledByWindow{}},
      {"rb", "R", "Relativní číslo", HandledByWindow{}},
      {"cvb", "CV", "CV  (McIntoshovo číslo)", HandledByWindow{}},
      {"snb", "SN", "SN  (Pettisovo číslo)", HandledByWindow{}},
      {"rbb", "RB", "RB  (Beckovo číslo)", HandledByWindow{}},
      {"plochb", "Pl", "Plocha skupin", HandledByWindow{}},
      {"polob", "Po", "Plocha  polokoule", HandledByWindow{}},
      {"plochfak", "PF", "Plocha fakulí", HandledByWindow{}},
      {"vsechny", "3", "Tři  křivky", HandledByWindow{}},
      {"celkovy", "C", "Celková koule", HandledByWindow{}},
      {"sevrni", "S", "Severní  polokoule", HandledByWindow{}},
      {"jizni", "J", "Jižní polokoule", HandledByWindow{}},
      {"stupnice", "St", "Stupnice", HandledByWindow{}},
      {"gsvz", "VZS", "Počet skupin východ - západ - střed", HandledByWindow{}},
      {"SpeedButton13", "X", "Zavřít", ClosesWindow{}},
  };
  return buttons;
}

const std::vector<ToolbarButtonSpec>& SmoothedPanelButtons() {
  static const std::vector<ToolbarButtonSpec> buttons = {
      {"gv", "g", "g", HandledByWindow{}},
      {"fv", "f", "f", HandledByWindow{}},
      {"rv", "R", "R", HandledByWindow{}},
      {"cvv", "CV", "CV", HandledByWindow{}},
      {"snv", "SN", "SN", HandledByWindow{}},
      {"rbv", "RB", "RB", HandledByWindow{}},
      {"plochv", "Pl", "Plocha", HandledByWindow{}},
      {"polokouv", "Po", "Plocha polokoule", HandledByWindow{}},
      {"zakrsovy", "AD", "Asymetrie  denní  diagram", HandledByWindow{}},
      {"mesicni", "AM", "Asymetrie měsíční diagram", HandledByWindow{}},
      {"rocni", "AR", "Asymetrie roční diagram", HandledByWindow{}},
      {"stupnicevyhl", "St", "Stupnice", HandledByWindow{}},
      {"CElek", "C", "Vyhlazená celková", HandledByWindow{}},
      {"severni", "S", "Vyhlazená severní", HandledByWindow{}},
      {"jizniv", "J", "Vyhlazená jižní", HandledByWindow{}},
      {"sev_jih", "S-J", "Porovnání  sever a jih", HandledByWindow{}},
      {"zmensit", "><", "Zmenšit", RunsCommand{"zmensit"}},
      {"rozsirit", "<>", "Rozšířit", RunsCommand{"rozsirit"}},
      {"SpeedButton11", "X", "Zavřít", ClosesWindow{}},
  };
  return buttons;
}

const std::vector<ToolbarButtonSpec>& MapsPanelButtons() {
  static const std::vector<ToolbarButtonSpec> buttons = {
      {"rotacem", "Rot", "Výběr rotace", On<MapsWindow>(&MapsWindow::vybermClick)},
      {"mapam", "Map", "Synoptická mapa", On<MapsWindow>(&MapsWindow::mapkyClick)},
      {"dlouham", "Dl", "Dlouhá mapa", On<MapsWindow>(&MapsWindow::dlouhamapClick)},
      {"vysokam", "Vys", "Vysoká mapa", On<MapsWindow>(&MapsWindow::vysokamapClick)},
      {"SpeedButton5", "2M", "Dvě mapy nad sebou ", On<MapsWindow>(&MapsWindow::dvenadsebouClick)},
      {"koronagraf", "KG", "Korona graf", On<MapsWindow>(&MapsWindow::KoronaGrafClick)},
      {"koronaitensit", "KM", "Korona  motýlek", On<MapsWindow>(&MapsWindow::koronamotylClick)},
      {"koronsku", "KS", "Korona skutečná", On<MapsWindow>(&MapsWindow::koronaglobClick)},
      {"koronpod", "KP", "Pod kreslit koronu", On<MapsWindow>(&MapsWindow::koronapodClick)},
      {"magnetpod", "Mg", "Podkreslit magnetosférou",
       On<MapsWindow>(&MapsWindow::MagnetoSfera1Click)},
      {"srovnan", "Sr", "Srovnávání", On<MapsWindow>(&MapsWindow::SrovnaniClick)},
      {"SpeedButton6", "2x", "Násobek velikosti ploch skupin", RunsCommand{"SpeedButton6"}},
      {"vloztext", "A", "Před tiskem možno vložit text", RunsCommand{"vloztext"}, true},
      {"SpeedButton10", "X", "Zavřít", ClosesWindow{}},
  };
  return buttons;
}

const std::vector<ToolbarButtonSpec>& ResultsPanelButtons() {
  static const std::vector<ToolbarButtonSpec> buttons = {
      {"vlastniv", "Vl", "Vlastní výsledky", HandledByWindow{}},
      {"oficialv", "SIDC", "SIDC výsledky pro Brusel", HandledByWindow{}},
      {"CVvysledky", "CV", "CV indexy pro Norsko", HandledByWindow{}},
      {"namercelek", "NC", "Naměřené měsíční hodnoty - celková", HandledByWindow{}},
      {"namersever", "NS", "Naměřené měsíční hodnoty - sever", HandledByWindow{}},
      {"namerjih", "NJ", "Naměřené měsíční hodnoty - jih", HandledByWindow{}},
      {"vyhlcelek", "VC", "Vyhlazené  měsíční hodnoty (celková)", HandledByWindow{}},
      {"vyhlsever", "VS", "Vyhlazené  měsíční hodnoty (sever)", HandledByWindow{}},
      {"vyhljih", "VJ", "Vyhlazené  měsíční hodnoty (jih)", HandledByWindow{}},
      {"pozorovatelv", "Poz", "Pozorovatelé", HandledByWindow{}},
      {"vyskytskup", "Vý", "Vývoj skupin", HandledByWindow{}},
      {"vyvojskup", "Typ", "Výskyt typu skupin", HandledByWindow{}},
      {"promapovy", "PM", "Podklady pro mapu", HandledByWindow{}},
      {"velikost", "Vel", "Velikost denních skupin", HandledByWindow{}},
      {"SpeedButton1", "Bez", "Bez sluneční aktivity", HandledByWindow{}},
      {"asme", "AsM", "Asymetrie měsíční", HandledByWindow{}},
      {"asro", "AsR", "Asymetrie roční", HandledByWindow{}},
      {"polohy", "VZ", "Polohy východ - západ, denní", HandledByWindow{}},
      {"polohym", "VZm", "Polohy východ - západ, měsíční", HandledByWindow{}},
      {"polohyr", "VZr", "Polohy východ - západ, roční", HandledByWindow{}},
      {"kfaktorc", "k", "Koeficienty k pozorovatelů vůči SILSO - celková", HandledByWindow{}},
      {"kfaktors", "kS", "Koeficienty k pozorovatelů vůči SILSO - sever", HandledByWindow{}},
      {"kfaktorj", "kJ", "Koeficienty k pozorovatelů vůči SILSO - jih", HandledByWindow{}},
      {"kontrolav", "KD", "Kontrola dat: chyby a podezřelé údaje zákresů", HandledByWindow{}},
      {"nejistotyv", "Nej", "Nejistoty měsíčních hodnot: dny, rozptyl, střední chyba",
       HandledByWindow{}},
      {"skupinyvcasev", "SvČ",
       "Skupiny v čase: skupiny sledované ze dne na den, jejich dny a dráha na mapě",
       HandledByWindow{}},
      {"zapidosoudorutxt", "TXT", "Uložení východ - západ", HandledByWindow{}},
      {"AsinTXT", "TXT", "Uložení asymetrie", HandledByWindow{}},
      {"SpeedButton8", "CSV", "Do CSV souboru", HandledByWindow{}},
      {"SpeedButton4", "L B P", "Zobrazení souřadnic pro jednotlivé dny",
       RunsCommand{"SpeedButton4"}},
      {"vysasimet", "As", "", ComingSoon{}},
      {"SpeedButton9", "X", "Zavřít", ClosesWindow{}},
  };
  return buttons;
}

const std::vector<ToolbarPanelSpec>& ToolbarPanelSpecs() {
  static const std::vector<ToolbarPanelSpec> panels = {
      {kBasicPanel, BasicPanelButtons},   {kButterflyPanel, ButterflyPanelButtons},
      {kGraphsPanel, GraphsPanelButtons}, {kSmoothedPanel, SmoothedPanelButtons},
      {kMapsPanel, MapsPanelButtons},     {kResultsPanel, ResultsPanelButtons},
  };
  return panels;
}

}  // namespace ardeno
