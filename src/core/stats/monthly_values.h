// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A run of consecutive calendar months, each with its mean value or none (a month without any
// observation), and their 13-month smoothed course as the graphs draw it.
#include <optional>
#include <vector>

namespace ardeno {

using MonthlyValues = std::vector<std::optional<double>>;

// The 13-month running mean of entry i: nothing for the first and the last six entries (a series
// shorter than 13 months has no smoothed value at all), nor where more than one month of the
// window has no value; one missing month leaves the others with their weights.
std::optional<double> SmoothedMean(const MonthlyValues& values, int i);

}  // namespace ardeno
