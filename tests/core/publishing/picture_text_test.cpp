// SPDX-License-Identifier: GPL-3.0-or-later
// The facts inside PNG and JPEG files: the exact chunk the program writes, round trips, files
// of other programs, and hostile files (cut short, absurd lengths, damaged chunks).
#include "core/publishing/picture_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ardeno {
namespace {

using namespace std::string_literals;

// Hand-written chunks: length, type, data, CRC (CRCs from Python's zlib.crc32).
const std::string kSignature = "\x89PNG\r\n\x1a\n"s;
const std::string kHeader = "\0\0\0\x0dIHDR\0\0\0\x01\0\0\0\x01\x08\x02\0\0\0\x90\x77\x53\xde"s;
const std::string kEnd = "\0\0\0\0IEND\xae\x42\x60\x82"s;
const std::string kTinyPng = kSignature + kHeader + kEnd;

std::variant<PictureDescription, std::string> Describe(const std::string& bytes) {
  std::istringstream in(bytes);
  return DescribePicture(in);
}

PictureDescription DescribedOk(const std::string& bytes) {
  auto read = Describe(bytes);
  EXPECT_TRUE(std::holds_alternative<PictureDescription>(read));
  if (!std::holds_alternative<PictureDescription>(read)) return {};
  return std::get<PictureDescription>(read);
}

TEST(PngFacts, OneFactIsOneUncompressedItxtChunkAfterTheHeader) {
  const auto png = PngWithFacts(kTinyPng, {{"L0", "242.41"}});
  ASSERT_TRUE(png);
  const std::string chunk = "\0\0\0\x0diTXtL0\0\0\0\0\0"s + "242.41" + "\xd9\x0f\xbc\xdf"s;
  EXPECT_EQ(*png, kSignature + kHeader + chunk + kEnd);
}

TEST(PngFacts, RoundTripKeepsOrderAndCzechText) {
  const PictureFacts facts = {{"View", "zákres"},
                              {"Observer", "Růžička Tomáš"},
                              {"Station", "Ondřejov"},
                              {"Period", "01.03.2014 - 31.03.2014"}};
  const auto png = PngWithFacts(kTinyPng, facts);
  ASSERT_TRUE(png);
  const PictureDescription described = DescribedOk(*png);
  EXPECT_EQ(described.Format, PictureFormat::Png);
  EXPECT_EQ(described.Facts, facts);
  EXPECT_TRUE(described.Problems.empty());
}

TEST(PngFacts, OnlyAPngWithItsHeaderTakesFacts) {
  EXPECT_FALSE(PngWithFacts("", {{"A", "b"}}));
  EXPECT_FALSE(PngWithFacts(kSignature + kEnd, {{"A", "b"}}));
  EXPECT_FALSE(PngWithFacts("\xff\xd8\xff\xe0"s + kHeader, {{"A", "b"}}));
}

TEST(PngFacts, OtherProgramsLatin1TextIsRead) {
  const std::string text = "\0\0\0\x0btEXtAuthor\0Jos\xe9\x12\x39\x0e\x6c"s;
  const PictureDescription described = DescribedOk(kSignature + kHeader + text + kEnd);
  ASSERT_EQ(described.Facts.size(), 1u);
  EXPECT_EQ(described.Facts[0], (PictureFact{"Author", "José"}));
  EXPECT_TRUE(described.Problems.empty());
}

struct HostileCase {
  const char* Name;
  std::string Bytes;
  std::size_t FactsRead;
  const char* Problem;  // part of the first problem; "" for none
};

std::string CaseName(const ::testing::TestParamInfo<HostileCase>& info) { return info.param.Name; }

class HostilePictureTest : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostilePictureTest, GivesWhatCouldBeReadAndSaysWhatCouldNot) {
  const HostileCase& c = GetParam();
  const PictureDescription described = DescribedOk(c.Bytes);
  EXPECT_EQ(described.Facts.size(), c.FactsRead);
  if (*c.Problem == '\0') {
    EXPECT_TRUE(described.Problems.empty());
  } else {
    ASSERT_FALSE(described.Problems.empty());
    EXPECT_NE(described.Problems[0].find(c.Problem), std::string::npos) << described.Problems[0];
  }
}

const std::string kOneFactPng = *PngWithFacts(kTinyPng, {{"L0", "242.41"}});
// "ahoj" compressed by zlib, as iTXt with the compression flag and as zTXt.
const std::string kCompressedItxt =
    "\x00\x00\x00\x18iTXtComment\x00\x01\x00\x00\x00\x78\x9c\x4b\xcc\xc8\xcf\x02\x00\x04\x08"
    "\x01\xa3\xfa\x64\xae\x5f"s;
const std::string kZtxt =
    "\x00\x00\x00\x15zTXtComment\x00\x00\x78\x9c\x4b\xcc\xc8\xcf\x02\x00\x04\x08\x01\xa3"
    "\xc3\x03\x54\x94"s;
const std::string kJfif = "\xff\xe0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0"s;
const std::string kScan = "\xff\xda\0\x08\x01\x01\0\0\x3f\0\x12\x34\xff\xd9"s;
const std::string kJpeg = "\xff\xd8"s + kJfif + kScan;

INSTANTIATE_TEST_SUITE_P(
    Files, HostilePictureTest,
    ::testing::Values(
        HostileCase{"PngCutAfterTheFact", kOneFactPng.substr(0, kOneFactPng.size() - 12), 1,
                    "zkrácený"},
        HostileCase{"PngCutInsideTheFact", kOneFactPng.substr(0, 45), 0, "iTXt je zkrácený"},
        HostileCase{"PngChunkLongerThanPossible",
                    kSignature + kHeader + "\xff\xff\xff\xf0iTXt"s + "abc", 0, "nemožnou délkou"},
        HostileCase{"PngHugeDataChunkPastTheEnd",
                    kSignature + kHeader + "\x7f\xff\xff\xffIDAT"s + "abc", 0, "IDAT je zkrácený"},
        HostileCase{"PngHugeTextChunkIsSkipped",
                    kSignature + kHeader + "\x7f\x00\x00\x00tEXt"s + "abc", 0, "příliš velký"},
        HostileCase{"PngDamagedFact",
                    kSignature + kHeader + "\0\0\0\x0btEXtAuthor\0Jos\xe9\0\0\0\0"s + kEnd, 0,
                    "poškozený"},
        HostileCase{"PngCompressedItxt", kSignature + kHeader + kCompressedItxt + kEnd, 0,
                    "komprimovaný"},
        HostileCase{"PngZtxt", kSignature + kHeader + kZtxt + kOneFactPng.substr(33), 1,
                    "zTXt se nečte"},
        HostileCase{"PngWithoutEnd", kSignature + kHeader, 0, "IEND"},
        HostileCase{"JpegWithoutComment", kJpeg, 0, ""},
        HostileCase{"JpegCutInsideASegment", "\xff\xd8"s + kJfif.substr(0, 9), 0, "zkrácený"},
        HostileCase{"JpegSegmentLengthBelowTwo", "\xff\xd8\xff\xfe\0\x01"s + kScan, 0,
                    "nemožnou délkou"},
        HostileCase{"JpegCommentPastTheEnd", "\xff\xd8\xff\xfe\xff\xffKey: v"s, 0,
                    "komentář je zkrácený"},
        HostileCase{"JpegGarbageBetweenSegments", "\xff\xd8"s + "garbage", 0, "něco jiného"}),
    CaseName);

TEST(JpegFacts, TheCommentFollowsTheJfifSegmentAndReadsBack) {
  const PictureFacts facts = {{"View", "zákres"}, {"L0", "242.41"}};
  const auto jpeg = JpegWithFacts(kJpeg, facts);
  ASSERT_TRUE(jpeg);
  const std::string comment = "View: zákres\nL0: 242.41\n";
  const std::string segment = "\xff\xfe\0"s + static_cast<char>(comment.size() + 2) + comment;
  EXPECT_EQ(*jpeg, "\xff\xd8"s + kJfif + segment + kScan);
  const PictureDescription described = DescribedOk(*jpeg);
  EXPECT_EQ(described.Format, PictureFormat::Jpeg);
  EXPECT_EQ(described.Facts, facts);
  EXPECT_TRUE(described.Problems.empty());
}

TEST(JpegFacts, AnotherProgramsCommentIsOneComment) {
  const std::string comment = "Created with GIMP";
  const std::string jpeg =
      "\xff\xd8\xff\xfe\0"s + static_cast<char>(comment.size() + 2) + comment + kScan;
  const PictureDescription described = DescribedOk(jpeg);
  ASSERT_EQ(described.Facts.size(), 1u);
  EXPECT_EQ(described.Facts[0], (PictureFact{"Comment", "Created with GIMP"}));
}

TEST(DescribePicture, NeitherPngNorJpegIsRefused) {
  for (const std::string& bytes : {""s, "BM\0\0"s, "%PDF-1.4"s, "\x89PN"s}) {
    const auto read = Describe(bytes);
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_NE(std::get<std::string>(read).find("není obrázek"), std::string::npos);
  }
}

}  // namespace
}  // namespace ardeno
