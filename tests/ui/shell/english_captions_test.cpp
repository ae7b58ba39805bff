// SPDX-License-Identifier: GPL-3.0-or-later
// The captions, titles and headings core makes for the windows: Czech by default, English with
// the English interface; the names of saved pictures stay Czech whatever the language.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/butterfly/butterfly_scene.h"
#include "core/data/database_ops.h"
#include "core/data/edit_history.h"
#include "core/data/equal_dates.h"
#include "core/drawing/frame_texts.h"
#include "core/entry/editor_texts.h"
#include "core/entry/record_display.h"
#include "core/entry/record_input_checks.h"
#include "core/entry/record_list_pages.h"
#include "core/graphs/comparison_curves.h"
#include "core/graphs/daily_graph_axis.h"
#include "core/graphs/daily_graph_kinds.h"
#include "core/graphs/smoothed_graph_kinds.h"
#include "core/groups/asymmetry_grid.h"
#include "core/groups/east_west.h"
#include "core/groups/group_records.h"
#include "core/groups/group_statistics.h"
#include "core/groups/group_text_files.h"
#include "core/groups/group_tracks.h"
#include "core/groups/group_types_per_year.h"
#include "core/groups/map_data.h"
#include "core/groups/rotation_evolution.h"
#include "core/maps/magnet_cycles.h"
#include "core/maps/map_rotation.h"
#include "core/photo/photo_date.h"
#include "core/photo/photo_faculae.h"
#include "core/photo/photo_groups.h"
#include "core/reference/k_factors.h"
#include "core/results/month_walk.h"
#include "core/results/monthly_uncertainty.h"
#include "core/results/table_print.h"
#include "core/shell/main_caption.h"
#include "core/shell/saved_status.h"
#include "support/database_builders.h"
#include "support/editor_inputs.h"
#include "ui/shell/interface_language.h"

using namespace ardeno;

using TextOf = std::function<std::string()>;
Q_DECLARE_METATYPE(TextOf)

class EnglishCaptionsTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() { QVERIFY(UseMessageLanguage(InterfaceLanguage::Czech)); }
  void Graphs_data();
  void Graphs() { CompareBothLanguages(); }
  void Captions_data();
  void Captions() { CompareBothLanguages(); }
  void GroupTables_data();
  void GroupTables() { CompareBothLanguages(); }
  void GroupFilesKeepTheirBytes_data();
  void GroupFilesKeepTheirBytes();
  void RecordEditor_data();
  void RecordEditor() { CompareBothLanguages(); }
  void ResultTables_data();
  void ResultTables() { CompareBothLanguages(); }
  void PhotoAndMaps_data();
  void PhotoAndMaps() { CompareBothLanguages(); }
  void DrawingWindow_data();
  void DrawingWindow() { CompareBothLanguages(); }

 private:
  static void AddColumns();
  static void CompareBothLanguages();
};

void EnglishCaptionsTest::AddColumns() {
  QTest::addColumn<TextOf>("text");
  QTest::addColumn<QString>("czech");
  QTest::addColumn<QString>("english");
}

// The text as the Czech interface shows it, then as the English one does.
void EnglishCaptionsTest::CompareBothLanguages() {
  QFETCH(TextOf, text);
  QFETCH(QString, czech);
  QFETCH(QString, english);
  QCOMPARE(QString::fromStdString(text()), czech);
  QVERIFY(UseMessageLanguage(InterfaceLanguage::English));
  QCOMPARE(QString::fromStdString(text()), english);
}

void EnglishCaptionsTest::Graphs_data() {
  AddColumns();
  const DailyGraphInfo& relative = DailyGraphInfoOf(DailyGraph::R);
  const SmoothedIndexInfo& hemispheres = SmoothedIndexInfoOf(SmoothedIndex::HemisphereArea);
  const ComparedSeriesInfo& flux = ComparedSeriesInfoOf(ComparedSeries::RadioFlux);
  QTest::newRow("daily menu item")
      << TextOf([&] { return DailyGraphMenuText(relative); }) << "&r     Relativní číslo"
      << "&r     Relative number";
  QTest::newRow("daily title") << TextOf([&] { return DailyGraphTitle(relative); })
                               << " Relativní číslo"
                               << " Relative number";
  QTest::newRow("records left out") << TextOf([] { return SkippedRecordsText(3); })
                                    << "Záznamů s neplatným datem vynechaných v grafu: 3"
                                    << "Records with an invalid date left out of the graph: 3";
  QTest::newRow("smoothed menu item")
      << TextOf([&] { return SmoothedIndexMenuText(hemispheres); }) << "Polokoule"
      << "Hemispheres";
  QTest::newRow("smoothed title and view") << TextOf([&] {
    return SmoothedIndexTitle(hemispheres) + SmoothedViewText(SmoothedView::Both);
  }) << " Plocha skvrn  polokoule   severní a jižní"
                                           << " Spot area,  hemispheres   north and south";
  QTest::newRow("comparison check box")
      << TextOf([&] { return ComparedSeriesText(flux); }) << "Rádiový tok"
      << "Radio flux";
  QTest::newRow("comparison legend") << TextOf([] {
    ComparisonCurve curve;
    curve.Series = ComparedSeries::RadioFlux;
    curve.Largest = 180.25;
    return ComparisonLegendText(curve, FluxKind::Adjusted);
  }) << "Rádiový tok ADJ   100 % = 180.3"
                                     << "Radio flux ADJ   100 % = 180.3";
  QTest::newRow("comparison without data")
      << TextOf([] { return ComparisonMissingText(ComparedSeries::HemisphereArea); })
      << "Nejsou data pro vyhlazenou křivku: Polokoule  plocha (je třeba aspoň 13 měsíců)"
      << "No data for the smoothed curve: Hemisphere  area (at least 13 months are needed)";
  QTest::newRow("butterfly caption")
      << TextOf([] { return ButterflyCaption(ButterflyMode::Both); }) << "Motýlek   Skvrny a fakule"
      << "Butterfly   Spots and faculae";
}

void EnglishCaptionsTest::Captions_data() {
  AddColumns();
  QTest::newRow("main window, polar entry")
      << TextOf([] { return MainCaption(CoordinateMode::Polar, 62.5f); })
      << "Ardeno - zákresy sluneční fotosféry (Polární souřadnice)  (průměr zákresu  125 mm)"
      << "Ardeno - drawings of the solar photosphere (Polar coordinates)  (drawing diameter  125 "
         "mm)";
  QTest::newRow("main window, heliographic entry")
      << TextOf([] { return MainCaption(CoordinateMode::Heliographic, 62.5f); })
      << "Ardeno - zákresy sluneční fotosféry Vizuálně   (Heliografické sou"
      << "Ardeno - drawings of the solar photosphere Visual   (Heliographic coordinates)";
  const ObservationRecord drawing = test::DatedRecord(CalendarDate{2004, 3, 5});
  QTest::newRow("drawing window") << TextOf([drawing] { return DrawingCaption(drawing); })
                                  << "Zákres    05.03.2004"
                                  << "Drawing    05.03.2004";
  // The drawing's saved picture is named in Czech whatever the language.
  QTest::newRow("drawing picture name")
      << TextOf([drawing] { return DrawingImageName(drawing); }) << "Zákres    05.03.2004"
      << "Zákres    05.03.2004";
  QTest::newRow("saved, one") << TextOf([] { return SavedRecordsText(1); }) << "Uloženo: 1 zákres"
                              << "Saved: 1 drawing";
  QTest::newRow("saved, three") << TextOf([] { return SavedRecordsText(3); })
                                << "Uloženo: 3 zákresy"
                                << "Saved: 3 drawings";
  QTest::newRow("saved, many") << TextOf([] { return SavedRecordsText(4054); })
                               << "Uloženo: 4054 zákresů"
                               << "Saved: 4054 drawings";
  QTest::newRow("undo and redo")
      << TextOf([] {
           Database db = test::ConsecutiveDays(3);
           EditHistory history;
           history.Reset(db);
           RemoveRecord(db, 1);
           history.Record(db, EditKind::Removal, "01.03.2024");
           const std::string undo = history.UndoText();
           history.Undo(db);
           return undo + " | " + history.RedoText() + " | " + EditKindName(EditKind::Merge);
         })
      << "Zpět: odstranění 01.03.2024 | Znovu: odstranění 01.03.2024 | sloučení souborů"
      << "Undo removal 01.03.2024 | Redo removal 01.03.2024 | merge of files";
}

namespace {

// Drawings every other day over more than a year: every table has rows, the yearly asymmetry
// two years.
const Database& GroupDrawings() {
  static const Database db = test::DatabaseOf(test::TwoGroupsEveryOtherDay(440));
  return db;
}

const GroupStatistics& Statistics() {
  static const GroupStatistics stats = ComputeGroupStatistics(GroupDrawings());
  return stats;
}

std::string Joined(const std::vector<std::string>& cells) {
  std::string line;
  for (const std::string& cell : cells) line += (line.empty() ? "" : "|") + cell;
  return line;
}

// The heading row of a grid.
std::string Headings(const TextGrid& grid) {
  std::vector<std::string> cells;
  for (int c = 0; c < grid.ColumnCount(); ++c) cells.push_back(grid.Cell(0, c));
  return Joined(cells);
}

QByteArray FileBytes(const std::filesystem::path& file) {
  QFile read(QString::fromStdString(file.string()));
  return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
}

}  // namespace

void EnglishCaptionsTest::GroupTables_data() {
  AddColumns();
  QTest::newRow("left out") << TextOf([] {
    LeftOutRecords leftOut = Statistics().Classes.LeftOut;
    leftOut.Count = 2;
    return leftOut.Message();
  }) << "Počty skupin podle otoček nezapočetly skupiny s číslem v otočce nad 70 (2)."
                            << "The group counts per rotation left out groups numbered above 70 "
                               "in their rotation (2).";
  QTest::newRow("monthly asymmetry") << TextOf([] {
    const TextGrid grid = AsymmetryGrid(Statistics().Asymmetry, AsymmetryPeriod::Monthly);
    return grid.Cell(0, 0) + "|" + grid.Cell(0, 17);
  }) << "Měsíc|p.zákre"
                                     << "Month|n.draw.";
  QTest::newRow("largest groups") << TextOf([] { return Headings(LargestGroupsGrid({})); })
                                  << "Pořadí|Datum|Typ|Č.sk.|Plocha|Rotace"
                                  << "Rank|Date|Class|Grp.no.|Area|Rotation";
  QTest::newRow("classes per year") << TextOf([] {
    const TextGrid grid = TypeCountGrid(Statistics().Types);
    return grid.Cell(0, 0) + "|" + grid.Cell(grid.RowCount() - 1, 0);
  }) << "Typ|jiný"
                                    << "Class|other";
  QTest::newRow("map data")
      << TextOf([] {
           const TextGrid grid = MapDataGrid(Statistics().Rotations, Statistics().Classes);
           std::vector<std::string> cells;
           for (int c = 0; c < 12; ++c) cells.push_back(grid.Cell(0, c));
           return Joined(cells) + "|" + MapDataCountLabel(Statistics().Rotations);
         })
      << "Rotace|   Sev.|   Jih|   Sev.|   Jih|   Sev.|   Jih| S max| S min| J max| J min| "
         "Asym|Počet hodnot je = 17"
      << "Rotation|  North| South|  North| South|  North| South| N max| N min| S max| S min| "
         "Asym|Number of values = 17";
  QTest::newRow("east-west positions")
      << TextOf([] { return EastWestGrid({}, PositionPeriod::Daily).Cell(0, 0); }) << "Datum"
      << "Date";
  QTest::newRow("rotation evolution")
      << TextOf([] {
           const int rotation = GroupDrawings().Record(1).Rotation() + 1;
           return ComputeRotationEvolution(GroupDrawings(), Statistics().Positions, rotation)
                      .Grid.Cell(0, 0) +
                  "|" + EvolutionNotShownMessage(2000);
         })
      << "Skupina|Vývoj skupin otočky 2000 nelze ukázat: otočka nemá žádný zákres nebo začíná "
         "zvlášťním zákresem."
      << "Group|The evolution of the groups of rotation 2000 cannot be shown: the rotation has no "
         "drawing or begins with a special drawing.";
  QTest::newRow("group tracks")
      << TextOf([] {
           const std::vector<GroupTrack> tracks =
               TrackGroups(GroupDrawings(), Statistics().Positions);
           return Joined(TrackRows(tracks).front()) + "|" +
                  Joined(TrackDayRows(tracks.front(), GroupDrawings()).front());
         })
      << "stopa|od|do|dní|centrální meridián|šířka|max plocha|typy|čísla|NOAA|datum|UT|"
         "pozorovatel|skupina|číslo|typ|plocha|šířka|délka|CM"
      << "track|from|to|days|central meridian|latitude|max area|classes|numbers|NOAA|date|UT|"
         "observer|group|number|class|area|latitude|longitude|CM";
}

void EnglishCaptionsTest::GroupFilesKeepTheirBytes_data() {
  QTest::addColumn<int>("period");
  QTest::newRow("monthly asymmetry") << static_cast<int>(AsymmetryPeriod::Monthly);
  QTest::newRow("yearly asymmetry") << static_cast<int>(AsymmetryPeriod::Yearly);
}

// The asymmetry files and the tracks' CSV are the observatory's: written while the windows speak
// English they are the Czech files byte for byte.
void EnglishCaptionsTest::GroupFilesKeepTheirBytes() {
  QFETCH(int, period);
  const auto asymmetry = static_cast<AsymmetryPeriod>(period);
  QTemporaryDir czechDir;
  QTemporaryDir englishDir;
  const std::filesystem::path czech = czechDir.path().toStdString();
  const std::filesystem::path english = englishDir.path().toStdString();
  const std::filesystem::path file =
      std::filesystem::path(kGroupFilesFolder) / AsymmetryFileName(asymmetry);
  const std::vector<GroupTrack> tracks = TrackGroups(GroupDrawings(), Statistics().Positions);
  QVERIFY(!WriteAsymmetryFile(czech, Statistics().Asymmetry, asymmetry));
  const std::string czechTracks = TracksCsv(tracks);
  QVERIFY(UseMessageLanguage(InterfaceLanguage::English));
  QVERIFY(!WriteAsymmetryFile(english, Statistics().Asymmetry, asymmetry));
  QVERIFY(!FileBytes(czech / file).isEmpty());
  QCOMPARE(FileBytes(english / file), FileBytes(czech / file));
  QCOMPARE(QString::fromStdString(TracksCsv(tracks)), QString::fromStdString(czechTracks));
}

void EnglishCaptionsTest::RecordEditor_data() {
  AddColumns();
  QTest::newRow("window caption") << TextOf([] { return EditorText(kCaptionCorrection); })
                                  << "Oprava dat"
                                  << "Correction of data";
  QTest::newRow("group grid titles") << TextOf([] {
    return EditorText(kGroupTitlesPolar[5]) + "|" + EditorText(kGroupTitlesHeliographic[4]);
  }) << "vzd.|    l "
                                     << "dist.|    l ";
  QTest::newRow("group grid hint") << TextOf([] {
    const std::string hint = GroupGridHint(true);
    return hint.substr(hint.rfind('\r') + 1);
  }) << "č.sk2. = číslo skupiny v rotaci( důležité)"
                                   << "grp2  = group number in the rotation (important)";
  QTest::newRow("too many groups typed")
      << TextOf([] { return CountChanged("45").Message.value_or(""); })
      << "Maximálni počet skupin je 40 !"
      << "The largest number of groups is 40!";
  QTest::newRow("store refusals")
      << TextOf([] {
           const Database db = test::MakeEditorDatabase(2);
           RecordInput input = test::MakeTypedDrawing();
           input.Header[HeaderField::Observer].clear();
           input.Header[HeaderField::TimeUT] = "x";
           std::string messages;
           for (const std::string& message : CheckHeader(db, input).Messages)
             messages += message + "|";
           return messages;
         })
      << "Není zadáno jméno pozorovatele|V poli \"Čas UT\" musí být celé číslo od 0 do "
         "65535\rzáznam nebude zapsán|"
      << "The observer's name is not entered|The field \"Time UT\" must hold a whole number "
         "from 0 to 65535\rthe record will not be stored|";
}

void EnglishCaptionsTest::ResultTables_data() {
  AddColumns();
  QTest::newRow("k-factor headings and cells") << TextOf([] {
    KFactorRow row;
    row.Observer = "Novák";
    row.Drift = true;
    const auto cells = KFactorCells(row);
    return KFactorHeading(0) + "|" + KFactorHeading(5) + "|" + cells[1] + "|" + cells[7];
  }) << "Pozorovatel|rozptyl|vše|posun"
                                               << "Observer|spread|all|drift";
  QTest::newRow("month names") << TextOf([] { return MonthNameShown(1) + MonthNameShown(12); })
                               << "LedenProsinec"
                               << "JanuaryDecember";
  QTest::newRow("print panel") << TextOf([] { return PrintPanelLabel(699, 63); })
                               << "Počet hodnot je = 700   ( 11.1  str.)"
                               << "Number of values = 700   ( 11.1  pages)";
  QTest::newRow("uncertainty headings") << TextOf([] {
    const auto shown = UncertaintyRowsShown(MonthlyUncertaintyRows({}));
    return Joined(shown.front());
  }) << "rok|měsíc|dny|n|průměr|sigma|chyba|příznak"
                                        << "year|month|days|n|mean|sigma|error|flag";
  // The CSV file keeps its Czech header whatever the language.
  QTest::newRow("uncertainty file")
      << TextOf([] { return UncertaintyCsv(SmoothedUncertaintyRows({})); })
      << "rok;měsíc;vyhlazená;měsíců;příznak\r\n"
      << "rok;měsíc;vyhlazená;měsíců;příznak\r\n";
}

void EnglishCaptionsTest::PhotoAndMaps_data() {
  AddColumns();
  QTest::newRow("photo of another day")
      << TextOf([] {
           return OtherDayQuestion(CalendarDate{2024, 3, 2}, "01.03.2024").value_or("");
         })
      << "Fotografie je podle svých údajů z 02.03.2024, ale vybraný zákres je z "
         "01.03.2024.\nZapsat do něj přesto údaje z této fotografie?"
      << "By its own data the photograph is from 02.03.2024, but the chosen drawing is from "
         "01.03.2024.\nWrite the data of this photograph into it anyway?";
  QTest::newRow("photo refusals") << TextOf([] {
    return CheckFaculaNumber(0).value_or("") + "|" + CheckGroupSequence(41).value_or("");
  }) << "Číslo fakule nula|Maximální počet skupin je 40 !"
                                  << "Facula number zero|The largest number of groups is 40!";
  QTest::newRow("map caption") << TextOf([] {
    return MapCaption({CalendarDate{2024, 3, 1}, CalendarDate{2024, 3, 28}, 0});
  }) << "Mapa   01.03.2024 - 28.03.2024"
                               << "Map   01.03.2024 - 28.03.2024";
  QTest::newRow("cycle comparison refusal") << TextOf([] {
    MagnetCycleQuery query;
    query.Cycles = 0;
    return CheckMagnetCycleQuery(query).value_or("");
  }) << "Počet cyklů musí být 1 až 10."
                                            << "The number of cycles must be 1 to 10.";
}

void EnglishCaptionsTest::DrawingWindow_data() {
  AddColumns();
  QTest::newRow("frame labels")
      << TextOf([] {
           std::string labels;
           for (std::size_t i = 0; i < kValueLabels.size(); ++i) labels += ValueLabel(i) + "|";
           return labels;
         })
      << "Čas UT|Podmínky|Obraz|Kvalita|Rotace|Lt|Bo|P|gc|fc|rc|F|g|f|r|CV|SN|RB|Plocha|Polokoule|"
      << "Time UT|Cond.|Image|Quality|Rotation|Lt|Bo|P|gc|fc|rc|F|g|f|r|CV|"
         "SN|RB|Area|Hemisph.|";
  QTest::newRow("heading") << TextOf([] {
    ObservationRecord record = test::DatedRecord(CalendarDate{2024, 3, 1});
    record.SetObserver("Novák");
    record.SetStation("Ondřejov");
    const FrameTexts t = BuildFrameTexts(record, SolarEphemeris{}, DayResults{}, 0);
    return t.DateLine + "|" + t.ObserverLine + "|" + t.StationLine;
  }) << "Datum :             01.03.2024|Pozorovatel :   Novák|Stanice :           Ondřejov"
                           << "Date :              01.03.2024|Observer :      Novák|Station :  "
                              "         Ondřejov";
  QTest::newRow("equal dates") << TextOf([] {
    return EqualDateMessage(test::DatedRecord(CalendarDate{2024, 3, 1}));
  }) << "Shodné datumy !     01.03.2024"
                               << "Equal dates!     01.03.2024";
  QTest::newRow("switch with a wrong time") << TextOf([] {
    std::vector<GroupRowTexts> rows(1);
    return SwitchPositionEntry(rows, 1, "01.03.2024", "x", true, 62.5f).value_or("");
  }) << "V poli \"Čas UT\" musí být celé číslo od 0 do 65535"
                                            << "The field \"Time UT\" must hold a whole number "
                                               "from 0 to 65535";
}

QTEST_MAIN(EnglishCaptionsTest)
#include "english_captions_test.moc"
