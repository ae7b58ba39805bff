// SPDX-License-Identifier: GPL-3.0-or-later
// Going to a date in the record list: the three forms of the typed date and the first drawing on
// or after its first day, also where a drawing's date does not read.
#include <gtest/gtest.h>

#include <string>

#include "core/entry/date_jump.h"
#include "support/database_builders.h"

namespace ardeno {
namespace {

struct JumpCase {
  const char* Name;
  const char* Typed;
  int Index;                // 0: refused
  const char* MessagePart;  // for a refusal
};

// Drawings of 3.3.2014 (two), 5.3.2014, 30.4.2014, an unreadable date, 2.1.2015.
Database JumpDatabase() {
  std::vector<ObservationRecord> records = {
      test::DatedRecord({2014, 3, 3}), test::DatedRecord({2014, 3, 3}),
      test::DatedRecord({2014, 3, 5}), test::DatedRecord({2014, 4, 30}),
      test::DatedRecord({2014, 5, 1}), test::DatedRecord({2015, 1, 2})};
  records[1].SetObserver("Černý");
  records[4].SetDate("xx.05.2014");
  return test::DatabaseOf(std::move(records), 5);
}

class DateJumpTest : public ::testing::TestWithParam<JumpCase> {};

TEST_P(DateJumpTest, FirstDrawingOnOrAfterTheDay) {
  const JumpCase& c = GetParam();
  const DateJump jump = FindDateJump(JumpDatabase(), c.Typed);
  EXPECT_EQ(jump.Index, c.Index);
  if (c.Index == 0)
    EXPECT_NE(jump.Message.find(c.MessagePart), std::string::npos) << jump.Message;
  else
    EXPECT_EQ(jump.Message, "");
}

INSTANTIATE_TEST_SUITE_P(
    TypedForms, DateJumpTest,
    ::testing::Values(JumpCase{"DayOfADrawing", "5.3.2014", 3, ""},
                      JumpCase{"DayWithTwoDrawingsGivesTheFirst", "03.03.2014", 1, ""},
                      JumpCase{"DayWithoutADrawingGivesTheNext", "4.3.2014", 3, ""},
                      JumpCase{"MonthGivesItsFirstDrawing", "4.2014", 4, ""},
                      JumpCase{"MonthWithoutDrawingsGivesTheNext", "6.2014", 6, ""},
                      JumpCase{"YearGivesItsFirstDrawing", "2015", 6, ""},
                      JumpCase{"YearBeforeEveryDrawingGivesTheFirst", "1990", 1, ""},
                      JumpCase{"BlanksAroundAreAllowed", "  3.2014 ", 1, ""},
                      JumpCase{"UnreadableDateIsPassedBy", "1.5.2014", 6, ""},
                      JumpCase{"AfterTheLastDrawing", "2016", 0, "poslední je z 02.01.2015"},
                      JumpCase{"DayThatDoesNotExist", "31.4.2014", 0, "není datum"},
                      JumpCase{"MonthThirteen", "13.2014", 0, "není datum"},
                      JumpCase{"TwoDigitYear", "14", 0, "není datum"},
                      JumpCase{"TwoDigitYearOfADay", "5.3.14", 0, "není datum"},
                      JumpCase{"Letters", "březen", 0, "není datum"},
                      JumpCase{"Nothing", "", 0, "není datum"},
                      JumpCase{"FourParts", "1.1.1.2014", 0, "není datum"}),
    [](const auto& info) { return std::string(info.param.Name); });

// A day, month or year without a drawing shows the next drawing and says so; one with a drawing
// says nothing.
TEST(DateJumpTest, APeriodWithoutADrawingIsNamed) {
  const Database db = JumpDatabase();
  EXPECT_EQ(FindDateJump(db, "2014").Note, "");
  EXPECT_EQ(FindDateJump(db, "4.2014").Note, "");
  EXPECT_EQ(FindDateJump(db, "30.4.2014").Note, "");
  EXPECT_EQ(FindDateJump(db, "1990").Note,
            "V roce 1990 není žádný zákres; ukazuje se další, z "
            "03.03.2014.");
  EXPECT_EQ(FindDateJump(db, " 6.2014").Note,
            "V měsíci 6.2014 není žádný zákres; ukazuje se "
            "další, z 02.01.2015.");
  EXPECT_EQ(FindDateJump(db, "4.3.2014").Note,
            "Dne 4.3.2014 není žádný zákres; ukazuje se "
            "další, z 05.03.2014.");
}

TEST(DateJumpTest, EmptyDatabaseSaysSo) {
  const DateJump jump = FindDateJump(test::DatabaseOf({}, 5), "2014");
  EXPECT_EQ(jump.Index, 0);
  EXPECT_NE(jump.Message.find("žádný zákres"), std::string::npos) << jump.Message;
}

}  // namespace
}  // namespace ardeno
