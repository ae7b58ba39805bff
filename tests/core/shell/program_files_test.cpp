// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds its own files: beside it, in the installed share/ardeno, or in the
// source tree it was built from, in that order, and never a folder that lacks the files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/shell/program_files.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

struct KindCase {
  const char* Name;
  ProgramFilesKind Kind;
  const char* Marker;
};

class ProgramFilesTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(ProgramFilesTest, InstalledFilesComeBeforeTheSourceTreeAndEmptyFoldersAreSkipped) {
  const KindCase& c = GetParam();
  test::TempFolder prefix;
  test::TempFolder source;
  const std::filesystem::path bin = prefix.Path() / "bin";
  std::filesystem::create_directories(bin);
  const auto folders = ProgramFilesFolders(c.Kind, bin, source.Path());
  const std::string installed = std::string("share/ardeno/") + c.Kind.InstalledName;
  const std::string inSource = c.Kind.SourceTreePath;

  EXPECT_EQ(FindFolderHolding(folders, c.Marker), std::nullopt);
  source.Write(inSource + "/" + c.Marker, "x");
  EXPECT_EQ(FindFolderHolding(folders, c.Marker), source.Path() / inSource);
  // A package removed in part leaves the folder without the files: still the source tree.
  std::filesystem::create_directories(prefix.Path() / installed);
  EXPECT_EQ(FindFolderHolding(folders, c.Marker), source.Path() / inSource);
  prefix.Write(installed + "/" + c.Marker, "x");
  // Named without "bin/..", as a user reads it in a message.
  EXPECT_EQ(FindFolderHolding(folders, c.Marker), prefix.Path() / installed);
  prefix.Write(std::string("bin/") + c.Kind.InstalledName + "/" + c.Marker, "x");
  EXPECT_EQ(FindFolderHolding(folders, c.Marker), bin / c.Kind.InstalledName);
}

TEST_P(ProgramFilesTest, WithoutASourceTreeOnlyTheProgramsFoldersAreSearched) {
  const KindCase& c = GetParam();
  const auto folders = ProgramFilesFolders(c.Kind, "/opt/ardeno/bin", {});
  ASSERT_EQ(folders.size(), 2u);
  EXPECT_EQ(folders[0], std::filesystem::path("/opt/ardeno/bin") / c.Kind.InstalledName);
  EXPECT_EQ(folders[1], std::filesystem::path("/opt/ardeno/share/ardeno") / c.Kind.InstalledName);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ProgramFilesTest,
                         ::testing::Values(KindCase{"Help", kHelpFiles, "hlavni.md"},
                                           KindCase{"Reference", kReferenceFiles, "README.md"}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace ardeno
