#include "ui/shell/toolbar_buttons.h"

namespace ardeno {

const std::vector<ToolbarButtonSpec>& BasicPanelButtons() {
  static const std::vector<ToolbarButtonSpec> buttons = {
      {"novyzakres", "Nový", "Nový  zákres", ""},
      {"zvlastnizakrrs", "Zvl.", "Zvláštní zákres", ""},
      {"opravazaz", "O", "Oprava  záznamu", ""},
      {"ulozit", "Ulož", "Uložit data", ""},
      {"poslednizaz", ">|", "Poslední záznam", ""},
      {"motylekz", "Mot.", "Motýlkový diagram", ""},
      {"grafyz", "Gr.", "Denní grafy", ""},
      {"vyhladitz", "Vyhl.", "Vyhlazené grafy", ""},
      {"asimetryz", "Asy.", "Asymetrie grafy", ""},
      {"mapyz", "Mapy", "Synoptické mapy", ""},
      {"vysledekz", "Výs.", "Výsledky", ""},
      {"menvet", "Zmenšit", "Zmenšit - zvětšit", ""},
      {"pomocnaskvrna", "Pom.", "Vzdálenost pomocné skvrny", ""},
      {"SpeedButton2", "Or.", "Orientace", ""},
      {"SpeedButton3", "BMP", "Uložit obrázek zákresu", ""},
      {"SpeedButton14", "JPG", "Uloží kopii okna v jpg ", ""},
      {"SpeedButton7", "Tisk", "", ""},
      {"zfota", "Foto", "Zadávání z přefoceného zákresu ", ""},
  };
  return buttons;
}

const std::vector<ToolbarButtonSpec>& ButterflyPanelButtons() {
  static const std::vector<ToolbarButtonSpec> buttons = {
      {"skvrny", "Sk", "Skupiny", "skvrnymotClick", true},
      {"fakule", "Fa", "Fakule", "fakulemotClick", true},
      {"skvrfak", "S+F", "Skvrny i fakule", "celek1Click", true},
      {"vyskvrn", "Výš", "Výška skupin", "vyskaskvrnClick"},
      {"vyskhlaz", "Vhl", "Výška vyhlazená", "vyskahlazenaClick"},
      {"hranice", "Hr", "Ohraničení", "hraniceClick"},
      {"vse", "Vše", "Veškeré ohraničení", "vseClick"},
      {"podkresleni", "Pod", "Podkreslit", "Podkreslit1Click"},
      {"podkreskorona", "Kor", "Podkreslit zelenou koronu", "koronapodClick"},
      {"vlevo", "><", "Zúžit ", ""},
      {"vpravo", "<>", "Rozšířit", ""},
      {"vetsi", "+", "Zvýšit", ""},
      {"mensi", "-", "Snížit", ""},
      {"sirfakule", "Šíř", "Šířka fakulí", "", true},
      {"SpeedButton12", "X", "Zavřít", kCloseOperation},
  };
  return buttons;
}

const std::vector<ToolbarButtonSpec>& GraphsPanelButtons() {
  static const std::vector<ToolbarButtonSpec> buttons = {
      {"gb", "g", "Počet skupin", "ggrafClick"},
      {"fb", "f", "Počet skvrn", "fgrafClick"},
      {"rb", "R", "Relativní číslo", "rrelativniClick"},
      {"cvb", "CV", "CV  (McIntoshovo číslo)", "cvgrafClick"},
      {"snb", "SN", "SN  (Pettisovo číslo)", "sngrafClick"},
      {"rbb", "RB", "RB  (Beckovo číslo)", "rbgrafClick"},
      {"plochb", "Pl", "Plocha skupin", "plochagrafClick"},
      {"polob", "Po", "Plocha  polokoule", "polokoulegrafClick"},
      {"plochfak", "PF", "Plocha fakulí", "PlochafakulClick"},
      {"vsechny", "3", "Tři  křivky", "vsechnyClick"},
      {"celkovy", "C", "Celková koule", "celkovyClick"},
      {"sevrni", "S", "Severní  polokoule", "severgClick"},
      {"jizni", "J", "Jižní polokoule", "jihgClick"},
      {"stupnice", "St", "Stupnice", "stupniceClick"},
      {"gsvz", "VZS", "Počet skupin východ - západ - střed", "gsvzgClick"},
      {"SpeedButton13", "X", "Zavřít", kCloseOperation},
  };
  return buttons;
}

const std::vector<ToolbarButtonSpec>& SmoothedPanelButtons() {
  static const std::vector<ToolbarButtonSpec> buttons = {
      {"gv", "g", "g", "gvyhlClick"},
      {"fv", "f", "f", "fvyhlClick"},
      {"rv", "R", "R", "rvyhlClick"},
      {"cvv", "CV", "CV", "cvvyhlClick"},
      {"snv", "SN", "SN", "snvyhlClick"},
      {"rbv", "RB", "RB", "rbvyhlClick"},
      {"plochv", "Pl", "Plocha", "plochavyhlClick"},
      {"polokouv", "Po", "Plocha polokoule", "polokvyhlClick"},
      {"zakrsovy", "AD", "Asymetrie  denní  diagram", "zaznamovaClick"},
      {"mesicni", "AM", "Asymetrie měsíční diagram", "mesicniClick"},
      {"rocni", "AR", "Asymetrie roční diagram", "rocniClick"},
      {"stupnicevyhl", "St", "Stupnice", "stupnicClick"},
      {"CElek", "C", "Vyhlazená celková", "vybrat:1"},
      {"severni", "S", "Vyhlazená severní", "vybrat:2"},
      {"jizniv", "J", "Vyhlazená jižní", "vybrat:3"},
      {"sev_jih", "S-J", "Porovnání  sever a jih", "vybrat:4"},
      {"zmensit", "><", "Zmenšit", ""},
      {"rozsirit", "<>", "Rozšířit", ""},
      {"SpeedButton11", "X", "Zavřít", kCloseOperation},
  };
  return buttons;
}

const std::vector<ToolbarButtonSpec>& MapsPanelButtons() {
  static const std::vector<ToolbarButtonSpec> buttons = {
      {"rotacem", "Rot", "Výběr rotace", "vybermClick"},
      {"mapam", "Map", "Synoptická mapa", "mapkyClick"},
      {"dlouham", "Dl", "Dlouhá mapa", "dlouhamapClick"},
      {"vysokam", "Vys", "Vysoká mapa", "vysokamapClick"},
      {"SpeedButton5", "2M", "Dvě mapy nad sebou ", "dvenadsebouClick"},
      {"koronagraf", "KG", "Korona graf", "KoronaGrafClick"},
      {"koronaitensit", "KM", "Korona  motýlek", "koronamotylClick"},
      {"koronsku", "KS", "Korona skutečná", "koronaglobClick"},
      {"koronpod", "KP", "Pod kreslit koronu", "koronapodClick"},
      {"magnetpod", "Mg", "Podkreslit magnetosférou", "MagnetoSfera1Click"},
      {"srovnan", "Sr", "Srovnávání", "SrovnaniClick"},
      {"SpeedButton6", "2x", "Násobek velikosti ploch skupin", ""},
      {"vloztext", "A", "Před tiskem možno vložit text", "", true},
      {"SpeedButton10", "X", "Zavřít", kCloseOperation},
  };
  return buttons;
}

const std::vector<ToolbarButtonSpec>& ResultsPanelButtons() {
  static const std::vector<ToolbarButtonSpec> buttons = {
      {"vlastniv", "Vl", "Vlastní výsledky", "vlastniClick"},
      {"oficialv", "SIDC", "SIDC výsledky pro Brusel", "oficialniClick"},
      {"CVvysledky", "CV", "CV indexy pro Norsko", "CVvysledekClick"},
      {"namercelek", "NC", "Naměřené měsíční hodnoty - celková", "celkovynamClick"},
      {"namersever", "NS", "Naměřené měsíční hodnoty - sever", "severnamClick"},
      {"namerjih", "NJ", "Naměřené měsíční hodnoty - jih", "jihnamClick"},
      {"vyhlcelek", "VC", "Vyhlazené měsíční hodnoty - celková", "celkovyvyrClick"},
      {"vyhlsever", "VS", "Vyhlazené měsíční hodnoty - sever", "severvyrClick"},
      {"vyhljih", "VJ", "Vyhlazené měsíční hodnoty - jih", "jihvyrClick"},
      {"pozorovatelv", "Poz", "Pozorovatelé", "pozorovateleClick"},
      {"vyskytskup", "Vý", "Vývoj skupin", "vyskitClick"},
      {"vyvojskup", "Typ", "Výskyt typu skupin", "Vvojskupin1Click"},
      {"promapovy", "PM", "Podklady pro mapu", "udajmapaClick"},
      {"velikost", "Vel", "Velikost denních skupin", "velikyClick"},
      {"SpeedButton1", "Bez", "Bez sluneční aktivity", "BezaktivityClick"},
      {"asme", "AsM", "Asymetrie měsíční", "dataasimClick"},
      {"asro", "AsR", "Asymetrie roční", "dataasimClick"},
      {"polohy", "VZ", "Polohy východ - západ, denní", "polohy1Click"},
      {"polohym", "VZm", "Polohy východ - západ, měsíční", "polohy1Click"},
      {"polohyr", "VZr", "Polohy východ - západ, roční", "polohy1Click"},
      {"kfaktorc", "k", "Koeficienty k pozorovatelů vůči SILSO - celková", "kfaktoryClick"},
      {"kfaktors", "kS", "Koeficienty k pozorovatelů vůči SILSO - sever", "kfaktoryClick"},
      {"kfaktorj", "kJ", "Koeficienty k pozorovatelů vůči SILSO - jih", "kfaktoryClick"},
      {"zapidosoudorutxt", "TXT", "Uložení východ - západ", "polohytext"},
      {"AsinTXT", "TXT", "Uložení asymetrie", "asimtxt"},
      {"SpeedButton8", "CSV", "Do CSV souboru", "namdocsv"},
      {"SpeedButton4", "L B P", "Zobrazení souřadnic pro jednotlivé dny", ""},
      {"vysasimet", "As", "", ""},
      {"SpeedButton9", "X", "Zavřít", kCloseOperation},
  };
  return buttons;
}

}  // namespace ardeno
