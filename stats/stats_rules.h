// The statistics counters' arithmetic and their line format.
#pragma once
#include <cstdint>
#include <string>

namespace stats {

struct Counters {
  std::int32_t trainingCount = 0;  // line 1
  std::int32_t totalRate = 0;      // line 2: running mean, kept as a whole number
  std::int32_t lastRate = 0;       // line 3
  bool operator==(const Counters& o) const {
    return trainingCount == o.trainingCount && totalRate == o.totalRate && lastRate == o.lastRate;
  }
};

// Parses one line as atoi does: leading white space, one optional sign, then
// digits up to the first non-digit; no digits gives 0. A value beyond the
// 32-bit range gives the nearest 32-bit limit.
std::int32_t ParseLine(const std::string& line);

// The success rate of a training: correct * 100 / (steps - 1), truncated;
// 0 when there are no scored steps.
std::int32_t SuccessRate(std::int32_t correct, std::int32_t stepsPerTraining);

// The counters after one more training with `correct` "Yes" answers. The sums
// run in 64 bits and each result is clamped to the 32-bit range; a divisor of
// 0 gives a cumulative rate of 0.
Counters AfterTraining(const Counters& before, std::int32_t correct, std::int32_t stepsPerTraining);

// One value as the file holds it, without the line end.
std::string FormatValue(std::int32_t value);

// The file's content as the program writes it, with "\n" line ends (text mode
// makes them CR LF on disk).
std::string FormatCounters(const Counters& counters);

}  // namespace stats
