// SPDX-License-Identifier: GPL-3.0-or-later
#include "vision/image_input.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <opencv2/imgcodecs.hpp>
#include <optional>
#include <system_error>

namespace ardeno::vision {
namespace {

// The longest side the recognition works on; a JPEG larger than twice this is decoded reduced.
constexpr int kWorkingSide = 2400;

struct Header {
  int Width = 0, Height = 0;
  bool Jpeg = false;
};

std::uint32_t BigEndian(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) value = value << 8 | b[at + static_cast<std::size_t>(i)];
  return value;
}

std::int64_t LittleEndian32(const std::vector<unsigned char>& b, std::size_t at) {
  const std::uint32_t v =
      b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
  return static_cast<std::int32_t>(v);
}

// The picture size each format declares, read before any decoder sees the bytes.
std::optional<Header> ReadHeader(const std::vector<unsigned char>& b) {
  static const unsigned char kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (b.size() >= 24 && std::equal(kPng, kPng + 8, b.begin()))
    return Header{static_cast<int>(std::min<std::uint32_t>(BigEndian(b, 16, 4), 1u << 30)),
                  static_cast<int>(std::min<std::uint32_t>(BigEndian(b, 20, 4), 1u << 30)), false};
  if (b.size() >= 26 && b[0] == 'B' && b[1] == 'M') {
    const std::int64_t w = LittleEndian32(b, 18), h = LittleEndian32(b, 22);
    const auto clamp = [](std::int64_t v) {
      return static_cast<int>(std::min<std::int64_t>(std::llabs(v), 1 << 30));
    };
    return Header{clamp(w), clamp(h), false};
  }
  if (b.size() >= 4 && b[0] == 0xFF && b[1] == 0xD8) {
    std::size_t at = 2;
    while (at + 9 < b.size()) {
      if (b[at] != 0xFF) return std::nullopt;
      const unsigned char marker = b[at + 1];
      if (marker == 0xFF) {
        ++at;
        continue;
      }
      if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
        at += 2;
        continue;
      }
      const std::size_t length = BigEndian(b, at + 2, 2);
      const bool frame =
          marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
      if (frame)
        return Header{static_cast<int>(BigEndian(b, at + 7, 2)),
                      static_cast<int>(BigEndian(b, at + 5, 2)), true};
      if (length < 2) return std::nullopt;
      at += 2 + length;
    }
  }
  return std::nullopt;
}

}  // namespace

LoadedImage DecodeDrawingImage(const std::vector<unsigned char>& bytes) {
  LoadedImage image;
  if (bytes.empty()) {
    image.Problem = ImageProblem::Empty;
    return image;
  }
  const std::optional<Header> header = ReadHeader(bytes);
  if (!header || header->Width <= 0 || header->Height <= 0) {
    image.Problem = ImageProblem::NotAnImage;
    return image;
  }
  if (static_cast<double>(header->Width) * header->Height > kMaxImagePixels) {
    image.Problem = ImageProblem::TooLarge;
    return image;
  }
  image.Width = header->Width;
  image.Height = header->Height;
  int flags = cv::IMREAD_GRAYSCALE | cv::IMREAD_IGNORE_ORIENTATION;
  int reduction = 1;
  if (header->Jpeg) {
    const int longest = std::max(header->Width, header->Height);
    while (reduction < 8 && longest / (reduction * 2) >= kWorkingSide) reduction *= 2;
    if (reduction == 2) flags = cv::IMREAD_REDUCED_GRAYSCALE_2;
    if (reduction == 4) flags = cv::IMREAD_REDUCED_GRAYSCALE_4;
    if (reduction == 8) flags = cv::IMREAD_REDUCED_GRAYSCALE_8;
    if (reduction > 1) flags |= cv::IMREAD_IGNORE_ORIENTATION;
  }
  try {
    image.Gray = cv::imdecode(bytes, flags);
  } catch (const cv::Exception&) {
    image.Gray.release();
  }
  if (image.Gray.empty() || image.Gray.type() != CV_8UC1) {
    image.Gray.release();
    image.Problem = ImageProblem::NotAnImage;
    return image;
  }
  image.Scale = static_cast<double>(image.Width) / image.Gray.cols;
  return image;
}

LoadedImage LoadDrawingImage(const std::filesystem::path& file) {
  LoadedImage image;
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    image.Problem = ImageProblem::Unreadable;
    return image;
  }
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) {
    image.Problem = ImageProblem::Unreadable;
    return image;
  }
  if (size > kMaxImageBytes) {
    image.Problem = ImageProblem::TooLarge;
    return image;
  }
  std::ifstream in(file, std::ios::binary);
  std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
  if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
    image.Problem = ImageProblem::Unreadable;
    return image;
  }
  return DecodeDrawingImage(bytes);
}

}  // namespace ardeno::vision
