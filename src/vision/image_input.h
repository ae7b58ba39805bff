// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the picture of a drawing: a JPEG, PNG or BMP file read as grey levels, refused before
// decoding when it is empty, not a picture, or declares more pixels than a drawing can have.
#include <cstddef>
#include <filesystem>
#include <opencv2/core.hpp>
#include <vector>

namespace ardeno::vision {

enum class ImageProblem { None, Unreadable, Empty, TooLarge, NotAnImage };

// Larger pictures are refused unread: a 600 dpi scan of an A3 sheet is about 70 megapixels.
inline constexpr double kMaxImagePixels = 120e6;
inline constexpr std::uintmax_t kMaxImageBytes = 400ull << 20;

struct LoadedImage {
  cv::Mat Gray;  // 8-bit grey levels; empty unless Problem is None
  // Pixels of the file per pixel of Gray (a large JPEG is decoded reduced: the recognition does
  // not need more than about 2400 pixels across).
  double Scale = 1;
  int Width = 0, Height = 0;  // of the file's picture
  ImageProblem Problem = ImageProblem::None;
};

LoadedImage DecodeDrawingImage(const std::vector<unsigned char>& bytes);
LoadedImage LoadDrawingImage(const std::filesystem::path& file);

}  // namespace ardeno::vision
