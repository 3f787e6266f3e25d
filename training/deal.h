// The digit deal: four different digits and the index of the right one,
// drawn from the classic 32-bit linear congruential generator so that a deal
// is the same on every platform and C run time.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace training {

class DealRandom {
 public:
  explicit DealRandom(std::uint32_t seed) : state_(seed) {}
  // state := state * 214013 + 2531011 (mod 2^32); returns bits 16..30.
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }

 private:
  std::uint32_t state_;
};

struct Deal {
  std::array<int, 4> digits{};  // by slot index
  int rightIndex = 0;           // 0..3
  std::vector<int> draws;       // every value drawn, in order
};

// Deals from a generator seeded with `seed` (the clock's whole seconds).
Deal MakeDeal(std::uint32_t seed);

}  // namespace training
