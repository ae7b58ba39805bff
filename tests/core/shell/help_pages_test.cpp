// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages: every window's page is a file of the source tree, F1 finds the page of its
// window, and the pages are looked for beside the program before the source tree.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "core/shell/help_pages.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

const std::filesystem::path kSourceHelp =
    std::filesystem::path(ARDENO_TEST_DATA).parent_path().parent_path() / "docs" / "help";

TEST(HelpPagesTest, EveryPageIsAFileOfTheSourceTreeWithATitle) {
  std::set<std::string> files;
  for (const HelpPage& page : HelpPages()) {
    EXPECT_TRUE(files.insert(page.File).second) << page.File << " twice";
    std::ifstream in(kSourceHelp / page.File);
    std::string firstLine;
    ASSERT_TRUE(std::getline(in, firstLine)) << page.File;
    EXPECT_EQ(firstLine.rfind("# ", 0), 0u) << page.File << " starts without a heading";
  }
}

struct PageCase {
  const char* Window;
  const char* File;
};

class HelpPageForTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(HelpPageForTest, WindowFindsItsPage) {
  EXPECT_STREQ(HelpPageFor(GetParam().Window).File, GetParam().File);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, HelpPageForTest,
    ::testing::Values(PageCase{"TForm1", "hlavni.md"}, PageCase{"TForm4", "seznam.md"},
                      PageCase{"TForm2", "zakres.md"}, PageCase{"TForm9", "vysledky.md"},
                      PageCase{"Tform5", "motylek.md"}, PageCase{"TForm7", "mapy.md"},
                      PageCase{"ListBox1", "hlavni.md"}, PageCase{"", "hlavni.md"}),
    [](const auto& info) {
      const std::string window = info.param.Window;
      return window.empty() ? std::string("NoName") : window;
    });

// Every page has its English translation in docs/help/en, with a heading of its own.
TEST(HelpPagesTest, EveryPageHasAnEnglishTranslation) {
  for (const HelpPage& page : HelpPages()) {
    const std::filesystem::path file = HelpPageFile(kSourceHelp, page, true);
    EXPECT_EQ(file, kSourceHelp / kEnglishHelpFolder / page.File);
    std::ifstream in(file);
    std::string firstLine;
    ASSERT_TRUE(std::getline(in, firstLine)) << page.File;
    EXPECT_EQ(firstLine.rfind("# ", 0), 0u) << page.File << " starts without a heading";
    std::ifstream czech(kSourceHelp / page.File);
    std::string czechLine;
    std::getline(czech, czechLine);
    EXPECT_NE(firstLine, czechLine) << page.File << " is not translated";
  }
}

TEST(HelpPagesTest, EnglishAskedFallsBackToTheCzechPage) {
  test::TempFolder help;
  help.Write("hlavni.md", "# Hlavní okno\n");
  help.Write("seznam.md", "# Seznam\n");
  help.Write("en/hlavni.md", "# Main window\n");
  const HelpPage& main = HelpPageFor("TForm1");
  const HelpPage& list = HelpPageFor("TForm4");
  EXPECT_EQ(HelpPageFile(help.Path(), main, true), help.Path() / "en" / "hlavni.md");
  EXPECT_EQ(HelpPageFile(help.Path(), main, false), help.Path() / "hlavni.md");
  EXPECT_EQ(HelpPageFile(help.Path(), list, true), help.Path() / "seznam.md");
}

TEST(HelpPagesTest, HeadingIsTheFirstLineAfterTheHash) {
  test::TempFolder help;
  help.Write("a.md", "# Main window\r\n\nText\n");
  help.Write("b.md", "Main window\n# Later\n");
  help.Write("c.md", "");
  EXPECT_EQ(HelpPageHeading(help.Path() / "a.md"), "Main window");
  EXPECT_EQ(HelpPageHeading(help.Path() / "b.md"), std::nullopt);
  EXPECT_EQ(HelpPageHeading(help.Path() / "c.md"), std::nullopt);
  EXPECT_EQ(HelpPageHeading(help.Path() / "missing.md"), std::nullopt);
}

TEST(HelpPagesTest, PagesBesideTheProgramComeBeforeTheSourceTree) {
  test::TempFolder program;
  test::TempFolder source;
  std::filesystem::create_directories(program.Path() / "bin");
  const auto folders = HelpFolders(program.Path() / "bin", source.Path());
  ASSERT_EQ(folders.size(), 3u);
  EXPECT_EQ(FindHelpFolder(folders), std::nullopt);
  source.Write("docs/help/hlavni.md", "# Hlavní okno\n");
  EXPECT_EQ(FindHelpFolder(folders), source.Path() / "docs" / "help");
  program.Write("share/ardeno/help/hlavni.md", "# Hlavní okno\n");
  EXPECT_EQ(FindHelpFolder(folders), program.Path() / "share" / "ardeno" / "help");
  program.Write("bin/help/hlavni.md", "# Hlavní okno\n");
  EXPECT_EQ(FindHelpFolder(folders), program.Path() / "bin" / "help");
}

}  // namespace
}  // namespace ardeno
