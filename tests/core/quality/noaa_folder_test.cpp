// SPDX-License-Identifier: GPL-3.0-or-later
// The folder of the NOAA reports is kept in noaa.dat between sessions: a folder whose name has
// Czech letters comes back as the same folder on every system, and a file written by an older
// program in Windows-1250 reads as well.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/quality/noaa_regions.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

namespace fs = std::filesystem;

TEST(NoaaFolderTest, ComesBackAsWrittenWithCzechLetters) {
  const test::TempFolder prog;
  const fs::path reports = prog.Path() / fs::u8path("Zprávy NOAA – Ondřejov");
  ASSERT_FALSE(WriteNoaaFolder(prog.Path(), reports));
  EXPECT_EQ(ReadNoaaFolder(prog.Path()), reports);
  const std::u8string name = reports.u8string();
  EXPECT_EQ(prog.Read(kNoaaFolderFile),
            std::string(reinterpret_cast<const char*>(name.data()), name.size()) + "\r\n");

  prog.Write(kNoaaFolderFile, "D:\\Zpr\xE1vy\r\n");
  EXPECT_EQ(ReadNoaaFolder(prog.Path()), fs::path(fs::u8path("D:\\Zprávy")));
}

TEST(NoaaFolderTest, TheDataFolderOwnReportsAreFoundUntilAnotherFolderIsChosen) {
  const test::TempFolder prog;
  EXPECT_EQ(ReadNoaaFolder(prog.Path()), std::nullopt);
  const fs::path own = prog.Path() / kNoaaDefaultFolder;
  fs::create_directories(own);
  EXPECT_EQ(ReadNoaaFolder(prog.Path()), own);
  prog.Write(kNoaaFolderFile, "\r\n");
  EXPECT_EQ(ReadNoaaFolder(prog.Path()), own);
  const fs::path chosen = prog.Path() / "jinde";
  ASSERT_FALSE(WriteNoaaFolder(prog.Path(), chosen));
  EXPECT_EQ(ReadNoaaFolder(prog.Path()), chosen);
}

}  // namespace
}  // namespace ardeno
