// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/data/instrument_file.h"
#include "core/data/startup_inputs.h"
#include "core/data/supplementary_data.h"
#include "core/data/zoom_file.h"
#include "core/text/encoding.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::TempFolder;

struct ZoomCase {
  const char* Name;
  const char* FileText;
  float Zoom;
};

class ZoomFileTest : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(ZoomFileTest, FirstLineGivesZoomWithinOpenBounds) {
  TempFolder folder;
  folder.Write(kZoomFileName, GetParam().FileText);
  EXPECT_FLOAT_EQ(ReadZoom(folder.Path()), GetParam().Zoom);
  EXPECT_EQ(folder.Read(kZoomFileName), GetParam().FileText)
      << "an existing file is never rewritten";
}

INSTANTIATE_TEST_SUITE_P(Percentages, ZoomFileTest,
                         ::testing::Values(ZoomCase{"LowerBoundExcluded", "100\r\n", 1.2f},
                                           ZoomCase{"UpperBoundExcluded", "200\r\n", 1.2f},
                                           ZoomCase{"Middle", "150\r\n", 1.5f},
                                           ZoomCase{"JustAboveLower", "101", 1.01f},
                                           ZoomCase{"JustBelowUpper", "199\n2000\n", 1.99f},
                                           ZoomCase{"BlanksAround", "  130 \r\n", 1.3f},
                                           ZoomCase{"NotANumber", "zoom\r\n", 1.2f},
                                           ZoomCase{"NumberWithText", "150%\r\n", 1.2f},
                                           ZoomCase{"Empty", "", 1.2f},
                                           ZoomCase{"Negative", "-150\r\n", 1.2f}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ZoomFile, MissingFileIsCreatedWithDefaultPercentage) {
  TempFolder folder;
  EXPECT_FLOAT_EQ(ReadZoom(folder.Path()), 1.2f);
  EXPECT_EQ(folder.Read(kZoomFileName), "120\r\n");
  EXPECT_FLOAT_EQ(ReadZoom(folder.Path()), 1.2f) << "the created file reads back as the default";
}

TEST(SupplementaryData, OnlyAFullBlockIsTaken) {
  TempFolder folder;
  EXPECT_FALSE(ReadSupplementaryData(folder.Path()).Present());

  std::string block(kSupplementaryDataSize, '\0');
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i % 251 + 1);
  folder.Write(kSupplementaryFileName, block.substr(0, kSupplementaryDataSize - 1));
  const auto shortFile = ReadSupplementaryData(folder.Path());
  EXPECT_FALSE(shortFile.Present());
  EXPECT_EQ(std::count(shortFile.Bytes.begin(), shortFile.Bytes.end(), 0), kSupplementaryDataSize);

  folder.Write(kSupplementaryFileName, block + "extra bytes beyond the table");
  const auto full = ReadSupplementaryData(folder.Path());
  ASSERT_EQ(full.Bytes.size(), kSupplementaryDataSize);
  EXPECT_TRUE(full.Present());
  EXPECT_TRUE(std::equal(full.Bytes.begin(), full.Bytes.end(), block.begin(),
                         [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }));
}

TEST(InstrumentFile, DefaultsWhenMissingAndLinesAsWritten) {
  TempFolder folder;
  const Instrument defaults = ReadInstrument(folder.Path());
  EXPECT_EQ(defaults, (Instrument{"", "Přístroj", "80", "18", "1350", ""}));

  const Instrument written{"Hvězdárna Úpice", "Refraktor", "80", "18", "1350", "Sluneční sekce"};
  ASSERT_TRUE(Succeeded(WriteInstrument(folder.Path(), written)));
  const std::string bytes = folder.Read(kInstrumentFileName);
  EXPECT_EQ(bytes.substr(0, 17), Utf8ToCp1250("Hvězdárna Úpice") + "\r\n") << "Windows-1250, CR LF";
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), kInstrumentLines);
  EXPECT_EQ(ReadInstrument(folder.Path()), written);
}

TEST(InstrumentFile, ShortFileAndLineBreaksInsideFields) {
  TempFolder folder;
  folder.Write(kInstrumentFileName, Utf8ToCp1250("Ondřejov") + "\nCoelostat\n");
  const Instrument partial = ReadInstrument(folder.Path());
  EXPECT_EQ(partial[0], "Ondřejov");
  EXPECT_EQ(partial[1], "Coelostat");
  EXPECT_EQ(partial[2], "") << "lines the file lacks are empty, not the defaults";

  folder.Write(kInstrumentFileName, "Stanice\rRefraktor\r\r80\r");
  const Instrument crOnly = ReadInstrument(folder.Path());
  EXPECT_EQ(crOnly[1], "Refraktor") << "CR alone ends a line too";
  EXPECT_EQ(crOnly[2], "");
  EXPECT_EQ(crOnly[3], "80");

  Instrument withBreak = DefaultInstrument();
  withBreak[0] = "two\r\nlines";
  ASSERT_TRUE(Succeeded(WriteInstrument(folder.Path(), withBreak)));
  const Instrument back = ReadInstrument(folder.Path());
  EXPECT_EQ(back[0], "twolines");
  EXPECT_EQ(back[1], "Přístroj") << "a break inside a field must not shift the other lines";
}

TEST(InstrumentFile, WriteIntoMissingFolderIsReported) {
  TempFolder folder;
  const auto error = WriteInstrument(folder.Path() / "missing", DefaultInstrument());
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("pristroj.dat"), std::string::npos);
}

TEST(StartupInputs, EmptyFolderGivesDefaultsAndNoMessages) {
  TempFolder folder;
  const auto inputs = ReadStartupInputs(folder.Path(), CalendarDate{2026, 12, 8});
  EXPECT_FLOAT_EQ(inputs.Zoom, 1.2f);
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / kZoomFileName));
  EXPECT_EQ(inputs.InstrumentLines, DefaultInstrument());
  EXPECT_FALSE(inputs.Supplementary.Present());
  EXPECT_EQ(inputs.Corona.CoronaByteCount, 1);
  EXPECT_EQ(inputs.SidcDaily.YearsFound, 0);
  EXPECT_EQ(inputs.SidcAreas.LineCount, 0);
  EXPECT_EQ(inputs.RadioFlux.LineCount, 0);
  EXPECT_TRUE(inputs.Messages.empty());
}

TEST(StartupInputs, UnreadableFileIsReportedAndTheOthersAreStillRead) {
  TempFolder folder;
  // A folder where a file is expected cannot be read as one.
  std::filesystem::create_directories(folder.Path() / kInstrumentFileName);
  std::filesystem::create_directories(folder.Path() / "SIDC" / "Plochy.txt");
  folder.Write(kZoomFileName, "150\r\n");
  folder.Write("SIDC/tok-10cm.txt", std::string(15, ' ') + "  70.5" + std::string(23, ' ') + "\n");
  const auto inputs = ReadStartupInputs(folder.Path(), CalendarDate{2026, 12, 8});
  EXPECT_FLOAT_EQ(inputs.Zoom, 1.5f);
  EXPECT_EQ(inputs.InstrumentLines, DefaultInstrument());
  EXPECT_EQ(inputs.RadioFlux.LineCount, 1) << "a file after the failed one is still read";
  ASSERT_EQ(inputs.Messages.size(), 2u);
  EXPECT_EQ(inputs.Messages[0], "Soubor pristroj.dat nelze přečíst.");
  EXPECT_EQ(inputs.Messages[1], "Soubor SIDC/Plochy.txt nelze přečíst.");
}

}  // namespace
}  // namespace ardeno
