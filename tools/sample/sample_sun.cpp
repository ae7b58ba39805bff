// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample/sample_sun.h"

#include <algorithm>
#include <cmath>

#include "core/text/dates.h"

namespace ardeno {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kCycleYears = 11.0;
// A cycle minimum (December 2008) anchors the phase of every simulated cycle.
constexpr double kMinimumEpochYear = 2008.95;
constexpr double kRisingShare = 0.4;  // cycles rise faster than they decay
constexpr double kQuietBirthsPerDay = 0.05;
constexpr double kActiveBirthsPerDay = 1.2;

double YearOf(std::int64_t daySerial) {
  const CalendarDate date = DateFromSerial(daySerial);
  const std::int64_t newYear = DaySerial(CalendarDate{date.Year, 1, 1});
  return date.Year + static_cast<double>(daySerial - newYear) / 365.25;
}

}  // namespace

double SampleSun::CyclePhase(std::int64_t daySerial) {
  const double cycles = (YearOf(daySerial) - kMinimumEpochYear) / kCycleYears;
  return cycles - std::floor(cycles);
}

double SampleSun::Activity(std::int64_t daySerial) {
  const double phase = CyclePhase(daySerial);
  const double shape = phase < kRisingShare
                           ? std::sin(kPi / 2 * phase / kRisingShare)
                           : std::cos(kPi / 2 * (phase - kRisingShare) / (1 - kRisingShare));
  return shape * shape;
}

double SampleSun::SizeOn(const SampleGroup& group, std::int64_t daySerial) {
  const double age = static_cast<double>(daySerial - group.BirthSerial);
  if (age < 0 || age > group.LifeDays) return 0;
  const double peakAge = group.LifeDays / 3.0;
  const double shape = age < peakAge ? (age + 1) / (peakAge + 1)
                                     : 1 - (age - peakAge) / (group.LifeDays - peakAge + 1);
  return group.PeakSize * std::max(0.0, shape);
}

double SampleSun::SporerLatitude(double phase) {
  // New cycles start near 30 degrees and end near 7; near the minimum the next cycle's first
  // groups already appear at high latitude beside the old cycle's low ones.
  double mean = 30 - 23 * phase;
  if (phase > 0.85 && m_random.Chance((phase - 0.85) / 0.15 * 0.5)) mean = 30;
  const double latitude = std::clamp(m_random.Normal(mean, 4), 2.0, 45.0);
  return m_random.Chance(0.5) ? latitude : -latitude;
}

void SampleSun::BearGroups(std::int64_t daySerial) {
  const int births =
      m_random.Poisson(kQuietBirthsPerDay + kActiveBirthsPerDay * Activity(daySerial));
  if (births == 0) return;
  const double phase = CyclePhase(daySerial);
  for (int i = 0; i < births; ++i) {
    SampleGroup group;
    group.Latitude = SporerLatitude(phase);
    group.CarringtonLongitude = m_random.Uniform(0, 360);
    group.BirthSerial = daySerial;
    // Most groups live a few days, a few large ones for several rotations.
    group.LifeDays = std::min(90, 1 + static_cast<int>(-8 * std::log(1 - m_random.Uniform())));
    group.PeakSize = std::min(1.0, group.LifeDays / 45.0 + m_random.Uniform(0, 0.25));
    group.Number = m_nextNumber++;
    m_groups.push_back(group);
  }
}

void SampleSun::AdvanceTo(std::int64_t daySerial) {
  // Start a few months early so that the first drawing already shows a settled Sun.
  if (!m_started) {
    m_lastDay = daySerial - 120;
    m_started = true;
  }
  for (std::int64_t day = m_lastDay + 1; day <= daySerial; ++day) BearGroups(day);
  m_lastDay = std::max(m_lastDay, daySerial);
  std::erase_if(m_groups, [daySerial](const SampleGroup& group) {
    return group.BirthSerial + group.LifeDays < daySerial;
  });
}

}  // namespace ardeno
