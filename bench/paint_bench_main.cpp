// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>

#include "paint_bench_main.h"

namespace ardeno::bench {

std::vector<std::function<void()>>& AtApplicationEnd() {
  static std::vector<std::function<void()>> actions;
  return actions;
}

std::vector<std::function<void()>>& BeforeBenchmarks() {
  static std::vector<std::function<void()>> actions;
  return actions;
}

}  // namespace ardeno::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  for (const auto& action : ardeno::bench::BeforeBenchmarks()) action();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  for (const auto& action : ardeno::bench::AtApplicationEnd()) action();
  benchmark::Shutdown();
  return 0;
}
