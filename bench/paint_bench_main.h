// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The painting benchmarks share one main() (paint_bench_main.cpp): Qt on the offscreen platform
// unless another is chosen, and fixtures with windows freed while the application still exists.
#include <functional>
#include <memory>
#include <vector>

namespace ardeno::bench {

// Run by main() after the benchmarks, before the application ends.
std::vector<std::function<void()>>& AtApplicationEnd();
// Run by main() once the application exists, before the benchmarks are chosen (benchmarks
// registered from lists that other files fill while the program starts).
std::vector<std::function<void()>>& BeforeBenchmarks();

// One fixture for every benchmark of the program, built by the first that asks.
template <class Fixture>
Fixture& SharedFixture() {
  static std::unique_ptr<Fixture> fixture;
  if (!fixture) {
    fixture = std::make_unique<Fixture>();
    AtApplicationEnd().push_back([] { fixture.reset(); });
  }
  return *fixture;
}

}  // namespace ardeno::bench
