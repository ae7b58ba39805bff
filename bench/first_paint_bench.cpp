// SPDX-License-Identifier: GPL-3.0-or-later
// The first paint of every view on a generated sample folder of 20,000 drawings (about 55 years
// of daily drawings, with the outside observations a sample folder holds): the window is created
// on the loaded data and painted once at 1600 x 1000 and at 1920 x 1080, as a user opening it on
// a common screen sees it. The views are ardeno-render's, each with its default options, and the
// map views also with the corona and the magnetosphere underlays. The statistics derived from the
// data are computed once per change of the data, so they are ready before the window opens (the
// facular vertices and the maps' data are prepared at the first window that needs them after a
// change: BM_FaculaVertices and BM_MapSightings give that cost).
// Each benchmark is named BM_FirstPaint<View>/<width>/<height>.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <QImage>
#include <QPainter>
#include <cctype>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>

#include "paint_bench_main.h"
#include "sample/sample_database.h"
#include "views/render_view.h"

namespace {

namespace fs = std::filesystem;
using ardeno::render::OptionValues;
using ardeno::render::View;

constexpr int kRecords = 20000;
constexpr unsigned kSeed = 11;

fs::path WrittenSampleFolder() {
  const fs::path folder =
      fs::temp_directory_path() / ("ardeno-first-paint-" + std::to_string(::getpid()));
  ardeno::WriteSampleFolder(folder, kRecords, kSeed);
  return folder;
}

// The sample folder loaded as the program loads it at start-up.
struct Session {
  Session() : folder(WrittenSampleFolder()), session(folder) {
    if (const auto error = session.Load()) throw std::runtime_error(*error);
    session.Ctx.Groups.Maps(session.Db);
    session.Ctx.Months.Get(session.Db);
  }
  ~Session() {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }
  fs::path folder;
  ardeno::render::RenderSession session;
};

// "long-map" -> "LongMap"
std::string CamelCase(const std::string& name) {
  std::string out;
  bool upper = true;
  for (const char c : name) {
    if (c == '-') {
      upper = true;
      continue;
    }
    out += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
    upper = false;
  }
  return out;
}

void FirstPaint(benchmark::State& state, const View& view, OptionValues options) {
  auto& run = ardeno::bench::SharedFixture<Session>().session;
  const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  // The screen the window is painted on exists before the window opens.
  QImage image(size, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    if (const auto error = view.Paint(run, options, painter, size)) {
      state.SkipWithError(error->c_str());
      break;
    }
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}

void Register(const View& view, const std::string& name,
              const std::map<std::string, std::string>& chosen = {}) {
  OptionValues options;
  for (const auto& option : view.Options) options.Set(option.Name, option.Default);
  for (const auto& [option, value] : chosen) options.Set(option, value);
  benchmark::RegisterBenchmark(("BM_FirstPaint" + name).c_str(), FirstPaint, view, options)
      ->Args({1600, 1000})
      ->Args({1920, 1080})
      ->Unit(benchmark::kMillisecond);
}

// The views register themselves while the program starts, so they are listed from main().
const bool kRegistered = [] {
  ardeno::bench::BeforeBenchmarks().push_back([] {
    for (const auto& [name, view] : ardeno::render::Views()) {
      Register(view, CamelCase(name));
      if (name == "map") {
        Register(view, "MapWithCorona", {{"corona", "yes"}});
        Register(view, "MapWithMagnetosphere", {{"magnetosphere", "yes"}});
      }
    }
  });
  return true;
}();

}  // namespace
