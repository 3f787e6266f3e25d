#include "training/deal.h"

#include <gtest/gtest.h>

#include <set>

using training::MakeDeal;

TEST(Deal, KnownSeeds) {
  struct Case {
    std::uint32_t seed;
    std::vector<int> draws;
    std::array<int, 4> digits;
    int right;
  };
  const Case cases[] = {
      {1, {41, 18467, 6334, 26500, 19169}, {1, 7, 4, 0}, 1},
      // Seed 0: the third draw repeats slot 0's digit and is rejected.
      {0, {38, 7719, 21238, 2437, 8855, 11797}, {8, 9, 7, 5}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seed);
    const auto deal = MakeDeal(c.seed);
    EXPECT_EQ(deal.draws, c.draws);
    EXPECT_EQ(deal.digits, c.digits);
    EXPECT_EQ(deal.rightIndex, c.right);
  }
}

TEST(Deal, SameSecondSameDeal) {
  const auto a = MakeDeal(1765400000u), b = MakeDeal(1765400000u);
  EXPECT_EQ(a.digits, b.digits);
  EXPECT_EQ(a.rightIndex, b.rightIndex);
}

TEST(Deal, ManySeedsGiveValidDeals) {
  std::set<int> rightSeen;
  for (std::uint32_t seed = 0; seed < 200000; seed += 7) {
    const auto deal = MakeDeal(seed * 2654435761u);
    std::set<int> digits(deal.digits.begin(), deal.digits.end());
    ASSERT_EQ(digits.size(), 4u) << seed;
    ASSERT_GE(*digits.begin(), 0);
    ASSERT_LE(*digits.rbegin(), 9);
    ASSERT_GE(deal.rightIndex, 0);
    ASSERT_LE(deal.rightIndex, 3);
    ASSERT_GE(deal.draws.size(), 5u);
    ASSERT_EQ(deal.draws.back() % 4, deal.rightIndex);
    rightSeen.insert(deal.rightIndex);
  }
  EXPECT_EQ(rightSeen.size(), 4u);
}
