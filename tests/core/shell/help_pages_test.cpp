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
