// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monthly bulletin: one static page (index.html, no script, nothing fetched from the
// network) and the same page in English (index-en.html), each linking to the other, with their
// pictures beside them, for the section's web pages and yearbook. Core builds every text and
// number of the pages (in the language of the texts in force, see core_text.h) and names the
// pictures; the pictures themselves are painted by the windows' paint functions into those files
// (with their Czech labels: one set of pictures serves both pages).
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/data/instrument_file.h"
#include "core/quality/quality_finding.h"
#include "core/reports/own_report_page.h"
#include "core/results/report_month.h"

namespace ardeno {

enum class BulletinLanguage { Czech, English };

inline constexpr const char* kBulletinPageName = "index.html";
inline constexpr const char* kBulletinEnglishPageName = "index-en.html";

// index.html for the Czech page, index-en.html for the English one.
const char* BulletinPageName(BulletinLanguage language);
// What marks the bulletin's own files, so that a later bulletin replaces them and nothing else:
// this line in the page's head, and a PNG text chunk of this key (the month, "YYYY-MM") in each
// picture.
inline constexpr const char* kBulletinPageMark =
    "<meta name=\"generator\" content=\"Ardeno bulletin\">";
inline constexpr const char* kBulletinPictureKey = "Bulletin";

// A picture of the page: a file beside index.html, its size in pixels and what it shows.
struct BulletinFigure {
  std::string File;
  std::string Caption;
  int Width = 0;
  int Height = 0;
};

// One drawing day: the day's record (the one the monthly report counts), its full picture and
// its thumbnail.
struct BulletinDrawing {
  int Day = 0;
  int RecordIndex = 0;  // 1-based
  std::string Date;
  std::string TimeUT;  // "h:mm"
  std::string Observer;
  int R = 0;  // 10 g + f of the day, both hemispheres
  BulletinFigure Picture;
  BulletinFigure Thumbnail;
};

struct BulletinObserver {
  std::string Name;
  std::vector<int> Days;  // days of the month with a drawing by this observer, ascending
};

struct Bulletin {
  ReportMonth Month;
  std::string Title;  // "Březen 2014"
  std::string Station;
  OwnReportPage Table;    // the month's own results, as the results window shows them
  std::string MonthR;     // mean R over the drawing days, "0.0"; empty without a drawing
  int CatalogueDays = 0;  // catalogue days of the month left out of the table and of MonthR
  std::vector<BulletinDrawing> Drawings;
  std::vector<BulletinObserver> Observers;
  std::vector<std::string> Findings;  // the plausibility findings of the month, one line each
  // The month's daily R, the station's monthly and smoothed R, the smoothed R with the official
  // values (in per cent of each one's maximum), the butterfly strip and the synoptic map of the
  // month's middle rotation.
  BulletinFigure DailyGraph;
  BulletinFigure SmoothedValues;
  BulletinFigure SmoothedGraph;
  BulletinFigure Butterfly;
  BulletinFigure SynopticMap;
  int StripFirstRotation = 0;  // the butterfly strip's first rotation, at its left axis
  int MapRotation = 0;   // the Carrington rotation of the map; 0 when the month has no drawing
  std::string Software;  // "Ardeno 0.1"
};

// Months of drawings the butterfly strip shows up to the bulletin's month, so that the month's
// latitudes stand beside the year before them; its caption says so.
inline constexpr int kBulletinButterflyMonths = 24;
// The strip's pixels per rotation; the picture is as wide as its rotations.
inline constexpr int kBulletinButterflyTimeFactor = 16;

// The first record the strip shows: the first dated on or after the first day of the month
// kBulletinButterflyMonths - 1 before `month`; 1 when the data start later.
int BulletinStripFirstRecord(const Database& db, const ReportMonth& month);

// The daily R of the month: one day this many pixels wide, the picture as wide as the month.
inline constexpr int kBulletinDayWidth = 16;

// Thumbnails are this wide; their height keeps the drawing's proportions.
inline constexpr int kThumbnailWidth = 200;
inline constexpr int kDrawingWidth = 800;
inline constexpr int kDrawingHeight = 680;

Bulletin BuildBulletin(const Database& db, const ReportMonth& month, const Instrument& instrument,
                       const std::vector<QualityFinding>& findings);

// The page in `language` (its texts as `bulletin` was built, its lang attribute and a link to the
// page in the other language): valid HTML5 in UTF-8, every text escaped, readable from 390 pixels
// wide up.
std::string BulletinHtml(const Bulletin& bulletin,
                         BulletinLanguage language = BulletinLanguage::Czech);

// Text for HTML element content and attribute values.
std::string EscapeHtml(std::string_view text);

}  // namespace ardeno
