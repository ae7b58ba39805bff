// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated Sun behind a sample database: sunspot groups are born at a rate that follows an
// 11-year activity cycle, at latitudes that drift towards the equator through the cycle
// (Spörer's law), live for days to weeks at a fixed Carrington longitude and grow and decay.
#include <cstdint>
#include <vector>

#include "sample/sample_random.h"

namespace ardeno {

struct SampleGroup {
  double Latitude = 0;             // degrees, north positive
  double CarringtonLongitude = 0;  // degrees
  std::int64_t BirthSerial = 0;    // day serial of the first appearance
  int LifeDays = 1;
  double PeakSize = 0;  // 0..1, 1 the largest groups of a cycle
  int Number = 0;       // global group number
};

class SampleSun {
 public:
  explicit SampleSun(unsigned seed) : m_random(seed) {}

  // Lets the Sun evolve day by day up to daySerial; groups that have died are forgotten.
  void AdvanceTo(std::int64_t daySerial);
  const std::vector<SampleGroup>& Groups() const { return m_groups; }

  // Size 0..1 of the group on the day: it grows, peaks at a third of its life and decays.
  static double SizeOn(const SampleGroup& group, std::int64_t daySerial);
  // 0 at a cycle minimum, 1 at its maximum.
  static double Activity(std::int64_t daySerial);
  // Fraction 0..1 of the cycle elapsed since its minimum.
  static double CyclePhase(std::int64_t daySerial);

 private:
  void BearGroups(std::int64_t daySerial);
  double SporerLatitude(double phase);

  SampleRandom m_random;
  std::vector<SampleGroup> m_groups;
  std::int64_t m_lastDay = 0;
  bool m_started = false;
  int m_nextNumber = 1;
};

}  // namespace ardeno
