// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/core_text.h"
#include "core/text/translated_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace ardeno {
namespace {

// A translation that knows one text of one context, as the English texts of the program do.
std::string OneEnglishText(const char* context, const char* source) {
  if (std::string(context) == "DataFile" && std::string(source) == "Soubor %1 nelze otevřít.")
    return "Cannot open the file %1.";
  return {};
}

class CoreTextTest : public ::testing::Test {
 protected:
  void TearDown() override { SetTextTranslation({}); }
};

TEST_F(CoreTextTest, CzechWithoutTranslation) {
  EXPECT_EQ(CoreText("DataFile", "Soubor %1 nelze otevřít."), "Soubor %1 nelze otevřít.");
}

TEST_F(CoreTextTest, TranslationLooksUpContextAndSource) {
  SetTextTranslation(OneEnglishText);
  EXPECT_EQ(CoreText("DataFile", "Soubor %1 nelze otevřít."), "Cannot open the file %1.");
  // The same words under another context, and a text the translation lacks, stay Czech.
  EXPECT_EQ(CoreText("Quality", "Soubor %1 nelze otevřít."), "Soubor %1 nelze otevřít.");
  EXPECT_EQ(CoreText("DataFile", "Chyba zápisu."), "Chyba zápisu.");
  SetTextTranslation({});
  EXPECT_EQ(CoreText("DataFile", "Soubor %1 nelze otevřít."), "Soubor %1 nelze otevřít.");
}

TEST_F(CoreTextTest, CzechTextsHoldsCzechOnItsThreadOnly) {
  SetTextTranslation(OneEnglishText);
  std::string otherThread;
  {
    const CzechTexts outer;
    {
      const CzechTexts inner;
      EXPECT_EQ(CoreText("DataFile", "Soubor %1 nelze otevřít."), "Soubor %1 nelze otevřít.");
    }
    // Still held by the outer one.
    EXPECT_EQ(CoreText("DataFile", "Soubor %1 nelze otevřít."), "Soubor %1 nelze otevřít.");
    std::thread([&] { otherThread = CoreText("DataFile", "Soubor %1 nelze otevřít."); }).join();
  }
  EXPECT_EQ(otherThread, "Cannot open the file %1.");
  EXPECT_EQ(CoreText("DataFile", "Soubor %1 nelze otevřít."), "Cannot open the file %1.");
}

// A page in a second language is written while the interface speaks Czech (no translation set):
// the guard gives its translation on its own thread, Czech wins inside it, and it ends cleanly.
TEST_F(CoreTextTest, TranslatedTextsOnItsThreadOnly) {
  const TextTranslation english = OneEnglishText;
  std::string otherThread;
  {
    const TranslatedTexts page(english);
    EXPECT_EQ(CoreText("DataFile", "Soubor %1 nelze otevřít."), "Cannot open the file %1.");
    {
      const CzechTexts czechFile;
      EXPECT_EQ(CoreText("DataFile", "Soubor %1 nelze otevřít."), "Soubor %1 nelze otevřít.");
    }
    std::thread([&] { otherThread = CoreText("DataFile", "Soubor %1 nelze otevřít."); }).join();
  }
  EXPECT_EQ(otherThread, "Soubor %1 nelze otevřít.");
  EXPECT_EQ(CoreText("DataFile", "Soubor %1 nelze otevřít."), "Soubor %1 nelze otevřít.");
}

struct FillCase {
  const char* Name;
  const char* Text;
  std::vector<std::string> Values;
  const char* Expected;
};

class FillTextTest : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillTextTest, ReplacesPlaceholders) {
  EXPECT_EQ(FillText(GetParam().Text, GetParam().Values), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Placeholders, FillTextTest,
    ::testing::Values(
        FillCase{"InOrder", "Záznam %1 z %2.", {"3", "12"}, "Záznam 3 z 12."},
        // English word order may differ from the Czech one.
        FillCase{"SwappedOrder", "%2 records, number %1", {"3", "12"}, "12 records, number 3"},
        FillCase{"Repeated", "%1 a %1", {"x"}, "x a x"},
        FillCase{"MissingValueStays", "%1 a %2", {"x"}, "x a %2"},
        FillCase{"ValueIsNotFilledAgain", "%1 %2", {"%2", "y"}, "%2 y"},
        FillCase{"PercentSignAndZeroStay", "100 % a %0 a %", {"x"}, "100 % a %0 a %"},
        FillCase{
            "NinthPlaceholder", "%9", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}, "nine"},
        FillCase{"Utf8Values", "Pozorovatel %1.", {"Šťastný"}, "Pozorovatel Šťastný."}),
    [](const ::testing::TestParamInfo<FillCase>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace ardeno
