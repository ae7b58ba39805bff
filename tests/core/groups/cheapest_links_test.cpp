// SPDX-License-Identifier: GPL-3.0-or-later
// Links chosen together: the least sum of costs over every one-to-one choice (checked against
// trying every choice on small random tables), a pair dearer than leaving both unlinked is not
// made, pairs not allowed never are.
#include "core/groups/cheapest_links.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace ardeno {
namespace {

using Links = std::vector<std::optional<std::size_t>>;

double SumOf(const Links& links, std::size_t to, const std::vector<AllowedLink>& allowed,
             double unlinked) {
  double sum = 0;
  std::size_t linked = 0;
  for (std::size_t f = 0; f < links.size(); ++f) {
    if (!links[f]) continue;
    ++linked;
    bool found = false;
    for (const AllowedLink& a : allowed)
      if (a.From == f && a.To == *links[f]) {
        sum += a.Cost;
        found = true;
      }
    EXPECT_TRUE(found) << "a pair not allowed was linked";
  }
  return sum + unlinked * static_cast<double>(links.size() + to - 2 * linked);
}

// The least sum found by trying every one-to-one choice.
double LeastSumByTrying(std::size_t from, std::size_t to, const std::vector<AllowedLink>& allowed,
                        double unlinked) {
  double best = 1e18;
  Links links(from);
  std::vector<bool> taken(to, false);
  std::function<void(std::size_t)> tryFrom = [&](std::size_t f) {
    if (f == from) {
      best = std::min(best, SumOf(links, to, allowed, unlinked));
      return;
    }
    links[f].reset();
    tryFrom(f + 1);
    for (const AllowedLink& a : allowed)
      if (a.From == f && !taken[a.To]) {
        taken[a.To] = true;
        links[f] = a.To;
        tryFrom(f + 1);
        taken[a.To] = false;
        links[f].reset();
      }
  };
  tryFrom(0);
  return best;
}

Links CheapestLinks(std::size_t from, std::size_t to, const std::vector<AllowedLink>& allowed,
                    double unlinked) {
  LinkChooser chooser;
  return chooser.Choose(from, to, allowed, unlinked);
}

TEST(CheapestLinks, NeighboursReadOffAreNotSwapped) {
  // Tracks at 0 and 6 degrees, groups read at 2 and -3: the nearest pair first (0 to 2) would
  // leave 6 to -3; together the links cost 3 + 4.
  const std::vector<AllowedLink> allowed{{0, 0, 2}, {0, 1, 3}, {1, 0, 4}, {1, 1, 9}};
  EXPECT_EQ(CheapestLinks(2, 2, allowed, 8), (Links{1, 0}));
}

TEST(CheapestLinks, APairDearerThanBothLeftAloneIsNotMade) {
  EXPECT_EQ(CheapestLinks(1, 1, {{0, 0, 15}}, 8), (Links{0}));
  EXPECT_EQ(CheapestLinks(1, 1, {{0, 0, 17}}, 8), (Links{std::nullopt}));
  // Nothing allowed, or nothing to link to.
  EXPECT_EQ(CheapestLinks(2, 3, {}, 8), (Links{std::nullopt, std::nullopt}));
  EXPECT_EQ(CheapestLinks(2, 0, {}, 8), (Links{std::nullopt, std::nullopt}));
  EXPECT_TRUE(CheapestLinks(0, 2, {}, 8).empty());
}

// One chooser for every table, as the tracks use it: nothing of one choice is left for the next.
TEST(CheapestLinks, LeastSumOnRandomTables) {
  std::mt19937 random(7);
  LinkChooser chooser;
  for (int round = 0; round < 300; ++round) {
    const std::size_t from = random() % 6, to = random() % 6;
    std::vector<AllowedLink> allowed;
    for (std::size_t f = 0; f < from; ++f)
      for (std::size_t t = 0; t < to; ++t)
        if (random() % 3 != 0) allowed.push_back({f, t, static_cast<double>(random() % 200) / 10});
    const double unlinked = 2.0 + static_cast<double>(random() % 80) / 10;
    const Links links = chooser.Choose(from, to, allowed, unlinked);
    ASSERT_EQ(links.size(), from);
    std::vector<int> uses(to, 0);
    for (const auto& l : links)
      if (l) ASSERT_EQ(++uses[*l], 1) << "a group linked twice in round " << round;
    EXPECT_NEAR(SumOf(links, to, allowed, unlinked), LeastSumByTrying(from, to, allowed, unlinked),
                1e-9)
        << "round " << round;
  }
}

}  // namespace
}  // namespace ardeno
