// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Links between two lists (the open tracks and a drawing's groups) chosen together rather than
// one by one: of all one-to-one choices among the allowed pairs, the one whose links cost least
// in sum, each item left unlinked costing `unlinked`. Taking the cheapest pair first would give
// a group to the track it lies nearest even where that leaves its neighbour's track a far worse
// link, as with two groups side by side whose places were read a few degrees apart.
#include <cstddef>
#include <optional>
#include <vector>

namespace ardeno {

struct AllowedLink {
  std::size_t From, To;
  double Cost;
};

// Keeps its tables from one choice to the next: following 20,000 drawings then allocates
// nothing per drawing.
class LinkChooser {
 public:
  // For each of the `from` items the `to` item it is linked to, or nothing; valid until the next
  // call. Pairs not listed are never linked.
  const std::vector<std::optional<std::size_t>>& Choose(std::size_t from, std::size_t to,
                                                        const std::vector<AllowedLink>& allowed,
                                                        double unlinked);

 private:
  std::size_t Root(std::size_t item);
  void ChoosePart(std::size_t rows, std::size_t columns, const std::vector<AllowedLink>& allowed,
                  std::size_t from, double unlinked);
  void CheapestPerfectChoice(std::size_t n);

  std::vector<std::optional<std::size_t>> links_;
  std::vector<int> pairsOf_;
  std::vector<std::size_t> parent_, root_, items_, pairs_, place_, columnItem_, partPairs_;
  // The square table of one part and the Hungarian method's state.
  std::vector<double> cost_, rowPotential_, columnPotential_, least_;
  std::vector<std::size_t> rowOfColumn_, way_, columnOfRow_;
  std::vector<bool> used_;
};

}  // namespace ardeno
