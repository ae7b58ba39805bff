// SPDX-License-Identifier: GPL-3.0-or-later
// The monthly bulletin's page: the month's drawings, observers and R from the records, every
// text escaped, and the rules of its output folder.
#include "core/publishing/bulletin.h"

#include <gtest/gtest.h>

#include "core/publishing/bulletin_folder.h"
#include "core/publishing/picture_text.h"
#include "core/solar/ephemeris.h"
#include "core/text/translated_texts.h"
#include "support/database_builders.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

namespace fs = std::filesystem;

ObservationRecord Day(int day, const std::string& observer, int rNorth, int rSouth) {
  ObservationRecord record = test::DatedRecord({2014, 3, day});
  record.SetObserver(observer);
  record.SetResultWord(kRelativeN, static_cast<std::uint16_t>(rNorth));
  record.SetResultWord(kRelativeS, static_cast<std::uint16_t>(rSouth));
  return record;
}

Database MarchDatabase() {
  return test::DatabaseOf(
      {test::DatedRecord({2014, 2, 28}), Day(2, "Novák", 40, 30),
       Day(2, "Malá", 10, 10),  // a second drawing of the day
       Day(5, "Malá", 60, 21), Day(31, "<b>Kříž & syn</b>", 0, 0), test::DatedRecord({2014, 4, 1})},
      10);
}

TEST(Bulletin, TheMonthsDrawingDaysObserversAndR) {
  const Bulletin b = BuildBulletin(MarchDatabase(), {2014, 3}, DefaultInstrument(), {});
  EXPECT_EQ(b.Title, "Březen 2014");
  ASSERT_EQ(b.Drawings.size(), 3u);
  EXPECT_EQ(b.Drawings[0].Day, 2);
  EXPECT_EQ(b.Drawings[0].RecordIndex, 2);  // the first drawing of the day, as the report
  EXPECT_EQ(b.Drawings[0].R, 70);
  EXPECT_EQ(b.Drawings[1].R, 81);
  EXPECT_EQ(b.Drawings[2].Picture.File, "zakres-2014-03-31.png");
  EXPECT_EQ(b.Drawings[2].Thumbnail.File, "nahled-2014-03-31.png");
  EXPECT_EQ(b.Drawings[2].Thumbnail.Width, kThumbnailWidth);
  // (70 + 81 + 0) / 3 days
  EXPECT_EQ(b.MonthR, "50.3");
  // Most days first; the second drawing of 2 March counts for its observer.
  ASSERT_EQ(b.Observers.size(), 3u);
  EXPECT_EQ(b.Observers[0].Name, "Malá");
  EXPECT_EQ(b.Observers[0].Days, (std::vector<int>{2, 5}));
  EXPECT_EQ(b.Observers[1].Name, "<b>Kříž & syn</b>");
  EXPECT_EQ(b.Observers[2].Days, (std::vector<int>{2}));
  EXPECT_EQ(b.Station, "Ondřejov");  // no instrument file: the month's last drawing
  EXPECT_NE(b.MapRotation, 0);
  // The strip shows two years of drawings, and says so (not "a year").
  EXPECT_EQ(b.Butterfly.Caption, "Motýlkový diagram: 24 měsíců do konce měsíce Březen 2014");
}

TEST(Bulletin, APageOfEscapedTextsWithEveryDrawingLinked) {
  QualityFinding finding;
  finding.Code = "Q03";
  finding.Date = {2014, 3, 5};
  finding.Observer = "Malá";
  finding.Text = "skupina <7> na stejném místě";
  const Bulletin b = BuildBulletin(MarchDatabase(), {2014, 3}, DefaultInstrument(), {finding});
  const std::string html = BulletinHtml(b);
  EXPECT_EQ(html.rfind("<!DOCTYPE html>\n<html lang=\"cs\">", 0), 0u);
  EXPECT_NE(html.find("R = 50.3"), std::string::npos);
  EXPECT_NE(html.find("&lt;b&gt;Kříž &amp; syn&lt;/b&gt;"), std::string::npos);
  EXPECT_EQ(html.find("<b>Kříž"), std::string::npos);
  EXPECT_NE(html.find("skupina &lt;7&gt;"), std::string::npos);
  EXPECT_EQ(html.find("<script"), std::string::npos);
  for (const BulletinDrawing& d : b.Drawings) {
    EXPECT_NE(html.find("<a href=\"" + d.Picture.File + "\"><img src=\"" + d.Thumbnail.File),
              std::string::npos);
  }
  EXPECT_NE(html.find("<td>2., 5.</td>"), std::string::npos);
  EXPECT_EQ(html.substr(html.size() - 8), "</html>\n");
}

// The butterfly strip: two years of drawings up to the month's end, its picture as wide as its
// rotations; the daily R as wide as the month's days.
TEST(Bulletin, PicturesAsWideAsWhatTheyShow) {
  const Database db =
      test::DatabaseOf({test::DatedRecord({2011, 5, 1}), test::DatedRecord({2012, 3, 31}),
                        test::DatedRecord({2012, 4, 1}), test::DatedRecord({2014, 3, 2})});
  EXPECT_EQ(BulletinStripFirstRecord(db, {2014, 3}), 3);  // from April 2012
  EXPECT_EQ(BulletinStripFirstRecord(db, {2009, 3}), 1);  // the data start later
  const Bulletin b = BuildBulletin(db, {2014, 3}, DefaultInstrument(), {});
  const int lastRotation = Ephemeris({2014, 3, 31}, 2359).RotationNumber;
  ASSERT_TRUE(RecordEphemeris(db.Record(3)));
  EXPECT_EQ(b.StripFirstRotation, RecordEphemeris(db.Record(3))->RotationNumber);
  const int rotations = lastRotation - b.StripFirstRotation + 1;
  EXPECT_TRUE(rotations == 27 || rotations == 28) << rotations;  // 24 months
  EXPECT_EQ(b.Butterfly.Width, 50 + rotations * kBulletinButterflyTimeFactor + 16);
  EXPECT_EQ(b.DailyGraph.Width, 50 + 31 * kBulletinDayWidth + 24);
}

// The English page: the same bulletin built in the English texts, its lang, and each page linking
// to the other by the other's name; texts without a translation stay Czech, never empty.
TEST(Bulletin, TheEnglishPageBesideTheCzechOne) {
  const TextTranslation english = [](const char* context, const char* source) -> std::string {
    const std::string text = source;
    if (std::string(context) == "MonthNames" && text == "Březen") return "March";
    if (std::string(context) != "BulletinPage") return {};
    if (text == "Sluneční skvrny: %1") return "Sunspots: %1";
    if (text == "Stanice %1. Dní se zákresem: %2.") return "Station %1. Days with a drawing: %2.";
    if (text == "Zákres %1") return "Drawing of %1";
    return {};
  };
  const Bulletin czech = BuildBulletin(MarchDatabase(), {2014, 3}, DefaultInstrument(), {});
  const std::string czechHtml = BulletinHtml(czech, BulletinLanguage::Czech);
  EXPECT_NE(czechHtml.find("<a href=\"index-en.html\" hreflang=\"en\" lang=\"en\">English</a>"),
            std::string::npos);
  EXPECT_NE(czechHtml.find("<h1>Sluneční skvrny: Březen 2014</h1>"), std::string::npos);

  const TranslatedTexts inEnglish(english);
  const Bulletin translated = BuildBulletin(MarchDatabase(), {2014, 3}, DefaultInstrument(), {});
  const std::string html = BulletinHtml(translated, BulletinLanguage::English);
  EXPECT_EQ(html.rfind("<!DOCTYPE html>\n<html lang=\"en\">", 0), 0u);
  EXPECT_NE(html.find("<a href=\"index.html\" hreflang=\"cs\" lang=\"cs\">Česky</a>"),
            std::string::npos);
  EXPECT_NE(html.find("<h1>Sunspots: March 2014</h1>"), std::string::npos);
  EXPECT_NE(html.find("Station Ondřejov. Days with a drawing: 3."), std::string::npos);
  EXPECT_NE(html.find("alt=\"Drawing of 31.03.2014\""), std::string::npos);
  // The same pictures serve both pages.
  EXPECT_EQ(translated.Drawings[2].Picture.File, czech.Drawings[2].Picture.File);
  EXPECT_NE(html.find("<h2>Grafy</h2>"), std::string::npos);
  EXPECT_EQ(BulletinPageName(BulletinLanguage::English), std::string("index-en.html"));
}

TEST(Bulletin, AMonthWithoutDrawingsSaysSoAndHasNoMap) {
  const Bulletin b = BuildBulletin(MarchDatabase(), {2014, 6}, DefaultInstrument(), {});
  EXPECT_TRUE(b.Drawings.empty());
  EXPECT_TRUE(b.MonthR.empty());
  EXPECT_EQ(b.MapRotation, 0);
  const std::string html = BulletinHtml(b);
  EXPECT_NE(html.find("není žádný zákres"), std::string::npos);
  EXPECT_EQ(html.find("mapa.png"), std::string::npos);
  EXPECT_NE(html.find("nic nenašly"), std::string::npos);
}

TEST(EscapeHtml, MarkupAndControlCharacters) {
  EXPECT_EQ(EscapeHtml("a<b>&\"c\""), "a&lt;b&gt;&amp;&quot;c&quot;");
  EXPECT_EQ(EscapeHtml(std::string("x\x01y\x7f", 4)), "x y\x7f");
  EXPECT_EQ(EscapeHtml("Růžička"), "Růžička");
}

struct FolderCase {
  const char* Name;
  const char* Out;                      // relative to the test folder; the data folder is "data"
  std::optional<std::string> Existing;  // a file at Out/<ExistingName>
  const char* ExistingName;             // "": the file stands at Out itself
  const char* InMessage;                // "" when the bulletin may be written
  bool Replace = false;                 // the user let files no bulletin wrote be replaced
};

// A 1x1 PNG, with the bulletin's text chunk when `marked`.
std::string TinyPng(bool marked) {
  using namespace std::string_literals;
  const std::string png =
      "\x89PNG\r\n\x1a\n"
      "\0\0\0\x0dIHDR\0\0\0\x01\0\0\0\x01\x08\x02\0\0\0\x90\x77\x53\xde"
      "\0\0\0\0IEND\xae\x42\x60\x82"s;
  return marked ? *PngWithFacts(png, {{kBulletinPictureKey, "2014-03"}}) : png;
}
const std::string kMarkedPng = TinyPng(true);
const std::string kPlainPng = TinyPng(false);
const std::string kMarkedPage = std::string("<!DOCTYPE html>\n<head>\n") + kBulletinPageMark;

std::string CaseName(const ::testing::TestParamInfo<FolderCase>& info) { return info.param.Name; }

class BulletinFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(BulletinFolderTest, OnlyItsOwnFolderAndItsOwnFiles) {
  const FolderCase& c = GetParam();
  test::TempFolder folder;
  folder.Write("data/datax.dat", std::string(kRecordSize, '\0'));
  if (c.Existing)
    folder.Write(*c.ExistingName ? std::string(c.Out) + "/" + c.ExistingName : c.Out, *c.Existing);
  const Bulletin b = BuildBulletin(MarchDatabase(), {2014, 3}, DefaultInstrument(), {});
  const Refusal refused =
      CheckBulletinFolder(folder.Path() / c.Out, folder.Path() / "data", b, c.Replace);
  if (*c.InMessage == '\0') {
    EXPECT_FALSE(refused) << *refused;
  } else {
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find(c.InMessage), std::string::npos) << *refused;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, BulletinFolderTest,
    ::testing::Values(
        FolderCase{"NewFolder", "web/2014-03", std::nullopt, "", ""},
        FolderCase{"SubfolderOfTheData", "data/Bulletin", std::nullopt, "", ""},
        FolderCase{"TheDataFolderItself", "data", std::nullopt, "", "přímo do složky s daty"},
        FolderCase{"TheDataFolderByAnotherName", "data/.", std::nullopt, "", "přímo do složky"},
        FolderCase{"OldBulletin", "web", kMarkedPage, "index.html", ""},
        FolderCase{"OldPicture", "web", kMarkedPng, "mapa.png", ""},
        FolderCase{"SomeonesHtmlPage", "web", "<!DOCTYPE html>\n<html>", "index.html",
                   "není to soubor bulletinu"},
        FolderCase{"SomeonesHtmlPageReplaced", "web", "<!DOCTYPE html>\n<html>", "index.html", "",
                   true},
        FolderCase{"SomeonesPicture", "web", kPlainPng, "mapa.png", "není to soubor bulletinu"},
        FolderCase{"OldEnglishPage", "web", kMarkedPage, "index-en.html", ""},
        FolderCase{"SomeonesEnglishPage", "web", "<!DOCTYPE html>\n<html lang=\"en\">",
                   "index-en.html", "není to soubor bulletinu"},
        FolderCase{"SomeonesPage", "web", "Moje poznámky k měsíci", "index.html",
                   "není to soubor bulletinu"},
        FolderCase{"TextNamedLikeAPicture", "web", "poznámky", "zakres-2014-03-05.png",
                   "není to soubor bulletinu"},
        FolderCase{"AFileInPlaceOfTheFolder", "web/soubor", "text", "", "není to složka"}),
    CaseName);

}  // namespace
}  // namespace ardeno
