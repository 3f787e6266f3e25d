// libFuzzer target: any bytes parse to a value that formats and parses back to itself.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "stats/stats_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const std::int32_t value = stats::ParseLine(line);
  if (stats::ParseLine(stats::FormatValue(value)) != value) std::abort();
  return 0;
}
