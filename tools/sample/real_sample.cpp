// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample/real_sample.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "core/data/aux_file_io.h"
#include "core/data/file_error_text.h"
#include "core/quality/noaa_regions.h"
#include "core/reference/group_files_import.h"
#include "core/reference/group_import.h"
#include "core/reference/group_placement.h"
#include "core/reference/reference_series.h"
#include "core/solar/day_results.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"
#include "sample/sample_database.h"
#include "sample/sample_drawing.h"
#include "sample/sample_random.h"

namespace ardeno {

namespace fs = std::filesystem;

namespace {

constexpr double kClearDayShare = 0.72;     // days the weather allows a drawing
constexpr double kSpecialDayShare = 0.015;  // drawn spotted days that also get a special record
constexpr double kVisibleMeridianDistance = 85.0;
constexpr int kSmallGroupSpots = 3;
constexpr const char* kSpecialReporter = "Žáček Ondřej";
constexpr std::array<const char*, 3> kStations = {"Ondřejov", "Úpice", "Žďár nad Sázavou"};
constexpr int kFirstDriftYear = 2009;

// How much of the Sun each observer puts on paper: the share of the spots they count and the
// chance they notice a group of at most three spots. Hájek loses a few per cent of both a year,
// so his late years show as a drift of his k-factor.
struct PersonalScale {
  const char* Name;
  double SpotShare;
  double SmallGroupShare;
  double SpotShareChangePerYear;
};
constexpr std::array<PersonalScale, 7> kObservers = {{
    {"Novák Jan", 0.92, 0.90, 0},
    {"Dvořáková Eva", 0.75, 0.60, 0},
    {"Černý Petr", 1.10, 1.00, 0},
    {"Šťastná Jiřina", 0.60, 0.40, 0},
    {"Růžička Tomáš", 0.85, 0.75, 0},
    {"Kučerová Ludmila", 0.70, 0.55, 0},
    {"Hájek Zdeněk", 1.00, 0.95, -0.07},
}};

const PersonalScale& ChooseObserver(SampleRandom& random) {
  // The station's regular observer draws most days; the others stand in.
  return kObservers[random.Chance(0.55) ? 0 : static_cast<std::size_t>(random.Int(1, 6))];
}

bool IsSmall(const SourceGroup& group) {
  return group.Spots.value_or(0) <= kSmallGroupSpots ||
         (!group.Class.empty() && (group.Class[0] == 'A' || group.Class[0] == 'B'));
}

constexpr const char* kReportFolders[] = {"noaa-srs/raw-2014", "noaa-srs/dataframes"};

std::vector<SourceDay> ReadCycle(const fs::path& sources) {
  std::vector<fs::path> files;
  for (const char* folder : kReportFolders) {
    std::error_code error;
    std::vector<fs::path> inFolder;
    for (fs::directory_iterator it(sources / folder, error), end; !error && it != end;
         it.increment(error))
      inFolder.push_back(it->path());
    std::sort(inFolder.begin(), inFolder.end());
    files.insert(files.end(), inFolder.begin(), inFolder.end());
  }
  std::vector<SourceDay> days;
  for (const fs::path& file : files)
    for (SourceDay& day : ReadCatalogueFile(file).Days) days.push_back(std::move(day));
  // The original reports come first, so they stand for their days over the parsed tables.
  std::stable_sort(days.begin(), days.end(),
                   [](const SourceDay& a, const SourceDay& b) { return a.Date < b.Date; });
  days.erase(std::unique(days.begin(), days.end(),
                         [](const SourceDay& a, const SourceDay& b) { return a.Date == b.Date; }),
             days.end());
  return days;
}

void DrawGroup(ObservationRecord& record, int k, const SourceGroup& group, double longitude,
               double spotShare, const SolarEphemeris& eph, RotationGroupNumbers& numbers,
               SampleRandom& random) {
  const DrawingPlace place = PlaceOnDrawing(eph, longitude, group.Latitude);
  const int spots = std::max(
      1, static_cast<int>(Round(group.Spots.value_or(1) * spotShare * random.Normal(1, 0.08))));
  const char zurich = group.Class.empty() ? 'A' : group.Class[0];
  const bool penumbra = group.Class.size() == 3 && group.Class[1] != 'x';
  record.SetGroupType(k, group.Class.empty() ? kUnknownGroupClass : group.Class);
  record.SetSpotCount(k, static_cast<std::uint8_t>(std::min(spots, 255)));
  record.SetPenumbralCount(
      k, static_cast<std::uint8_t>(penumbra ? random.Int(1, std::max(1, spots / 3)) : 0));
  record.SetAngle10(k, place.Angle10);
  record.SetDistance10(k, place.Distance10);
  const int corrected =
      std::max(0, static_cast<int>(Round(group.CorrectedArea * random.Normal(1, 0.1))));
  record.SetArea(k, DiskAreaForCorrected(corrected, record, k));
  record.SetSmallSpots(
      k, static_cast<std::uint16_t>(zurich >= 'C' && zurich <= 'F' ? random.Int(0, 2) : 0));
  record.SetGroupNumber(k, static_cast<std::uint16_t>(std::clamp(group.Region, 0, 65535)));
  record.SetRotationGroupNumber(k,
                                numbers.NumberFor(group.Region, PassageRotation(eph, longitude)));
  if (zurich >= 'D' && zurich <= 'F')
    WriteLeaderAndFollower(record, k, eph, longitude, group.Latitude, zurich, record.Area(k));
}

// One observer's drawing of a real day at their own hour.
ObservationRecord DrawRealDay(const SourceDay& day, const PersonalScale& observer,
                              RotationGroupNumbers& numbers, SampleRandom& random) {
  ObservationRecord record;
  const auto timeUT = static_cast<std::uint16_t>(random.Int(6, 15) * 100 + random.Int(0, 59));
  const SolarEphemeris eph = Ephemeris(day.Date, timeUT);
  record.SetDate(FormatDate(day.Date));
  record.SetTimeUT(timeUT);
  record.SetObserver(observer.Name);
  record.SetStation(
      kStations[random.Chance(0.85) ? 0 : static_cast<std::size_t>(random.Int(1, 2))]);
  record.SetConditions(static_cast<std::uint8_t>(random.Int(1, 5)));
  record.SetImageQuality(static_cast<std::uint8_t>(random.Int(1, 5)));
  record.SetQualityQ(static_cast<std::uint8_t>(random.Int(1, 5)));
  record.SetRadiusWord(125);
  for (int k = 1; k <= kMaxGroups; ++k) record.SetGroupType(k, kUnknownGroupClass);
  const double change = 1 + observer.SpotShareChangePerYear * (day.Date.Year - kFirstDriftYear);
  const double spotShare = observer.SpotShare * change;
  const double smallGroupShare = observer.SmallGroupShare * change;

  int groups = 0;
  int faculae = 0;
  for (const SourceGroup& group : day.Groups) {
    if (groups == kMaxGroups) break;
    const double longitude = CarringtonLongitudeAt(Ephemeris(group.EpochDate, group.EpochTime),
                                                   group.MeridianDistanceWest);
    const double meridian = std::remainder(longitude - eph.EphL0, 360.0);
    if (std::fabs(meridian) > kVisibleMeridianDistance) continue;
    if (IsSmall(group) && !random.Chance(smallGroupShare)) continue;
    DrawGroup(record, ++groups, group, longitude, spotShare, eph, numbers, random);
    // Faculae show best near the limb, around the groups there.
    if (std::fabs(meridian) > 45 && random.Chance(0.7))
      WriteFacula(record, ++faculae, record.Angle10(groups) / 10.0 + random.Uniform(-3, 3),
                  record.Distance10(groups) / 10.0 + random.Uniform(-3, 3), random);
  }
  // Polar faculae, mostly on quiet days.
  const int polar = random.Poisson(groups == 0 ? 1.5 : 0.4);
  for (int i = 0; i < polar && faculae < kMaxFaculae; ++i)
    WriteFacula(record, ++faculae, (random.Chance(0.5) ? 0 : 180) + random.Uniform(-35, 35) + 360,
                random.Uniform(105, 121), random);
  record.SetGroupCount(groups);
  record.SetFacularCount(faculae);
  record.SetFacularFields(static_cast<std::uint16_t>(faculae));
  if (faculae > 0 && random.Chance(0.4))
    record.SetFaculaAreaText(std::to_string(faculae * random.Int(60, 900)));
  WriteCentralZone(record);
  record.SetRotation(static_cast<std::uint16_t>(eph.RotationNumber & 0xFFFF));
  record.SetCentralL0(static_cast<std::uint16_t>(Trunc(eph.EphL0)));
  StoreDayResults(record, eph);
  return record;
}

constexpr const char* kReadme = R"(Ukázková data Ardena / Ardeno sample folder
===========================================

SKUTEČNÉ (real):
- Skupiny skvrn: aktivní oblasti NOAA/USAF 24. cyklu (31.12.2008 - 30.12.2019) z denních
  zpráv Solar Region Summary (2014 z původních textů, ostatní roky z jejich tabulek):
  poloha (šířka a vzdálenost od centrálního meridiánu v čase platnosti zprávy), typ McIntosh,
  počet skvrn, opravená plocha, číslo oblasti. Zdroj: NOAA Space Weather Prediction Center
  a US Air Force (data vlády USA, volně užitelná); sbírka A. McCloskey (github.com/mccloska/ml_sunspots).
  Zákresy s pozorovatelem "NOAA" jsou zprávy NOAA převzaté beze změny.
- NOAA-SRS/: tytéž zprávy (texty 2014 a tabulky ostatních let); okno Zákres z nich kreslí
  oblasti NOAA (klávesa n) bez ptaní na složku.
- SIDC/dssn<rok>.dat: denní relativní čísla celková, severní a jižní.
  Source: WDC-SILSO, Royal Observatory of Belgium, Brussels (CC BY-NC 4.0).
- SIDC/Plochy.txt: měsíční průměry denních ploch skvrn (celkem, sever, jih) podle
  D. Hathawaye a L. Uptonové (NASA MSFC) z pozorování RGO a USAF/NOAA.
- SIDC/tok-10cm.txt: měsíční průměry toku 10,7 cm (pozorovaný, na 1 AU, URSI D);
  s laskavým svolením National Research Council Canada, DRAO Penticton.

GENEROVANÉ (generated):
- Pozorovatelé stanice (Novák Jan, Dvořáková Eva, Černý Petr, Šťastná Jiřina, Růžička Tomáš,
  Kučerová Ludmila, Hájek Zdeněk) kreslí skutečné skupiny svého dne ve svůj čas, každý se
  svým osobním měřítkem (podíl spočtených skvrn a malých skupin; Hájkovi měřítko rok od roku
  klesá). Jejich počty skvrn, plochy s rozptylem, skvrny s penumbrou, malé skvrny, pomocné
  skvrny, fakule, podmínky a zvláštní záznamy (Žáček Ondřej) jsou vygenerované.
- KoronaX, Magneto, magnetOBR a ostatní podklady map jsou vygenerované, stejně jako
  doplňková data motýlkového diagramu (Motfakul.dat, otočky 1266 až před první zákres).
)";

// The NOAA reports the sample was made from, in the folder the drawing window's NOAA overlay
// reads without asking.
void CopyNoaaReports(const fs::path& folder, const fs::path& sources) {
  const fs::path target = folder / kNoaaDefaultFolder;
  std::error_code error;
  fs::create_directories(target, error);
  if (error)
    throw std::runtime_error(FillText(CoreText("ardeno-sample", "Složku %1 nelze vytvořit: %2"),
                                      {target.string(), FileErrorText(error)}));
  for (const char* from : kReportFolders) {
    for (fs::directory_iterator it(sources / from, error), end; !error && it != end;
         it.increment(error)) {
      if (!it->is_regular_file()) continue;
      std::ifstream in(it->path(), std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      const std::string name = it->path().filename().string();
      if (!in.good() && !in.eof())
        throw std::runtime_error(
            FillText(CoreText("ardeno-sample", "Soubor %1 nelze přečíst."), {it->path().string()}));
      if (const auto failure = ReplaceFile(target / name, bytes, name))
        throw std::runtime_error(*failure);
    }
  }
}

}  // namespace

RealSampleSummary WriteRealSampleFolder(const fs::path& folder, const fs::path& sources,
                                        unsigned seed) {
  const std::vector<SourceDay> days = ReadCycle(sources);
  if (days.empty())
    throw std::runtime_error(FillText(
        CoreText("ardeno-sample",
                 "Ve složce %1 nejsou zprávy NOAA (noaa-srs/raw-2014, noaa-srs/dataframes)."),
        {sources.string()}));
  PrepareSampleFolder(folder);

  RealSampleSummary summary;
  SampleRandom weather(seed);
  SampleRandom drawing(seed + 2);
  RotationGroupNumbers numbers;
  std::vector<ObservationRecord> records;
  records.reserve(days.size() + days.size() / 50);
  for (const SourceDay& day : days) {
    if (!weather.Chance(kClearDayShare)) {
      records.push_back(BuildSourceRecord(day, numbers, 125).Record);
      ++summary.NoaaDays;
      continue;
    }
    records.push_back(DrawRealDay(day, ChooseObserver(weather), numbers, drawing));
    ++summary.DrawnDays;
    if (records.back().GroupCount() > 0 && weather.Chance(kSpecialDayShare)) {
      records.push_back(SpecialDrawing(records.back(), kSpecialReporter, weather.Chance(0.5)));
      ++summary.SpecialRecords;
    }
  }
  summary.Records = static_cast<int>(records.size());
  summary.FirstDate = records.front().Date();
  summary.LastDate = records.back().Date();
  FinishSampleFolder(folder, records, seed);
  CopyNoaaReports(folder, sources);

  const ReferenceImport reference = ImportReferenceSeries(folder, sources, Today());
  if (reference.Error) throw std::runtime_error(*reference.Error);
  summary.ReferenceFiles = static_cast<int>(reference.Written.size());
  // The README tells real from generated: a folder without it is not the sample it claims.
  if (const auto failure = ReplaceFile(folder / "README.md", kReadme, "README.md"))
    throw std::runtime_error(*failure);
  return summary;
}

}  // namespace ardeno
