// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures refused before they are decoded, and ones read.
#include "vision/image_input.h"

#include <gtest/gtest.h>

#include <opencv2/imgcodecs.hpp>
#include <string>
#include <vector>

namespace ardeno::vision {
namespace {

std::vector<unsigned char> Encoded(const std::string& extension, int width, int height) {
  std::vector<unsigned char> bytes;
  cv::imencode(extension, cv::Mat(height, width, CV_8U, cv::Scalar(200)), bytes);
  return bytes;
}

// A PNG whose header declares 50 000 x 50 000 pixels and which holds nothing more.
std::vector<unsigned char> HugePngHeader() {
  std::vector<unsigned char> bytes = Encoded(".png", 4, 4);
  for (int at : {16, 20}) {
    bytes[at] = 0, bytes[at + 1] = 0, bytes[at + 2] = 0xC3, bytes[at + 3] = 0x50;
  }
  bytes.resize(33);
  return bytes;
}

struct InputCase {
  std::string Name;
  std::vector<unsigned char> Bytes;
  ImageProblem Problem;
};

class DecodeImageTest : public ::testing::TestWithParam<InputCase> {};

TEST_P(DecodeImageTest, RefusesWhatIsNoDrawingPicture) {
  const LoadedImage image = DecodeDrawingImage(GetParam().Bytes);
  EXPECT_EQ(image.Problem, GetParam().Problem);
  EXPECT_EQ(image.Gray.empty(), GetParam().Problem != ImageProblem::None);
}

std::vector<unsigned char> Truncated(std::vector<unsigned char> bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DecodeImageTest,
    ::testing::Values(
        InputCase{"Empty", {}, ImageProblem::Empty},
        InputCase{"Text", {'d', 'a', 't', 'u', 'm', ';', '1'}, ImageProblem::NotAnImage},
        InputCase{"HugeHeader", HugePngHeader(), ImageProblem::TooLarge},
        InputCase{"JpegWithoutFrame", {0xFF, 0xD8, 0xFF, 0xD9}, ImageProblem::NotAnImage},
        InputCase{"PngCutInItsHeader", Truncated(Encoded(".png", 64, 48), 20),
                  ImageProblem::NotAnImage},
        InputCase{"PngCutInItsData", Truncated(Encoded(".png", 64, 48), 40),
                  ImageProblem::NotAnImage},
        InputCase{"Jpeg", Encoded(".jpg", 64, 48), ImageProblem::None},
        InputCase{"Png", Encoded(".png", 64, 48), ImageProblem::None},
        InputCase{"Bmp", Encoded(".bmp", 64, 48), ImageProblem::None}),
    [](const auto& info) { return info.param.Name; });

TEST(DecodeImageTest, ReadsALargeJpegReducedAndSaysByHowMuch) {
  const LoadedImage image = DecodeDrawingImage(Encoded(".jpg", 6000, 4000));
  ASSERT_EQ(image.Problem, ImageProblem::None);
  EXPECT_EQ(image.Width, 6000);
  EXPECT_EQ(image.Height, 4000);
  EXPECT_EQ(image.Gray.cols, 3000);
  EXPECT_DOUBLE_EQ(image.Scale, 2.0);
}

TEST(LoadImageTest, AFolderOrAMissingFileIsUnreadable) {
  EXPECT_EQ(LoadDrawingImage(ARDENO_TEST_DATA).Problem, ImageProblem::Unreadable);
  EXPECT_EQ(LoadDrawingImage(std::string(ARDENO_TEST_DATA) + "/no-such-picture.jpg").Problem,
            ImageProblem::Unreadable);
}

}  // namespace
}  // namespace ardeno::vision
