#include "stats/stats_rules.h"

#include <cstdint>
#include <limits>

namespace stats {
namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

std::int32_t Clamp(std::int64_t v) {
  return static_cast<std::int32_t>(v < kMin ? kMin : (v > kMax ? kMax : v));
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::int32_t ParseLine(const std::string& line) {
  std::size_t i = 0;
  while (i < line.size() && IsSpace(line[i])) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
  std::int64_t magnitude = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (line[i] - '0');
    if (magnitude > kMax + 1) magnitude = kMax + 1;  // saturated; the sign decides the limit
  }
  return Clamp(negative ? -magnitude : magnitude);
}

std::int32_t SuccessRate(std::int32_t correct, std::int32_t stepsPerTraining) {
  const std::int64_t divisor = static_cast<std::int64_t>(stepsPerTraining) - 1;
  if (divisor == 0) return 0;
  return Clamp(static_cast<std::int64_t>(correct) * 100 / divisor);
}

Counters AfterTraining(const Counters& before, std::int32_t correct, std::int32_t stepsPerTraining) {
  const std::int32_t last = SuccessRate(correct, stepsPerTraining);
  const std::int64_t count = before.trainingCount;
  const std::int64_t sum = count * before.totalRate + last;
  const std::int64_t divisor = count + 1;
  Counters after;
  after.lastRate = last;
  after.totalRate = divisor == 0 ? 0 : Clamp(sum / divisor);
  after.trainingCount = Clamp(count + 1);
  return after;
}

std::string FormatValue(std::int32_t value) { return std::to_string(value); }

std::string FormatCounters(const Counters& c) {
  return FormatValue(c.trainingCount) + "\n" + FormatValue(c.totalRate) + "\n" +
         FormatValue(c.lastRate) + "\n";
}

}  // namespace stats
