// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random numbers for the sample generator, built only on the fully specified mt19937 engine so
// that a seed gives the same database with every compiler and standard library.
#include <cmath>
#include <cstdint>
#include <random>

namespace ardeno {

class SampleRandom {
 public:
  explicit SampleRandom(unsigned seed) : m_engine(seed) {}

  // Uniform in [0, 1).
  double Uniform() { return static_cast<double>(m_engine()) / 4294967296.0; }
  double Uniform(double low, double high) { return low + (high - low) * Uniform(); }
  // Uniform integer in [low, high].
  int Int(int low, int high) {
    return low + static_cast<int>(Uniform() * static_cast<double>(high - low + 1));
  }
  bool Chance(double probability) { return Uniform() < probability; }
  double Normal(double mean, double deviation) {
    const double u = 1.0 - Uniform();  // (0, 1], keeps the logarithm finite
    const double v = Uniform();
    return mean + deviation * std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * kPi * v);
  }
  int Poisson(double mean) {
    const double limit = std::exp(-mean);
    int count = 0;
    for (double product = Uniform(); product > limit; product *= Uniform()) ++count;
    return count;
  }

 private:
  static constexpr double kPi = 3.14159265358979323846;
  std::mt19937 m_engine;
};

}  // namespace ardeno
