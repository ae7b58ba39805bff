// The main window's commands: every menu item and every toolbar button the main window handles
// itself. A command without a handler is not part of the program yet ("Připravuje se").
#include "core/entry/record_input.h"
#include "ui/drawing/drawing_window.h"
#include "ui/entry/record_list_window.h"
#include "ui/shell/main_window.h"

namespace ardeno {

std::vector<Command> MainWindow::BuildCommands() {
  // The record and drawing commands work on the drawing window and the record list, made at
  // start-up.
  auto dataWindowsExist = [this] { return m_list != nullptr && m_drawing != nullptr; };
  const QString beforeData = QStringLiteral("Až po načtení dat");
  const QString alreadyOpen = QStringLiteral("Okno je už otevřené");
  auto onDrawing = [this](void (DrawingWindow::*operation)()) {
    return [this, operation] { (m_drawing->*operation)(); };
  };
  return {
      // Zadávání
      {"novy", QStringLiteral("&Nový zákres"),
       [this] { OpenEditor("novy", static_cast<int>(EditorMode::NewDrawing)); }, dataWindowsExist,
       false, beforeData},
      {"zvlastni", QStringLiteral("&Zvlášťní zákres"),
       [this] { OpenEditor("zvlastni", static_cast<int>(EditorMode::Special)); }, dataWindowsExist,
       false, beforeData},
      {"oprava", QStringLiteral("&Oprava  dat"), [this] { CorrectRecord(); }, dataWindowsExist,
       false, beforeData},
      {"odstranit", tr("O&dstranit zákres…"), [this] { RemoveCurrentDrawing(); }, dataWindowsExist,
       false, beforeData},
      {"ulozitdat", QStringLiteral("Uložit data"), [this] { SaveData(); }},
      {"ulozASCI", QStringLiteral("Uložit jako ASCI"), [this] { SaveAsciiExport(); }},
      {"posledni1", QStringLiteral("&Poslední zákres"), [this] { m_list->ShowLastRecord(); },
       dataWindowsExist, false, beforeData},
      {"skok", tr("&Jít na datum…"), [this] { m_list->StartDateJump(); }, dataWindowsExist, false,
       beforeData, QKeySequence(Qt::CTRL | Qt::Key_G)},
      {"zpet", tr("Zpět"), [this] { StepThroughHistory(false); },
       [this] { return m_ctx.History.CanUndo(); }, false, tr("Není co vrátit"),
       QKeySequence(Qt::CTRL | Qt::Key_Z)},
      {"znovu", tr("Znovu"), [this] { StepThroughHistory(true); },
       [this] { return m_ctx.History.CanRedo(); }, false, tr("Není co opakovat"),
       QKeySequence(Qt::CTRL | Qt::Key_Y)},
      {"tisk1", QStringLiteral("Tisk zákresu"), onDrawing(&DrawingWindow::ShowPrintBox),
       dataWindowsExist, false, beforeData},
      {"Ulozkresy", QStringLiteral("Ulož zákresy (bmp)"),
       [this] { m_drawing->ShowSaveRangeBox(DrawingImageFormat::Bmp); }, dataWindowsExist, false,
       beforeData},
      {"konec", QStringLiteral("&Konec"), [this] { close(); }},
      // Grafy
      {"motylek1", QStringLiteral("&Motýlek"), [this] { OpenButterfly(); }},
      {"graf", QStringLiteral("&Grafy"), [this] { OpenDailyGraphs(); },
       [this] { return m_dailyGraphs.isNull(); }, false, alreadyOpen},
      {"vyhlazovaci", QStringLiteral("&Vyhlazovací"), [this] { OpenSmoothedGraphs(0); }},
      {"asyroz",
       QStringLiteral("Asymetrie rozdílová"),
       [this] { OpenAsymmetryGraphs(1); },
       {},
       true},
      {"asypo", QStringLiteral("Asymetrie podílová"), [this] { OpenAsymmetryGraphs(0); }, {}, true},
      // On the menu bar itself
      {"map", QStringLiteral("&Mapy"), [this] { OpenMaps(); }, [this] { return m_maps.isNull(); },
       false, alreadyOpen},
      {"vysledky1", QStringLiteral("&Výsledky"), [this] { OpenResults(); }},
      {"About1", QStringLiteral("&About"), [this] { ShowAbout(); }},
      {"napoveda", QStringLiteral("Nápověda"), [this] { ShowHelp(); }},
      // Basic-panel buttons of the drawing window
      {"SpeedButton2", QStringLiteral("Orientace"), onDrawing(&DrawingWindow::ShowOrientation),
       dataWindowsExist, false, beforeData},
      {"SpeedButton14", QStringLiteral("Uloží kopii okna v jpg "),
       [this] { m_drawing->ShowSaveRangeBox(DrawingImageFormat::Jpg); }, dataWindowsExist, false,
       beforeData},
      {"menvet", QStringLiteral("Zmenšit - zvětšit"), onDrawing(&DrawingWindow::ToggleCompact),
       dataWindowsExist, false, beforeData},
      {"pomocnaskvrna", QStringLiteral("Vzdálenost pomocné skvrny"),
       onDrawing(&DrawingWindow::ShowAuxSpotPanel), dataWindowsExist, false, beforeData},
      {"zfota", QStringLiteral("Zadávání z přefoceného zákresu "), [this] { OpenPhotoWindow(); },
       dataWindowsExist, false, beforeData},
      // Toolbar buttons that change the view settings the main window keeps
      {"vlevo", QStringLiteral("Zúžit"), [this] { ChangeTimeFactor(false); }},
      {"vpravo", QStringLiteral("Rozšířit"), [this] { ChangeTimeFactor(true); }},
      {"vetsi", QStringLiteral("Zvýšit"), [this] { ChangeHeightScale(true); }},
      {"mensi", QStringLiteral("Snížit"), [this] { ChangeHeightScale(false); }},
      {"sirfakule", QStringLiteral("Šířka fakulí"), [this] { ToggleFaculaeWidth(); }},
      {"zmensit", QStringLiteral("Zmenšit"), [this] { ChangeCompression(true); }},
      {"rozsirit", QStringLiteral("Rozšířit"), [this] { ChangeCompression(false); }},
      {"SpeedButton6", QStringLiteral("Násobek velikosti ploch skupin"),
       [this] { ToggleAreaMultiple(); }},
      {"vloztext", QStringLiteral("Před tiskem možno vložit text"),
       [this] { RequestInsertText(); }},
      // Results panel
      {"SpeedButton4", QStringLiteral("Zobrazení souřadnic pro jednotlivé dny"),
       [this] { OpenCoordinateTables(); }},
  };
}

}  // namespace ardeno
