// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/publishing/bulletin.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/butterfly/butterfly_scale.h"
#include "core/drawing/frame_texts.h"
#include "core/graphs/daily_graph_axis.h"
#include "core/reports/report_days.h"
#include "core/results/month_walk.h"
#include "core/shell/program_version.h"
#include "core/solar/ephemeris.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

// The middle of the month, whose rotation the synoptic map shows.
constexpr int kMiddleDay = 15;

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

BulletinFigure Figure(std::string file, std::string caption, int width, int height) {
  return {std::move(file), std::move(caption), width, height};
}

std::string HourMinute(std::uint16_t timeUT) {
  const std::string time = TimeOfDayText(timeUT);
  return time.substr(0, time.size() - 3);
}

// The R means of the month's totals (the label the results table gives them).
std::string MeanOf(const OwnReportPage& table, std::string_view label) {
  for (const OwnPageTotal& total : table.Totals)
    if (total.Label == label) return total.Mean;
  return {};
}

void Line(std::string& html, std::string_view text) {
  html += text;
  html += '\n';
}

std::string Cell(std::string_view tag, std::string_view text) {
  return "<" + std::string(tag) + ">" + EscapeHtml(text) + "</" + std::string(tag) + ">";
}

std::string Image(const BulletinFigure& figure, std::string_view alt) {
  return "<img src=\"" + EscapeHtml(figure.File) + "\" alt=\"" + EscapeHtml(alt) + "\" width=\"" +
         std::to_string(figure.Width) + "\" height=\"" + std::to_string(figure.Height) + "\">";
}

std::string DayList(const std::vector<int>& days) {
  std::string text;
  for (const int day : days) text += (text.empty() ? "" : ", ") + std::to_string(day) + ".";
  return text;
}

constexpr std::string_view kStyle =
    "body{font-family:\"DejaVu Sans\",sans-serif;margin:0 auto;max-width:1280px;padding:0 12px;"
    "color:#111;background:#fff}"
    "h1{font-size:1.6em}h2{font-size:1.25em;border-bottom:1px solid #999;margin-top:1.6em}"
    "img{max-width:100%;height:auto}"
    ".souhrn{font-size:1.1em}"
    ".tabulka{overflow-x:auto}"
    "table{border-collapse:collapse;font-size:.85em}"
    "th,td{border:1px solid #bbb;padding:2px 5px;text-align:right;white-space:nowrap}"
    "th{background:#eee}"
    "figure{margin:1em 0}figcaption{font-size:.9em;color:#444}"
    ".nahledy{display:flex;flex-wrap:wrap;gap:10px;list-style:none;padding:0}"
    ".nahledy li{width:200px;font-size:.85em}"
    ".pozorovatele td:first-child,.pozorovatele td:nth-child(2){text-align:left;"
    "white-space:normal}"
    "footer{margin:2em 0 1em;font-size:.8em;color:#555}";

void AppendTable(std::string& html, const OwnReportPage& table) {
  Line(html, "<div class=\"tabulka\">");
  Line(html, "<table>");
  std::string head = "<thead><tr>";
  for (const std::string& column : table.ColumnHeads) head += Cell("th", column);
  Line(html, head + "</tr></thead>");
  Line(html, "<tbody>");
  for (const auto& row : table.DayRows) {
    std::string cells = "<tr>";
    for (const std::string& cell : row) cells += Cell("td", cell);
    Line(html, cells + "</tr>");
  }
  Line(html, "</tbody>");
  // The month's sums and means under the columns they belong to.
  std::map<std::string, const OwnPageTotal*> byLabel;
  for (const OwnPageTotal& total : table.Totals) byLabel[total.Label] = &total;
  std::string sums =
      "<tfoot><tr>" + Cell("th", CoreText("BulletinPage", "součet")) + Cell("th", "");
  std::string means = "<tr>" + Cell("th", CoreText("BulletinPage", "průměr")) + Cell("th", "");
  for (std::size_t c = 2; c < table.ColumnHeads.size(); ++c) {
    const auto found = byLabel.find(table.ColumnHeads[c]);
    sums += Cell("td", found == byLabel.end() ? "" : found->second->Sum);
    means += Cell("td", found == byLabel.end() ? "" : found->second->Mean);
  }
  Line(html, sums + "</tr>");
  Line(html, means + "</tr></tfoot>");
  Line(html, "</table>");
  Line(html, "</div>");
}

void AppendFigure(std::string& html, const BulletinFigure& figure) {
  Line(html, "<figure>" + Image(figure, figure.Caption) + "<figcaption>" +
                 EscapeHtml(figure.Caption) + "</figcaption></figure>");
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        // Control characters other than tab and line ends are not allowed in HTML text.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n')
          escaped += c;
        else
          escaped += ' ';
    }
  }
  return escaped;
}

Bulletin BuildBulletin(const Database& db, const ReportMonth& month, const Instrument& instrument,
                       const std::vector<QualityFinding>& findings) {
  Bulletin bulletin;
  bulletin.Month = month;
  const std::string monthName = month.Month >= 1 && month.Month <= 12 ? MonthNameShown(month.Month)
                                                                      : std::to_string(month.Month);
  bulletin.Title = monthName + " " + std::to_string(month.Year);
  // The instrument file names the station; without one, the month's last drawing does.
  bulletin.Station = instrument[0];
  const ReportDays days = MatchReportDays(db, month);
  if (bulletin.Station.empty()) {
    if (const auto records = FindMonthRecords(db, month))
      bulletin.Station = db.Record(records->Last).Station();
  }
  bulletin.Table = BuildOwnReportPage(db, days, month, instrument);
  if (days.Totals.Records > 0) bulletin.MonthR = MeanOf(bulletin.Table, "R");
  bulletin.CatalogueDays = static_cast<int>(days.Catalogue.size());

  std::map<std::string, std::set<int>> observerDays;
  for (int day = 1; day <= days.DayCount; ++day) {
    const int index = days.RecordOn(day);
    if (index == 0) continue;
    const ObservationRecord& record = db.Record(index);
    BulletinDrawing drawing;
    drawing.Day = day;
    drawing.RecordIndex = index;
    drawing.Date = record.Date();
    drawing.TimeUT = HourMinute(record.TimeUT());
    drawing.Observer = record.Observer();
    drawing.R = record.ResultWord(kRelativeN) + record.ResultWord(kRelativeS);
    const std::string stem =
        std::to_string(month.Year) + "-" + TwoDigits(month.Month) + "-" + TwoDigits(day);
    const std::string caption = FillText(CoreText("BulletinPage", "Zákres %1"), {drawing.Date});
    drawing.Picture = Figure("zakres-" + stem + ".png", caption, kDrawingWidth, kDrawingHeight);
    drawing.Thumbnail = Figure("nahled-" + stem + ".png", caption, kThumbnailWidth,
                               kThumbnailWidth * kDrawingHeight / kDrawingWidth);
    bulletin.Drawings.push_back(drawing);
    // The observers of every drawing of the day, the second ones the report leaves out too.
    observerDays[drawing.Observer].insert(day);
  }
  for (const int index : days.LeftOut) {
    if (const auto date = RecordDate(db.Record(index)))
      observerDays[db.Record(index).Observer()].insert(date->Day);
  }
  for (const auto& [name, daySet] : observerDays)
    bulletin.Observers.push_back({name, std::vector<int>(daySet.begin(), daySet.end())});
  std::sort(bulletin.Observers.begin(), bulletin.Observers.end(),
            [](const BulletinObserver& a, const BulletinObserver& b) {
              return a.Days.size() != b.Days.size() ? a.Days.size() > b.Days.size()
                                                    : a.Name < b.Name;
            });
  for (const QualityFinding& finding : findings) bulletin.Findings.push_back(FindingLine(finding));

  // The month from its first day, with the room of the value scale to the left and of the
  // last day's mark to the right.
  constexpr int kRoomRightOfMonth = 24;
  bulletin.DailyGraph = Figure(
      "denni-r.png",
      FillText(CoreText("BulletinPage", "Denní relativní číslo R v měsíci %1"), {bulletin.Title}),
      kDailyRecordOffset + kBulletinDayWidth * days.DayCount + kRoomRightOfMonth, 300);
  bulletin.SmoothedValues = Figure(
      "vyhlazene-r-hodnoty.png",
      CoreText("BulletinPage", "Měsíční průměry a 13měsíční vyhlazené relativní číslo R stanice"),
      1000, 400);
  bulletin.SmoothedGraph = Figure(
      "vyhlazene-r.png",
      CoreText("BulletinPage",
               "Vyhlazené relativní číslo stanice a oficiální hodnoty (v procentech maxima)"),
      1000, 500);
  // The strip from its first drawing's rotation to the rotation of the month's end, the
  // latitude scale left of it.
  const auto firstEph = db.RecordCount > 0
                            ? RecordEphemeris(db.Record(BulletinStripFirstRecord(db, month)))
                            : std::nullopt;
  const int lastRotation =
      Ephemeris({month.Year, month.Month, std::max(days.DayCount, 1)}, 2359).RotationNumber;
  bulletin.StripFirstRotation = firstEph ? firstEph->RotationNumber : lastRotation;
  constexpr int kRoomRightOfStrip = 16;
  bulletin.Butterfly =
      Figure("motylek.png",
             FillText(CoreText("BulletinPage", "Motýlkový diagram: %1 měsíců do konce měsíce %2"),
                      {std::to_string(kBulletinButterflyMonths), bulletin.Title}),
             kButterflyLeftAxisX +
                 (std::max(lastRotation - bulletin.StripFirstRotation, 0) + 1) *
                     kBulletinButterflyTimeFactor +
                 kRoomRightOfStrip,
             400);
  if (!bulletin.Drawings.empty()) {
    bulletin.MapRotation = Ephemeris({month.Year, month.Month, kMiddleDay}, 1200).RotationNumber;
  }
  bulletin.SynopticMap =
      Figure("mapa.png",
             FillText(CoreText("BulletinPage", "Synoptická mapa Carringtonovy otočky %1"),
                      {std::to_string(bulletin.MapRotation)}),
             1000, 640);
  bulletin.Software = std::string(kProgramName) + " " + std::string(kProgramVersion);
  return bulletin;
}

int BulletinStripFirstRecord(const Database& db, const ReportMonth& month) {
  const int key = month.Year * 12 + (month.Month - 1) - (kBulletinButterflyMonths - 1);
  const ReportMonth from{key / 12, key % 12 + 1};
  for (int i = 1; i <= db.RecordCount; ++i) {
    const auto date = RecordDate(db.Record(i));
    if (date && date->Year * 100 + date->Month >= from.Key()) return i;
  }
  return 1;
}

const char* BulletinPageName(BulletinLanguage language) {
  return language == BulletinLanguage::English ? kBulletinEnglishPageName : kBulletinPageName;
}

std::string BulletinHtml(const Bulletin& b, BulletinLanguage language) {
  const bool english = language == BulletinLanguage::English;
  std::string html;
  Line(html, "<!DOCTYPE html>");
  Line(html, english ? "<html lang=\"en\">" : "<html lang=\"cs\">");
  Line(html, "<head>");
  Line(html, "<meta charset=\"utf-8\">");
  Line(html, kBulletinPageMark);
  Line(html, "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">");
  Line(html, "<title>" +
                 EscapeHtml(FillText(CoreText("BulletinPage", "Sluneční skvrny %1 – %2"),
                                     {b.Title, b.Station})) +
                 "</title>");
  Line(html, "<style>" + std::string(kStyle) + "</style>");
  Line(html, "</head>");
  Line(html, "<body>");
  Line(html, "<header>");
  // The page in the other language, named in its own language.
  Line(html, "<p class=\"jazyk\"><a href=\"" +
                 std::string(BulletinPageName(english ? BulletinLanguage::Czech
                                                      : BulletinLanguage::English)) +
                 (english ? "\" hreflang=\"cs\" lang=\"cs\">Česky</a></p>"
                          : "\" hreflang=\"en\" lang=\"en\">English</a></p>"));
  Line(html, "<h1>" +
                 EscapeHtml(FillText(CoreText("BulletinPage", "Sluneční skvrny: %1"), {b.Title})) +
                 "</h1>");
  const std::string drawingDays = std::to_string(b.Drawings.size());
  std::string summary =
      "<p class=\"souhrn\">" +
      EscapeHtml(FillText(CoreText("BulletinPage", "Stanice %1. Dní se zákresem: %2."),
                          {b.Station, drawingDays}));
  if (!b.MonthR.empty()) {
    const std::string catalogue =
        b.CatalogueDays > 0
            ? FillText(CoreText("BulletinPage", "; katalogové dny NOAA/RGO vynechány: %1"),
                       {std::to_string(b.CatalogueDays)})
            : std::string();
    summary += " " + FillText(CoreText("BulletinPage",
                                       "Měsíční relativní číslo %1 (průměr %2 vlastních "
                                       "zákresů%3)."),
                              {"<strong>R = " + b.MonthR + "</strong>", drawingDays,
                               EscapeHtml(catalogue)});
  }
  Line(html, summary + "</p>");
  Line(html, "</header>");
  Line(html, "<main>");

  Line(html, "<section id=\"vysledky\">");
  Line(html, Cell("h2", CoreText("BulletinPage", "Výsledky měsíce")));
  AppendTable(html, b.Table);
  Line(html, "</section>");

  Line(html, "<section id=\"grafy\">");
  Line(html, Cell("h2", CoreText("BulletinPage", "Grafy")));
  AppendFigure(html, b.DailyGraph);
  AppendFigure(html, b.SmoothedValues);
  AppendFigure(html, b.SmoothedGraph);
  AppendFigure(html, b.Butterfly);
  if (b.MapRotation != 0) AppendFigure(html, b.SynopticMap);
  Line(html, "</section>");

  Line(html, "<section id=\"zakresy\">");
  Line(html, Cell("h2", CoreText("BulletinPage", "Zákresy")));
  if (b.Drawings.empty()) {
    Line(html, Cell("p", CoreText("BulletinPage", "V tomto měsíci není žádný zákres.")));
  } else {
    Line(html, "<ul class=\"nahledy\">");
    for (const BulletinDrawing& d : b.Drawings) {
      Line(html, "<li><a href=\"" + EscapeHtml(d.Picture.File) + "\">" +
                     Image(d.Thumbnail, d.Thumbnail.Caption) + "</a><br>" + EscapeHtml(d.Date) +
                     " " + EscapeHtml(d.TimeUT) + " UT, " + EscapeHtml(d.Observer) +
                     ", R = " + std::to_string(d.R) + "</li>");
    }
    Line(html, "</ul>");
  }
  Line(html, "</section>");

  Line(html, "<section id=\"pozorovatele\">");
  Line(html, Cell("h2", CoreText("BulletinPage", "Pozorovatelé")));
  Line(html, "<div class=\"tabulka\">");
  Line(html, "<table class=\"pozorovatele\">");
  Line(html, "<thead><tr>" + Cell("th", CoreText("BulletinPage", "pozorovatel")) +
                 Cell("th", CoreText("BulletinPage", "dny")) +
                 Cell("th", CoreText("BulletinPage", "počet")) + "</tr></thead>");
  Line(html, "<tbody>");
  for (const BulletinObserver& o : b.Observers) {
    Line(html, "<tr>" + Cell("td", o.Name) + Cell("td", DayList(o.Days)) +
                   Cell("td", std::to_string(o.Days.size())) + "</tr>");
  }
  Line(html, "</tbody>");
  Line(html, "</table>");
  Line(html, "</div>");
  Line(html, "</section>");

  Line(html, "<section id=\"kontroly\">");
  Line(html, Cell("h2", CoreText("BulletinPage", "Nálezy kontrol věrohodnosti")));
  if (b.Findings.empty()) {
    Line(html, Cell("p", CoreText("BulletinPage", "Kontroly v tomto měsíci nic nenašly.")));
  } else {
    Line(html, "<ul>");
    for (const std::string& finding : b.Findings) Line(html, Cell("li", finding));
    Line(html, "</ul>");
  }
  Line(html, "</section>");

  Line(html, "</main>");
  Line(html,
       Cell("footer", FillText(CoreText("BulletinPage", "Vytvořil program %1."), {b.Software})));
  Line(html, "</body>");
  Line(html, "</html>");
  return html;
}

}  // namespace ardeno
