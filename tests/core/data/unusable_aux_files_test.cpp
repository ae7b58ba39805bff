// SPDX-License-Identifier: GPL-3.0-or-later
// Auxiliary files that exist but cannot serve: each gets one Czech line at start-up instead of
// being read as zeros without a word; text saved by newer editors (UTF-8, byte order mark) reads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data/instrument_file.h"
#include "core/data/startup_inputs.h"
#include "core/data/zoom_file.h"
#include "core/text/encoding.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::TempFolder;

struct UnusableCase {
  std::string Name;
  std::string File;
  std::string Contents;
  std::string Told;  // empty: the file serves and nothing is said
};

class UnusableAuxFileTest : public ::testing::TestWithParam<UnusableCase> {};

TEST_P(UnusableAuxFileTest, GetsOneLineOrReadsWithoutAWord) {
  TempFolder folder;
  folder.Write(GetParam().File, GetParam().Contents);
  const StartupInputs inputs = ReadStartupInputs(folder.Path(), CalendarDate{1983, 6, 1});
  if (GetParam().Told.empty()) {
    EXPECT_TRUE(inputs.Messages.empty()) << ::testing::PrintToString(inputs.Messages);
    return;
  }
  ASSERT_EQ(inputs.Messages.size(), 1u) << ::testing::PrintToString(inputs.Messages);
  EXPECT_NE(inputs.Messages[0].find(GetParam().Told), std::string::npos) << inputs.Messages[0];
}

const std::string kBom = "\xEF\xBB\xBF";
// One line of tok-10cm.txt: 45 bytes with the flux at columns 16..21.
const std::string kFluxLine = std::string(15, ' ') + "  70.5" + std::string(23, ' ') + "\n";

INSTANTIATE_TEST_SUITE_P(
    Files, UnusableAuxFileTest,
    ::testing::Values(
        UnusableCase{"ZoomNotANumber", "Zvetsit.zve", "velké\r\n", "Zvetsit.zve neobsahuje"},
        UnusableCase{"ZoomEmpty", "Zvetsit.zve", "", "Zvetsit.zve neobsahuje"},
        UnusableCase{"ZoomWithByteOrderMark", "Zvetsit.zve", kBom + "150\r\n", ""},
        UnusableCase{"SupplementaryShort", "Motfakul.dat", std::string(100, '\x01'),
                     "má jen 100 bajtů"},
        UnusableCase{"SupplementaryOversized", "Motfakul.dat", std::string(30000, '\x01'),
                     "použije se jen prvních 25000"},
        // An empty file is there: it is not the same as a missing one.
        UnusableCase{"SupplementaryEmpty", "Motfakul.dat", "", "Motfakul.dat je prázdný"},
        UnusableCase{"SupplementaryExact", "Motfakul.dat", std::string(25000, '\x01'), ""},
        UnusableCase{"AreasOfLetters", "SIDC/Plochy.txt", std::string(310, 'x'),
                     "SIDC/Plochy.txt nemá očekávaný tvar"},
        UnusableCase{"FluxBinary", "SIDC/tok-10cm.txt", std::string(450, '\xFF'),
                     "SIDC/tok-10cm.txt nemá očekávaný tvar"},
        UnusableCase{"FluxShorterThanALine", "SIDC/tok-10cm.txt", "  70.5\n",
                     "SIDC/tok-10cm.txt nemá očekávaný tvar"},
        UnusableCase{"FluxWithNumbers", "SIDC/tok-10cm.txt", kFluxLine + kFluxLine, ""},
        UnusableCase{"YearOfGarbage", "SIDC/dssn1982.dat", std::string(365 * 24, 'z'),
                     "SIDC/dssn1982.dat nemá očekávaný tvar"},
        UnusableCase{"YearOfRandomBytesWithDigits", "SIDC/dssn1982.dat",
                     [] {
                       std::string year;
                       for (int d = 0; d < 365; ++d) year += std::string(22, '7') + "\r\n";
                       return year.replace(24 * 40 + 20, 2, "\x01\xee");
                     }(),
                     "v řádku 41 jsou na jejich místě jiné znaky"}),
    [](const auto& info) { return info.param.Name; });

TEST(UnusableAuxFiles, ZoomWithByteOrderMarkReadsItsNumber) {
  TempFolder folder;
  folder.Write(kZoomFileName, kBom + "150\r\n");
  EXPECT_FLOAT_EQ(ReadZoom(folder.Path()), 1.5f);
}

struct InstrumentCase {
  std::string Name;
  std::string Bytes;
};

class InstrumentEncodingTest : public ::testing::TestWithParam<InstrumentCase> {};

TEST_P(InstrumentEncodingTest, ReadsTheSameLines) {
  const Instrument lines = InstrumentFromText(GetParam().Bytes);
  EXPECT_EQ(lines[0], "Hvězdárna Úpice");
  EXPECT_EQ(lines[1], "Refraktor Zeiss");
  EXPECT_EQ(lines[2], "80");
}

const std::string kInstrumentUtf8 = "Hvězdárna Úpice\r\nRefraktor Zeiss\r\n80\r\n";

INSTANTIATE_TEST_SUITE_P(
    Encodings, InstrumentEncodingTest,
    ::testing::Values(InstrumentCase{"Windows1250", Utf8ToCp1250(kInstrumentUtf8)},
                      InstrumentCase{"Utf8", kInstrumentUtf8},
                      InstrumentCase{"Utf8WithByteOrderMark", kBom + kInstrumentUtf8},
                      InstrumentCase{"Utf8LineFeeds", "Hvězdárna Úpice\nRefraktor Zeiss\n80\n"}),
    [](const auto& info) { return info.param.Name; });

TEST(TextFileEncoding, TellsUtf8FromWindows1250) {
  EXPECT_EQ(TextFileToUtf8("plain"), "plain");
  EXPECT_EQ(TextFileToUtf8(kBom + "plain"), "plain");
  EXPECT_EQ(TextFileToUtf8("P\xF8\xED"
                           "stroj"),
            "Přístroj");  // Windows-1250
  EXPECT_EQ(TextFileToUtf8("P\xC5\x99\xC3\xAD"
                           "stroj"),
            "Přístroj");  // UTF-8
  // Cut or overlong sequences are not UTF-8: read byte by byte.
  EXPECT_EQ(TextFileToUtf8("a\xC5"), Cp1250ToUtf8("a\xC5"));
  EXPECT_EQ(TextFileToUtf8("\xC0\xAF"), Cp1250ToUtf8("\xC0\xAF"));
}

}  // namespace
}  // namespace ardeno
