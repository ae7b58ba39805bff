// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/cheapest_links.h"

#include <algorithm>
#include <numeric>

namespace ardeno {

namespace {

// A pair never linked: dearer than leaving every item of a part unlinked, yet finite, so that the
// method's sums stay numbers.
constexpr double kNever = 1e9;

}  // namespace

std::size_t LinkChooser::Root(std::size_t item) {
  while (parent_[item] != item) item = parent_[item] = parent_[parent_[item]];
  return item;
}

// The cheapest one-to-one choice over the n x n table cost_, row by row (the Hungarian method
// with potentials, O(n^3)); columnOfRow_ gets each row's column.
void LinkChooser::CheapestPerfectChoice(std::size_t n) {
  // 1-based as the method is written; column 0 holds the row being placed.
  rowPotential_.assign(n + 1, 0);
  columnPotential_.assign(n + 1, 0);
  rowOfColumn_.assign(n + 1, 0);
  way_.assign(n + 1, 0);
  for (std::size_t row = 1; row <= n; ++row) {
    rowOfColumn_[0] = row;
    std::size_t column = 0;
    least_.assign(n + 1, kNever);
    used_.assign(n + 1, false);
    do {
      used_[column] = true;
      const std::size_t r = rowOfColumn_[column];
      double delta = kNever;
      std::size_t next = 0;
      for (std::size_t c = 1; c <= n; ++c) {
        if (used_[c]) continue;
        const double reduced = cost_[(r - 1) * n + c - 1] - rowPotential_[r] - columnPotential_[c];
        if (reduced < least_[c]) {
          least_[c] = reduced;
          way_[c] = column;
        }
        if (least_[c] < delta) {
          delta = least_[c];
          next = c;
        }
      }
      for (std::size_t c = 0; c <= n; ++c) {
        if (used_[c]) {
          rowPotential_[rowOfColumn_[c]] += delta;
          columnPotential_[c] -= delta;
        } else {
          least_[c] -= delta;
        }
      }
      column = next;
    } while (rowOfColumn_[column] != 0);
    do {
      const std::size_t previous = way_[column];
      rowOfColumn_[column] = rowOfColumn_[previous];
      column = previous;
    } while (column != 0);
  }
  columnOfRow_.assign(n, 0);
  for (std::size_t c = 1; c <= n; ++c) columnOfRow_[rowOfColumn_[c] - 1] = c - 1;
}

// One part: its `from` items are rows 0..rows-1, its `to` items columns 0..columns-1 (place_),
// its pairs partPairs_. The table adds one "unlinked" column per row and one "unlinked" row per
// column, so that leaving an item alone is a choice like any link.
void LinkChooser::ChoosePart(std::size_t rows, std::size_t columns,
                             const std::vector<AllowedLink>& allowed, std::size_t from,
                             double unlinked) {
  if (rows == 1 && columns == 1) {
    const AllowedLink& link = allowed[partPairs_.front()];
    if (link.Cost < 2 * unlinked) links_[link.From] = link.To;
    return;
  }
  const std::size_t n = rows + columns;
  cost_.assign(n * n, kNever);
  for (std::size_t r = 0; r < rows; ++r) cost_[r * n + columns + r] = unlinked;
  for (std::size_t c = 0; c < columns; ++c) cost_[(rows + c) * n + c] = unlinked;
  for (std::size_t r = rows; r < n; ++r)
    for (std::size_t c = columns; c < n; ++c) cost_[r * n + c] = 0;
  for (const std::size_t p : partPairs_)
    cost_[place_[allowed[p].From] * n + place_[from + allowed[p].To]] = allowed[p].Cost;
  CheapestPerfectChoice(n);
  for (const std::size_t p : partPairs_) {
    const std::size_t column = columnOfRow_[place_[allowed[p].From]];
    if (column < columns) links_[allowed[p].From] = columnItem_[column];
  }
}

const std::vector<std::optional<std::size_t>>& LinkChooser::Choose(
    std::size_t from, std::size_t to, const std::vector<AllowedLink>& allowed, double unlinked) {
  links_.assign(from, std::nullopt);
  // Items 0..from-1 are the `from` list, from..from+to-1 the `to` list. Where no item has two
  // allowed pairs, as on most drawings, there is nothing to choose.
  pairsOf_.assign(from + to, 0);
  bool choice = false;
  for (const AllowedLink& link : allowed)
    choice |= ++pairsOf_[link.From] > 1 || ++pairsOf_[from + link.To] > 1;
  if (!choice) {
    for (const AllowedLink& link : allowed)
      if (link.Cost < 2 * unlinked) links_[link.From] = link.To;
    return links_;
  }
  // The items joined by allowed pairs form parts, each solved alone: most tracks have one
  // candidate or none, so the tables stay small.
  parent_.resize(from + to);
  std::iota(parent_.begin(), parent_.end(), 0);
  for (const AllowedLink& link : allowed) parent_[Root(link.From)] = Root(from + link.To);
  root_.resize(from + to);
  for (std::size_t i = 0; i < from + to; ++i) root_[i] = Root(i);
  // The items and the allowed pairs in runs of one part each.
  items_.resize(from + to);
  std::iota(items_.begin(), items_.end(), 0);
  std::stable_sort(items_.begin(), items_.end(),
                   [&](std::size_t a, std::size_t b) { return root_[a] < root_[b]; });
  pairs_.resize(allowed.size());
  std::iota(pairs_.begin(), pairs_.end(), 0);
  std::stable_sort(pairs_.begin(), pairs_.end(), [&](std::size_t a, std::size_t b) {
    return root_[allowed[a].From] < root_[allowed[b].From];
  });
  place_.resize(from + to);
  auto pair = pairs_.begin();
  for (auto first = items_.begin(); first != items_.end();) {
    const std::size_t part = root_[*first];
    std::size_t rows = 0;
    columnItem_.clear();
    for (; first != items_.end() && root_[*first] == part; ++first) {
      if (*first < from) {
        place_[*first] = rows++;
      } else {
        place_[*first] = columnItem_.size();
        columnItem_.push_back(*first - from);
      }
    }
    partPairs_.clear();
    for (; pair != pairs_.end() && root_[allowed[*pair].From] == part; ++pair)
      partPairs_.push_back(*pair);
    if (!partPairs_.empty()) ChoosePart(rows, columnItem_.size(), allowed, from, unlinked);
  }
  return links_;
}

}  // namespace ardeno
