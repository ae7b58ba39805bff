// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/photo/spot_grouping.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace ardeno {

SpotGrouping::SpotGrouping(const SolarEphemeris& eph, std::vector<DrawingSpot> spots,
                           const std::vector<WrittenNumber>& numbers,
                           const std::vector<ExpectedGroup>& expected)
    : m_eph(eph),
      m_spots(std::move(spots)),
      m_labels(GroupLabelsByRule(m_eph, m_spots, numbers, expected)) {
  Describe();
}

void SpotGrouping::AddSpot(const DrawingSpot& spot) {
  Remember();
  const SpotOnSun added = PlaceSpotOnSun(m_eph, spot);
  std::optional<std::size_t> nearest;
  double nearestMm = 0;
  for (std::size_t i = 0; i < m_spots.size(); ++i) {
    if (!SpotsJoin(added, PlaceSpotOnSun(m_eph, m_spots[i]))) continue;
    const double mm = std::hypot(m_spots[i].X - spot.X, m_spots[i].Y - spot.Y);
    if (!nearest || mm < nearestMm) {
      nearest = i;
      nearestMm = mm;
    }
  }
  const int label = nearest ? m_labels[*nearest] : NewLabel();
  m_spots.push_back(spot);
  m_labels.push_back(label);
  Describe();
}

void SpotGrouping::RemoveSpot(std::size_t spot) {
  if (spot >= m_spots.size()) return;
  Remember();
  m_spots.erase(m_spots.begin() + static_cast<std::ptrdiff_t>(spot));
  m_labels.erase(m_labels.begin() + static_cast<std::ptrdiff_t>(spot));
  Describe();
}

bool SpotGrouping::MoveSpot(std::size_t spot, std::size_t toSpot) {
  if (spot >= m_spots.size() || toSpot >= m_spots.size() || m_labels[spot] == m_labels[toSpot])
    return false;
  Remember();
  m_labels[spot] = m_labels[toSpot];
  Describe();
  return true;
}

bool SpotGrouping::SeparateSpot(std::size_t spot) {
  if (spot >= m_spots.size() || std::count(m_labels.begin(), m_labels.end(), m_labels[spot]) == 1)
    return false;
  Remember();
  m_labels[spot] = NewLabel();
  Describe();
  return true;
}

bool SpotGrouping::JoinGroups(std::size_t spot, std::size_t toSpot) {
  if (spot >= m_spots.size() || toSpot >= m_spots.size() || m_labels[spot] == m_labels[toSpot])
    return false;
  Remember();
  const int from = m_labels[spot];
  std::replace(m_labels.begin(), m_labels.end(), from, m_labels[toSpot]);
  Describe();
  return true;
}

bool SpotGrouping::Undo() {
  if (m_history.empty()) return false;
  m_spots = std::move(m_history.back().Spots);
  m_labels = std::move(m_history.back().Labels);
  m_history.pop_back();
  Describe();
  return true;
}

void SpotGrouping::Remember() { m_history.push_back({m_spots, m_labels}); }

void SpotGrouping::Describe() { m_groups = DescribeSpotGroups(m_eph, m_spots, m_labels); }

int SpotGrouping::NewLabel() const {
  return m_labels.empty() ? 0 : *std::max_element(m_labels.begin(), m_labels.end()) + 1;
}

}  // namespace ardeno
