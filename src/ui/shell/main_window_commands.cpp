// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: every menu item and every toolbar button the main window handles
// itself. A command without a handler is not part of the program yet ("Připravuje se").
#include <map>
#include <string_view>

#include "core/entry/record_input.h"

#include <QCoreApplication>
#include "ui/drawing/drawing_window.h"
#include "ui/entry/record_list_window.h"
#include "ui/shell/main_window.h"

namespace ardeno {

namespace {

// The key of each command that has one; the toolbar buttons that run a command name its key in
// their hints. Ctrl+S, Ctrl+P and the single letters belong to the drawing window, Ctrl+Shift
// with a letter to the buttons of the analysis panels.
const std::map<std::string_view, QKeySequence>& CommandKeys() {
  static const std::map<std::string_view, QKeySequence> keys = {
      {"novy", QKeySequence(Qt::CTRL | Qt::Key_N)},
      {"zvlastni", QKeySequence(Qt::CTRL | Qt::Key_K)},
      {"oprava", QKeySequence(Qt::CTRL | Qt::Key_O)},
      {"ulozitdat", QKeySequence(Qt::CTRL | Qt::Key_U)},
      {"posledni1", QKeySequence(Qt::CTRL | Qt::Key_End)},
      {"skok", QKeySequence(Qt::CTRL | Qt::Key_G)},
      {"zpet", QKeySequence(Qt::CTRL | Qt::Key_Z)},
      {"znovu", QKeySequence(Qt::CTRL | Qt::Key_Y)},
      {"menvet", QKeySequence(Qt::Key_F2)},
      {"SpeedButton2", QKeySequence(Qt::Key_F3)},
      {"zfota", QKeySequence(Qt::Key_F4)},
      {"Ulozkresy", QKeySequence(Qt::Key_F5)},
      {"SpeedButton14", QKeySequence(Qt::Key_F6)},
      {"tisk1", QKeySequence(Qt::Key_F7)},
      {"pomocnaskvrna", QKeySequence(Qt::CTRL | Qt::Key_E)},
      {"motylek1", QKeySequence(Qt::CTRL | Qt::Key_B)},
      {"graf", QKeySequence(Qt::CTRL | Qt::Key_D)},
      {"vyhlazovaci", QKeySequence(Qt::CTRL | Qt::Key_H)},
      {"asypo", QKeySequence(Qt::CTRL | Qt::Key_I)},
      {"map", QKeySequence(Qt::CTRL | Qt::Key_M)},
      {"vysledky1", QKeySequence(Qt::CTRL | Qt::Key_R)},
      {"prirucka", QKeySequence(Qt::Key_F1)},
  };
  return keys;
}

}  // namespace

std::vector<Command> MainWindow::BuildCommands() {
  // The record and drawing commands work on the drawing window and the record list, made at
  // start-up.
  auto dataWindowsExist = [this] { return m_list != nullptr && m_drawing != nullptr; };
  const QString beforeData = QCoreApplication::translate("Ardeno", "Až po načtení dat");
  const QString alreadyOpen = QCoreApplication::translate("Ardeno", "Okno je už otevřené");
  auto onDrawing = [this](void (DrawingWindow::*operation)()) {
    return [this, operation] { (m_drawing->*operation)(); };
  };
  std::vector<Command> commands = {
      // Zadávání
      {"novy", QCoreApplication::translate("Ardeno", "&Nový zákres"),
       [this] { OpenEditor("novy", static_cast<int>(EditorMode::NewDrawing)); }, dataWindowsExist,
       false, beforeData},
      {"zvlastni", QCoreApplication::translate("Ardeno", "&Zvláštní zákres"),
       [this] { OpenEditor("zvlastni", static_cast<int>(EditorMode::Special)); }, dataWindowsExist,
       false, beforeData},
      {"oprava", QCoreApplication::translate("Ardeno", "&Oprava  dat"), [this] { CorrectRecord(); },
       dataWindowsExist, false, beforeData},
      {"odstranit", tr("O&dstranit zákres…"), [this] { RemoveCurrentDrawing(); }, dataWindowsExist,
       false, beforeData},
      {"ulozitdat", QCoreApplication::translate("Ardeno", "Uložit data"), [this] { SaveData(); }},
      {"ulozASCI", QCoreApplication::translate("Ardeno", "Uložit jako ASCII"),
       [this] { SaveAsciiExport(); }},
      {"posledni1", QCoreApplication::translate("Ardeno", "&Poslední zákres"),
       [this] { m_list->ShowLastRecord(); }, dataWindowsExist, false, beforeData},
      {"skok", tr("&Jít na datum…"), [this] { m_list->StartDateJump(); }, dataWindowsExist, false,
       beforeData},
      {"zpet", tr("Zpět"), [this] { StepThroughHistory(false); },
       [this] { return m_ctx.History.CanUndo(); }, false, tr("Není co vrátit")},
      {"znovu", tr("Znovu"), [this] { StepThroughHistory(true); },
       [this] { return m_ctx.History.CanRedo(); }, false, tr("Není co opakovat")},
      {"tisk1", QCoreApplication::translate("Ardeno", "Tisk zákresu"),
       onDrawing(&DrawingWindow::ShowPrintBox), dataWindowsExist, false, beforeData},
      {"Ulozkresy", QCoreApplication::translate("Ardeno", "Ulož zákresy (bmp)"),
       [this] { m_drawing->ShowSaveRangeBox(DrawingImageFormat::Bmp); }, dataWindowsExist, false,
       beforeData},
      {"stanice", tr("S&tanice…"), [this] { OpenStationForm(); }},
      {"konec", QCoreApplication::translate("Ardeno", "&Konec"), [this] { close(); }},
      // Each language by its own name, whatever the language shown.
      {"jazyk_cs",
       QStringLiteral("Čeština"),
       [this] { KeepLanguageChoice(InterfaceLanguage::Czech); },
       {},
       true},
      {"jazyk_en",
       QStringLiteral("English"),
       [this] { KeepLanguageChoice(InterfaceLanguage::English); },
       {},
       true},
      // Grafy
      {"motylek1", QCoreApplication::translate("Ardeno", "&Motýlek"), [this] { OpenButterfly(); }},
      {"graf", QCoreApplication::translate("Ardeno", "&Grafy"), [this] { OpenDailyGraphs(); },
       [this] { return m_dailyGraphs.isNull(); }, false, alreadyOpen},
      {"vyhlazovaci", QCoreApplication::translate("Ardeno", "&Vyhlazovací"),
       [this] { OpenSmoothedGraphs(0); }},
      {"asyroz",
       QCoreApplication::translate("Ardeno", "Asymetrie rozdílová"),
       [this] { OpenAsymmetryGraphs(1); },
       {},
       true},
      {"asypo",
       QCoreApplication::translate("Ardeno", "Asymetrie podílová"),
       [this] { OpenAsymmetryGraphs(0); },
       {},
       true},
      // On the menu bar itself
      {"map", QCoreApplication::translate("Ardeno", "&Mapy"), [this] { OpenMaps(); },
       [this] { return m_maps.isNull(); }, false, alreadyOpen},
      {"vysledky1", QCoreApplication::translate("Ardeno", "&Výsledky"), [this] { OpenResults(); }},
      {"About1", QCoreApplication::translate("Ardeno", "&About"), [this] { ShowAbout(); }},
      {"napoveda", QCoreApplication::translate("Ardeno", "Nápověda"), [this] { ShowHelp(); }},
      {"prirucka", tr("Příručka"), [this] { ShowHelpPage(); }},
      // Basic-panel buttons of the drawing window
      {"SpeedButton2", QCoreApplication::translate("Ardeno", "Orientace"),
       onDrawing(&DrawingWindow::ShowOrientation), dataWindowsExist, false, beforeData},
      {"SpeedButton14", QCoreApplication::translate("Ardeno", "Uloží kopii okna v jpg "),
       [this] { m_drawing->ShowSaveRangeBox(DrawingImageFormat::Jpg); }, dataWindowsExist, false,
       beforeData},
      {"menvet", QCoreApplication::translate("Ardeno", "Zmenšit - zvětšit"),
       onDrawing(&DrawingWindow::ToggleCompact), dataWindowsExist, false, beforeData},
      {"pomocnaskvrna", QCoreApplication::translate("Ardeno", "Vzdálenost pomocné skvrny"),
       onDrawing(&DrawingWindow::ShowAuxSpotPanel), dataWindowsExist, false, beforeData},
      {"zfota", QCoreApplication::translate("Ardeno", "Zadávání z přefoceného zákresu "),
       [this] { OpenPhotoWindow(); }, dataWindowsExist, false, beforeData},
      // Toolbar buttons that change the view settings the main window keeps
      {"vlevo", QCoreApplication::translate("Ardeno", "Zúžit"),
       [this] { ChangeTimeFactor(false); }},
      {"vpravo", QCoreApplication::translate("Ardeno", "Rozšířit"),
       [this] { ChangeTimeFactor(true); }},
      {"vetsi", QCoreApplication::translate("Ardeno", "Zvýšit"),
       [this] { ChangeHeightScale(true); }},
      {"mensi", QCoreApplication::translate("Ardeno", "Snížit"),
       [this] { ChangeHeightScale(false); }},
      {"sirfakule", QCoreApplication::translate("Ardeno", "Šířka fakulí"),
       [this] { ToggleFaculaeWidth(); }},
      {"zmensit", QCoreApplication::translate("Ardeno", "Zmenšit"),
       [this] { ChangeCompression(true); }},
      {"rozsirit", QCoreApplication::translate("Ardeno", "Rozšířit"),
       [this] { ChangeCompression(false); }},
      {"SpeedButton6", QCoreApplication::translate("Ardeno", "Násobek velikosti ploch skupin"),
       [this] { ToggleAreaMultiple(); }},
      {"vloztext", QCoreApplication::translate("Ardeno", "Před tiskem možno vložit text"),
       [this] { RequestInsertText(); }},
      // Results panel
      {"SpeedButton4",
       QCoreApplication::translate("Ardeno", "Zobrazení souřadnic pro jednotlivé dny"),
       [this] { OpenCoordinateTables(); }},
  };
  for (Command& command : commands) {
    if (const auto key = CommandKeys().find(command.Name); key != CommandKeys().end())
      command.Keys = key->second;
  }
  return commands;
}

}  // namespace ardeno
