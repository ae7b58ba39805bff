// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/bulletin_writer.h"

#include <QImage>

#include "core/butterfly/butterfly_scale.h"
#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/data/record_fields.h"
#include "core/publishing/bulletin.h"
#include "core/publishing/bulletin_folder.h"
#include "core/publishing/picture_facts.h"
#include "core/quality/quality_checks.h"
#include "core/solar/record_positions.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"
#include "ui/shell/interface_language.h"
#include "ui/shell/picture_files.h"
#include "ui/shell/picture_painting.h"
#include "views/render_view.h"

namespace ardeno::render {

namespace {

namespace fs = std::filesystem;

// The official smoothed series the station's smoothed R is compared with.
constexpr const char* kSmoothedSeries = "r+brussels-r";

struct Painted {
  QImage Image;
  PictureFacts Facts;
};

// Paints a registered view with `given` options over its defaults into a picture of `size`. The
// pictures are the observatory's page: their captions are Czech whatever the language.
std::variant<Painted, std::string> PaintRegisteredView(
    RenderSession& session, const std::string& name,
    const std::map<std::string, std::string>& given, QSize size) {
  const CzechTexts czechPicture;
  const CzechWindowTexts czechLabels;
  const View& view = Views().at(name);
  OptionValues options = DefaultOptions(view);
  for (const auto& [option, value] : given) options.Set(option, value);
  std::optional<std::string> error;
  session.PaintedRecord.reset();
  QImage image = PaintPixels(size, kScreenDpi, [&](QPainter& painter) {
    error = view.Paint(session, options, painter, size);
  });
  if (error) return *error;
  const std::string text = ViewCommandText(view, options);
  return Painted{image, session.PaintedRecord
                            ? DrawingFacts(text, session.Db.Record(*session.PaintedRecord))
                            : DatabaseFacts(text, session.Db)};
}

QSize SizeOf(const BulletinFigure& figure) { return QSize(figure.Width, figure.Height); }

// Writes one figure; false (with the reason in `error`) when it could not be painted or written.
bool WriteFigure(const std::variant<Painted, std::string>& painted, const BulletinFigure& figure,
                 const fs::path& out, const std::string& month, BulletinRun& run,
                 std::string& error) {
  if (const auto* refusal = std::get_if<std::string>(&painted)) {
    error = figure.Caption + ": " + *refusal;
    return false;
  }
  const Painted& picture = std::get<Painted>(painted);
  const fs::path file = out / fs::u8path(figure.File);
  // The mark by which the next bulletin knows the picture as its own.
  PictureFacts facts = picture.Facts;
  facts.push_back({kBulletinPictureKey, month});
  const QImage image =
      picture.Image.size() == SizeOf(figure)
          ? picture.Image
          : picture.Image.scaled(SizeOf(figure), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (const auto failed = WriteImageFile(image, file, "PNG", facts)) {
    error = failed->toStdString();
    return false;
  }
  run.Written.push_back(file);
  return true;
}

void TakeMessages(RenderSession& session, BulletinRun& run) {
  for (const QString& message : session.Msg.Shown) run.Messages.push_back(message.toStdString());
  session.Msg.Shown.clear();
}

std::optional<std::string> LoadSession(RenderSession& session, BulletinRun& run) {
  const std::optional<std::string> error = session.Load();
  TakeMessages(session, run);
  return error;
}

}  // namespace

std::optional<std::string> WriteBulletin(const fs::path& dataFolder, const ReportMonth& month,
                                         const fs::path& out, BulletinRun& run, bool replace) {
  RenderSession whole(dataFolder);
  if (auto error = LoadSession(whole, run)) return error;
  const std::optional<MonthRecords> records = FindMonthRecords(whole.Db, month);
  if (!records)
    return FillText(CoreText("ardeno-render", "V měsíci %1.%2 není v datech žádný zákres."),
                    {std::to_string(month.Month), std::to_string(month.Year)});
  // The bulletin is the observatory's page: index.html speaks Czech and index-en.html English
  // whatever the language of the interface (the findings in them, the checks' messages made with
  // them too, the pages and the captions); the pictures keep their Czech labels and serve both.
  // What goes wrong in writing it is said in the interface's language.
  const RecordPositions positions = ComputeRecordPositions(whole.Db);
  // The month's bulletin in the texts in force (Czech or English), the findings made in them too.
  const auto build = [&](bool reportMessages) {
    std::vector<std::string> checkMessages;
    const QualityReport quality = CheckFolderQuality(
        dataFolder, whole.Db, positions, LastChangeSeconds(whole.Db, std::nullopt), checkMessages);
    if (reportMessages) {
      for (std::string& message : checkMessages) run.Messages.push_back(std::move(message));
      for (const std::string& skipped : quality.Skipped) run.Messages.push_back(skipped);
    }
    return BuildBulletin(whole.Db, month, whole.Inputs.InstrumentLines,
                         FindingsIn(quality, QualityPeriod{month.Year, month.Month}));
  };
  const Bulletin bulletin = [&] {
    const CzechTexts czechPage;
    return build(true);
  }();
  const std::optional<std::string> englishHtml = [&]() -> std::optional<std::string> {
    const EnglishCoreTexts englishPage;
    if (!englishPage.Available()) return std::nullopt;
    return BulletinHtml(build(false), BulletinLanguage::English);
  }();
  if (!englishHtml)
    return CoreText("ardeno-render", "Anglické texty programu nelze načíst; bulletin se nezapsal.");
  if (auto refused = CheckBulletinFolder(out, dataFolder, bulletin, replace)) {
    run.RefusedForeignFile = !replace && !CheckBulletinFolder(out, dataFolder, bulletin, true);
    return *refused;
  }
  const std::string monthText =
      std::to_string(month.Year) + (month.Month < 10 ? "-0" : "-") + std::to_string(month.Month);
  if (CreateFolders(out))
    return FillText(CoreText("ardeno-render", "Složku %1 nelze vytvořit."), {out.string()});

  std::string error;
  for (const BulletinDrawing& drawing : bulletin.Drawings) {
    const auto painted = PaintRegisteredView(
        whole, "drawing", {{"record", std::to_string(drawing.RecordIndex)}, {"picture", "yes"}},
        SizeOf(drawing.Picture));
    if (!WriteFigure(painted, drawing.Picture, out, monthText, run, error) ||
        !WriteFigure(painted, drawing.Thumbnail, out, monthText, run, error))
      return error;
  }
  if (!WriteFigure(PaintRegisteredView(whole, "smoothed-graph", {{"index", "r"}, {"view", "total"}},
                                       SizeOf(bulletin.SmoothedValues)),
                   bulletin.SmoothedValues, out, monthText, run, error))
    return error;
  if (!WriteFigure(PaintRegisteredView(whole, "smoothed-comparison", {{"series", kSmoothedSeries}},
                                       SizeOf(bulletin.SmoothedGraph)),
                   bulletin.SmoothedGraph, out, monthText, run, error))
    return error;
  if (bulletin.MapRotation != 0) {
    const auto map =
        PaintRegisteredView(whole, "map", {{"rotation", std::to_string(bulletin.MapRotation)}},
                            SizeOf(bulletin.SynopticMap));
    if (!WriteFigure(map, bulletin.SynopticMap, out, monthText, run, error)) return error;
  }
  TakeMessages(whole, run);

  RenderSession monthOnly(dataFolder);
  if (auto failed = LoadSession(monthOnly, run)) return failed;
  monthOnly.KeepRecords(records->First, records->Last);
  if (!WriteFigure(PaintRegisteredView(monthOnly, "daily-graph",
                                       {{"index", "r"},
                                        {"view", "total"},
                                        {"day-width", std::to_string(kBulletinDayWidth)},
                                        {"first-day", FormatDate({month.Year, month.Month, 1})}},
                                       SizeOf(bulletin.DailyGraph)),
                   bulletin.DailyGraph, out, monthText, run, error))
    return error;
  TakeMessages(monthOnly, run);

  RenderSession strip(dataFolder);
  if (auto failed = LoadSession(strip, run)) return failed;
  strip.KeepRecords(BulletinStripFirstRecord(strip.Db, month), records->Last);
  // The strip's first rotation at the left axis: scrolled from the whole hundred the diagram
  // starts at.
  const int stripScroll = (bulletin.StripFirstRotation -
                           ChooseStartRotation(bulletin.StripFirstRotation, false, false)) *
                          kBulletinButterflyTimeFactor;
  if (!WriteFigure(
          PaintRegisteredView(strip, "butterfly",
                              {{"time-factor", std::to_string(kBulletinButterflyTimeFactor)},
                               {"scroll", std::to_string(stripScroll)},
                               {"scale", "yes"}},
                              SizeOf(bulletin.Butterfly)),
          bulletin.Butterfly, out, monthText, run, error))
    return error;
  TakeMessages(strip, run);

  const std::string czechHtml = [&] {
    const CzechTexts czechPage;
    return BulletinHtml(bulletin, BulletinLanguage::Czech);
  }();
  for (const auto& [name, html] : {std::pair{kBulletinPageName, &czechHtml},
                                   std::pair{kBulletinEnglishPageName, &*englishHtml}}) {
    const fs::path page = out / name;
    if (const std::error_code reason = ReplaceOutputFile(page, *html))
      return FillText(CoreText("ardeno-render", "Soubor %1 nelze zapsat: %2."),
                      {page.string(), FileErrorText(reason)});
    run.Written.push_back(page);
  }
  return std::nullopt;
}

}  // namespace ardeno::render
