// SPDX-License-Identifier: GPL-3.0-or-later
// A data folder named with Czech letters, as observers name theirs ("Pozorování"), works on every
// system: the data file loads and saves, a report is written into it, the folder's lock is taken,
// and messages name the folder in UTF-8. (On Windows the system code page has no such letters;
// the tests run there under Wine too.)
#include <gtest/gtest.h>

#include "core/data/data_file.h"
#include "core/data/data_folder.h"
#include "core/data/folder_lock.h"
#include "core/reports/report_text.h"
#include "core/text/path_text.h"
#include "support/database_builders.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFolderName = "Pozorování Žďár – Sluníčko";

TEST(CzechFolder, PathsAndTextsRoundTripInUtf8) {
  EXPECT_EQ(PathUtf8(Utf8Path(kFolderName)), kFolderName);
  const fs::path file = Utf8Path("Měsíce") / Utf8Path("Březen.txt");
  EXPECT_EQ(PathUtf8(file.filename()), "Březen.txt");
  EXPECT_EQ(PathUtf8(file.parent_path()), "Měsíce");
  EXPECT_EQ(PathUtf8(Utf8Path("")), "");
}

TEST(CzechFolder, TheDataFileLoadsSavesAndIsLockedThere) {
  test::TempFolder temp;
  const fs::path folder = temp.Path() / Utf8Path(kFolderName);
  fs::create_directories(folder);
  {
    Database db =
        test::DatabaseOf({test::DatedRecord({2014, 3, 1}), test::DatedRecord({2014, 3, 2})});
    ASSERT_EQ(SaveDatabase(db, folder), std::nullopt);
  }
  Database db;
  const LoadReport report = LoadDatabase(db, folder, CalendarDate{2024, 1, 1});
  ASSERT_FALSE(report.Error) << *report.Error;
  EXPECT_EQ(db.RecordCount, 2);

  const FolderLockAttempt lock = LockDataFolder(folder, "test");
  EXPECT_FALSE(lock.Refused) << *lock.Refused;

  const fs::path report1 = folder / "Mesice" / Utf8Path("Březen 2014.txt");
  ASSERT_EQ(WriteReportFile(report1, "R 42\r\n"), std::nullopt);
  EXPECT_TRUE(fs::is_regular_file(report1));
  EXPECT_EQ(FirstTakenName({report1}), report1);
}

TEST(CzechFolder, MessagesNameTheFolderInUtf8) {
  test::TempFolder temp;
  const fs::path missing = temp.Path() / Utf8Path(kFolderName);
  const auto problem = DataFolderProblem(missing);
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find(std::string(kFolderName)), std::string::npos) << *problem;
}

}  // namespace
}  // namespace ardeno
