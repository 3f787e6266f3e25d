#include "stats/stats_rules.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

using namespace stats;

TEST(StatsRules, SuccessRateByAnswers) {
  const int expected[] = {0, 14, 28, 42, 57, 71, 85, 100};
  for (int yes = 0; yes <= 7; ++yes) EXPECT_EQ(SuccessRate(yes, 8), expected[yes]) << yes;
  EXPECT_EQ(SuccessRate(3, 1), 0);  // no scored steps: no division by zero
}

TEST(StatsRules, AfterTrainingTable) {
  struct Case {
    Counters before;
    int yes;
    Counters after;
    std::string file;
  };
  const Case cases[] = {
      {{0, 0, 0}, 7, {1, 100, 100}, "1\n100\n100\n"},
      {{3, 50, 50}, 5, {4, 55, 71}, "4\n55\n71\n"},
      {{2, 43, 28}, 3, {3, 42, 42}, "3\n42\n42\n"},
      {{1, 250, 0}, 7, {2, 175, 100}, "2\n175\n100\n"},  // out-of-range stored rate taken as is
      {{0, 999, 5}, 0, {1, 0, 0}, "1\n0\n0\n"},          // first training ignores the old rate
      {{-1, 80, 80}, 4, {0, 0, 57}, "0\n0\n57\n"},       // divisor 0 gives 0
      // Hand-edited huge values: 64-bit sums, results clamped to 32 bits.
      {{2147483647, 2147483647, 0}, 7, {2147483647, 2147483646, 100}, "2147483647\n2147483646\n100\n"},
      {{2147483647, -2147483647 - 1, 0}, 0, {2147483647, -2147483647, 0},
       "2147483647\n-2147483647\n0\n"},
      {{-2147483647 - 1, 100, 0}, 7, {-2147483647, 100, 100}, "-2147483647\n100\n100\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(FormatCounters(c.before));
    const Counters after = AfterTraining(c.before, c.yes, 8);
    EXPECT_EQ(after.trainingCount, c.after.trainingCount);
    EXPECT_EQ(after.totalRate, c.after.totalRate);
    EXPECT_EQ(after.lastRate, c.after.lastRate);
    EXPECT_EQ(FormatCounters(after), c.file);
  }
}

TEST(StatsRules, CumulativeRateKeepsTruncating) {
  Counters c;
  const int answers[] = {4, 3, 4};  // 57, 42, 57
  const int expected[] = {57, 49, 51};
  for (int i = 0; i < 3; ++i) {
    c = AfterTraining(c, answers[i], 8);
    EXPECT_EQ(c.totalRate, expected[i]);
  }
}

TEST(StatsRules, ParseLineTable) {
  struct Case {
    std::string line;
    std::int32_t value;
  };
  const Case cases[] = {
      {"10", 10}, {"123", 123}, {" 42", 42}, {"\t\v\f\r 42", 42}, {"42abc", 42}, {"-3", -3},
      {"+7", 7}, {"abc", 0}, {"", 0}, {"-", 0}, {"+-3", 0}, {"- 3", 0}, {"0042", 42},
      {"2147483647", 2147483647}, {"2147483648", 2147483647}, {"-2147483648", -2147483647 - 1},
      {"-2147483649", -2147483647 - 1}, {std::string(5000, '9'), 2147483647},
      {"-" + std::string(5000, '9'), -2147483647 - 1}, {"12 34", 12},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseLine(c.line), c.value) << c.line.substr(0, 30);
}

TEST(StatsRules, EveryWrittenValueReadsBackAsItself) {
  const std::int32_t values[] = {0, 1, -1, 100, std::numeric_limits<std::int32_t>::max(),
                                 std::numeric_limits<std::int32_t>::min()};
  for (auto v : values) EXPECT_EQ(ParseLine(FormatValue(v)), v);
}

TEST(StatsRules, RandomLinesParseWithinRange) {
  std::mt19937 rng(12345);
  const std::string alphabet = "0123456789+- \t\r\nabc\x80\xff";
  for (int i = 0; i < 20000; ++i) {
    std::string line;
    const int len = static_cast<int>(rng() % 64) + (i % 100 == 0 ? 4000 : 0);
    for (int k = 0; k < len; ++k)
      line += (rng() % 3 == 0) ? static_cast<char>(rng() % 256) : alphabet[rng() % alphabet.size()];
    const std::int64_t v = ParseLine(line);
    ASSERT_GE(v, std::numeric_limits<std::int32_t>::min());
    ASSERT_LE(v, std::numeric_limits<std::int32_t>::max());
    // A value made only of a sign and digits round-trips.
    const std::string digits = std::to_string(static_cast<std::int32_t>(rng()));
    ASSERT_EQ(std::to_string(ParseLine(digits)), digits);
  }
}
