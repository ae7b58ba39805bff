// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-paper-drawings: records of a data file drawn on paper and photographed, for testing the
// reading of photographed drawings.
//   ardeno-paper-drawings [OPTIONS] DATAFILE OUTDIR COUNT [SEED]
//     writes NNN.jpg and NNN.txt (truth);
//   ardeno-paper-drawings --measure [--each] [OPTIONS] DATAFILE COUNT [SEED]
//     reads them and prints the figures; with --each also one line per drawing on standard error.
// OPTIONS: --scanner or --phone (else one in four scanned), --no-axis, --solar-axis (the Sun's
// axis drawn instead of the north-south line, and read as such), --size PIXELS (the longer side,
// 4000 unless given), --alone (read without the groups of the observer's previous drawing in the
// data file, which the photo window and read-drawing --data take).
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/data/record_file.h"
#include "core/photo/expected_groups.h"
#include "core/solar/ephemeris.h"
#include "paper/paper_drawing.h"
#include "paper/paper_photo.h"
#include "paper/paper_score.h"
#include "paper/paper_truth.h"
#include "vision/drawing_reader.h"
#include "vision/image_input.h"

namespace {

using namespace ardeno;

// Pictures of 4000 x 3000 pixels, as a 12-megapixel phone camera takes them.
constexpr int kLongSide = 4000;

int Usage() {
  std::cerr << "ardeno-paper-drawings [OPTIONS] DATAFILE OUTDIR COUNT [SEED]\n"
               "ardeno-paper-drawings --measure [--each] [OPTIONS] DATAFILE COUNT [SEED]\n"
               "OPTIONS: --scanner|--phone, --no-axis, --solar-axis, --size PIXELS, --alone\n";
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const bool measure = !args.empty() && args[0] == "--measure";
  if (measure) args.erase(args.begin());
  const bool each = measure && !args.empty() && args[0] == "--each";
  if (each) args.erase(args.begin());
  std::optional<paper::Capture> capture;
  paper::PaperStyle style;
  int longSide = kLongSide;
  bool alone = false;
  while (!args.empty() && args[0].rfind("--", 0) == 0) {
    if (args[0] == "--scanner")
      capture = paper::Capture::Scanner;
    else if (args[0] == "--phone")
      capture = paper::Capture::Phone;
    else if (args[0] == "--no-axis")
      style.Axis = false;
    else if (args[0] == "--solar-axis")
      style.SolarAxis = true;
    else if (args[0] == "--alone")
      alone = true;
    else if (args[0] == "--size" && args.size() > 1) {
      longSide = std::atoi(args[1].c_str());
      if (longSide < 500 || longSide > 8000) return Usage();
      args.erase(args.begin());
    } else {
      return Usage();
    }
    args.erase(args.begin());
  }
  if (args.size() < (measure ? 2u : 3u) || args.size() > (measure ? 3u : 4u)) return Usage();
  std::vector<ObservationRecord> records;
  if (ReadRecordFile(args[0], 0, records).Error) {
    std::cerr << "cannot read " << args[0] << "\n";
    return 1;
  }
  const std::size_t countAt = measure ? 1 : 2;
  int count = 0;
  unsigned seed = 1;
  try {
    count = std::stoi(args[countAt]);
    if (args.size() > countAt + 1) seed = static_cast<unsigned>(std::stoul(args[countAt + 1]));
  } catch (const std::exception&) {
    return Usage();
  }
  const std::vector<paper::ChosenRecord> chosen = paper::ChooseRecords(records, count, seed);
  if (chosen.empty()) {
    std::cerr << "no drawn record with groups in " << args[0] << "\n";
    return 1;
  }
  std::vector<paper::DrawingScore> scores;
  double seconds = 0;
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    const paper::PaperCase made =
        paper::MakeCase(chosen[i], seed + static_cast<unsigned>(i), longSide, capture, style);
    if (!measure) {
      char name[16];
      std::snprintf(name, sizeof name, "%03zu", i + 1);
      const std::filesystem::path folder(args[1]);
      std::filesystem::create_directories(folder);
      std::ofstream(folder / (std::string(name) + ".jpg"), std::ios::binary)
          .write(reinterpret_cast<const char*>(made.Picture.Jpeg.data()),
                 static_cast<std::streamsize>(made.Picture.Jpeg.size()));
      std::ofstream(folder / (std::string(name) + ".txt")) << paper::TruthText(made);
      continue;
    }
    const auto start = std::chrono::steady_clock::now();
    const vision::LoadedImage image = vision::DecodeDrawingImage(made.Picture.Jpeg);
    // The observer's previous drawing in the data file, as the photo window takes it.
    const std::vector<ExpectedGroup> expected =
        alone ? std::vector<ExpectedGroup>{}
              : ExpectedGroupsBefore(records, made.Date, made.TimeUT, made.Eph);
    const vision::DrawingReading reading = vision::ReadDrawing(
        image, made.Eph, std::nullopt, {},
        style.SolarAxis ? vision::DrawnLine::SolarAxis : vision::DrawnLine::NorthSouth, expected);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    scores.push_back(paper::ScoreReading(made.Drawing, made.Picture.Truth, reading, made.Eph));
    if (each) std::cerr << i + 1 << ": " << paper::ScoreLine(scores.back()) << "\n";
  }
  if (measure)
    std::cout << paper::SummaryTable(scores, seconds / static_cast<double>(scores.size()));
  return 0;
}
