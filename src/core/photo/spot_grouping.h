// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spots of a drawing read by itself and their groups as the observer confirms them: the rule
// proposes the groups; the observer takes a spot away or adds one, moves a spot into another
// group, takes a spot out into a group of its own (a group split), or joins two groups. Every
// correction is one step that can be undone, back to the reading.
#include <cstddef>
#include <vector>

#include "core/photo/spot_groups.h"

namespace ardeno {

class SpotGrouping {
 public:
  SpotGrouping() = default;
  // The spots read, grouped by the rule at the moment of `eph` with the group numbers written
  // beside them and the groups of the previous drawing.
  SpotGrouping(const SolarEphemeris& eph, std::vector<DrawingSpot> spots,
               const std::vector<WrittenNumber>& numbers = {},
               const std::vector<ExpectedGroup>& expected = {});

  const std::vector<DrawingSpot>& Spots() const { return m_spots; }
  const std::vector<ProposedGroup>& Groups() const { return m_groups; }
  // The group of each spot, 1-based in the order of Groups().
  std::vector<int> GroupOfSpots() const { return GroupOfEachSpot(m_groups, m_spots.size()); }

  // A spot added where the reading missed one: into the group the rule joins it to (the nearest
  // such spot's), else a group of its own.
  void AddSpot(const DrawingSpot& spot);
  void RemoveSpot(std::size_t spot);
  // `spot` into the group of `toSpot`; false (nothing done) when they share a group already.
  bool MoveSpot(std::size_t spot, std::size_t toSpot);
  // `spot` out of its group into one of its own; false when it is alone in its group already.
  bool SeparateSpot(std::size_t spot);
  // The whole group of `spot` into the group of `toSpot`; false when it is one group already.
  bool JoinGroups(std::size_t spot, std::size_t toSpot);

  bool CanUndo() const { return !m_history.empty(); }
  // Takes the last correction back; false when there is none.
  bool Undo();

 private:
  struct State {
    std::vector<DrawingSpot> Spots;
    std::vector<int> Labels;
  };
  void Remember();
  void Describe();
  int NewLabel() const;

  SolarEphemeris m_eph{};
  std::vector<DrawingSpot> m_spots;
  std::vector<int> m_labels;  // spots of one group share a label
  std::vector<ProposedGroup> m_groups;
  std::vector<State> m_history;
};

}  // namespace ardeno
