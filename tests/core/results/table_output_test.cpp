// SPDX-License-Identifier: GPL-3.0-or-later
// Printing and CSV export of the monthly tables, and the calendar of days without activity.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/results/measured_table.h"
#include "core/results/monthly_csv.h"
#include "core/results/quiet_days.h"
#include "core/results/results_records.h"
#include "core/results/table_print.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::DatabaseBuilder;
using test::Normal;

TEST(PrintPages, LinesPerPageFromThePageSize) {
  // A4 at 600 dpi: 4960 / 704 = 7 -> 105-pixel lines.
  EXPECT_EQ(LinesPerPage(4960, 7016, 200), 64);
  EXPECT_EQ(LinesPerPage(4960, 7016, 400), 63);
  // A page narrower than 704 pixels still steps 15 pixels instead of dividing by zero.
  EXPECT_EQ(LinesPerPage(595, 842, 400), 29);
  EXPECT_EQ(LinesPerPage(100, 300, 400), 1);
  EXPECT_EQ(PrintPanelLabel(14, 64), "Počet hodnot je = 15   ( .2  str.)");
  EXPECT_EQ(PrintPanelLabel(699, 63), "Počet hodnot je = 700   ( 11.1  str.)");
}

struct PlanCase {
  const char* Name;
  PrintType Type;
  int Selected;
  std::vector<std::vector<int>> Pages;
};

class PlanTablePagesTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanTablePagesTest, RowsOnEachPage) {
  const PlanCase& c = GetParam();
  // Rows 1..7 are months, row 7 the last (incomplete) month; three lines per page.
  EXPECT_EQ(PlanTablePages(c.Type, c.Selected, 7, 3), c.Pages);
}

INSTANTIATE_TEST_SUITE_P(
    Types, PlanTablePagesTest,
    ::testing::Values(
        PlanCase{"AllRowsStopBeforeTheLastMonth", PrintType::AllRows, 4, {{1, 2, 3}, {4, 5, 6}}},
        PlanCase{"FromCursor", PrintType::FromCursor, 3, {{3, 4, 5}, {6}}},
        PlanCase{"OnePageFromCursor", PrintType::OnePageFromCursor, 2, {{2, 3, 4}}},
        PlanCase{"OnePageNearTheEnd", PrintType::OnePageFromCursor, 5, {{5, 6}}},
        PlanCase{"CursorOnTheHeader", PrintType::FromCursor, 0, {{1, 2, 3}, {4, 5, 6}}},
        PlanCase{"CursorOnTheLastMonth", PrintType::FromCursor, 7, {}}),
    [](const auto& info) { return std::string(info.param.Name); });

Database ThreeMonths() {
  return DatabaseBuilder()
      .Add("30.01.2001", Normal(2, 1, 10, 20))
      .Add("01.02.2001", Normal(1, 0))
      .Add("05.03.2001", Normal(0, 3))
      .Build();
}

TEST(MonthlyCsv, NorthTableStopsAtColumnEight) {
  const MonthlyTable whole = BuildMeasuredTable(CollectMonths(ThreeMonths()), Hemisphere::Whole);
  const MonthlyTable north = BuildMeasuredTable(CollectMonths(ThreeMonths()), Hemisphere::North);
  const std::string wholeText = MonthlyCsvText(whole, Hemisphere::Whole);
  const std::string northText = MonthlyCsvText(north, Hemisphere::North);
  EXPECT_EQ(northText.substr(0, northText.find("\r\n")),
            ";   g;   f;   r;   Cv;   SN;   RB;   plo;   pol;");
  EXPECT_EQ(wholeText.substr(0, wholeText.find("\r\n")),
            ";   g;   f;   r;   Cv;   SN;   RB;   plo;   pol;   gc;   fc;   rc;   F;   p;   O;   "
            "Q;");
  std::istringstream lines(northText);
  std::string line;
  std::vector<std::string> all;
  while (std::getline(lines, line)) all.push_back(line);
  ASSERT_EQ(all.size(), 5u);  // header, three months, April
  EXPECT_EQ(all[1], " 01.2001; 2.00; 4.00;24.00; 0.00; 0.00; 0.00;10.00;10.00;\r");
  EXPECT_EQ(all[4], " 04.2001;;;;;;;;;\r");
}

TEST(MonthlyCsv, FileNamesFollowTheViewAndHemisphere) {
  EXPECT_EQ(MonthlyCsvName(MonthlyTableKind::Measured, Hemisphere::Whole), "Namerene-celkove");
  EXPECT_EQ(MonthlyCsvName(MonthlyTableKind::Measured, Hemisphere::South), "Namerene-jih");
  EXPECT_EQ(MonthlyCsvName(MonthlyTableKind::Smoothed, Hemisphere::North), "Vyhlazene-sever");
  EXPECT_EQ(MonthlyCsvPath("/p", MonthlyTableKind::Smoothed, Hemisphere::Whole),
            std::filesystem::path("/p") / "CSVsoubory" / "Vyhlazene-celkove.csv");
}

TEST(MonthlyCsv, WritesIntoItsFolderAndLeavesTheOldFileOnFailure) {
  test::TempFolder folder;
  const MonthlyTable table = BuildMeasuredTable(CollectMonths(ThreeMonths()), Hemisphere::South);
  ASSERT_EQ(WriteMonthlyCsv(folder.Path(), table, MonthlyTableKind::Measured, Hemisphere::South),
            std::nullopt);
  const auto file = folder.Path() / "CSVsoubory" / "Namerene-jih.csv";
  std::ifstream in(file, std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(written, MonthlyCsvText(table, Hemisphere::South));

  // A folder where the file should be: refused with a message, nothing else touched.
  std::filesystem::create_directories(folder.Path() / "CSVsoubory" / "Namerene-sever.csv");
  const auto error =
      WriteMonthlyCsv(folder.Path(), table, MonthlyTableKind::Measured, Hemisphere::North);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("Namerene-sever.csv nelze zapsat"), std::string::npos) << *error;
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "CSVsoubory" / "Namerene-sever.csv"));
}

TEST(QuietDays, BothHemispheresWithoutRAreMarkedInTheirYear) {
  test::DayValues special = Normal(0, 0);
  special.Special = true;
  const Database db = DatabaseBuilder()
                          .Add("31.12.2007", Normal(0, 0))
                          .Add("01.01.2008", Normal(0, 1))
                          .Add("02.01.2008", Normal(1, 0))
                          .Add("29.02.2008", Normal(0, 0))
                          .Add("31.12.2008", special)
                          .Build();
  const auto days = QuietDays(db);
  ASSERT_EQ(days.size(), 3u);
  EXPECT_EQ(days[1], (CalendarDate{2008, 2, 29}));
  const QuietDayMarks marks = MarkQuietDays(days, 2008);
  int marked = 0;
  for (const auto& month : marks)
    for (bool day : month) marked += day ? 1 : 0;
  EXPECT_EQ(marked, 2);
  EXPECT_TRUE(marks[1][28]);
  EXPECT_TRUE(marks[11][30]);
  EXPECT_FALSE(marks[0][0]);
  EXPECT_EQ(LastRecordYear(db), 2008);
  const QuietDayMarks none = MarkQuietDays(days, 2009);
  for (const auto& month : none)
    for (bool day : month) EXPECT_FALSE(day);
}

TEST(QuietDays, CalendarFitsTheWindow) {
  for (const auto& [width, height] : {std::pair{1000, 700}, std::pair{640, 480}}) {
    const CalendarLayout layout = LayOutCalendar(width, height);
    EXPECT_LE(layout.Right(), width);
    EXPECT_LE(layout.Bottom(), height);
    const auto cell = layout.Cell(12, 31);
    EXPECT_EQ(cell.X + cell.Width, layout.Right());
    EXPECT_EQ(cell.Y + cell.Height, layout.Bottom());
    EXPECT_GE(layout.Top - layout.HeaderHeight, 0);
    // The legend's row stands under the grid, inside the window.
    EXPECT_GT(layout.LegendTop(), layout.Bottom());
    EXPECT_LE(layout.LegendTop() + layout.CellHeight, height);
  }
}

}  // namespace
}  // namespace ardeno
