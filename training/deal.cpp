#include "training/deal.h"

namespace training {

Deal MakeDeal(std::uint32_t seed) {
  DealRandom rng(seed);
  Deal deal;
  auto draw = [&] {
    const int value = rng.Next();
    deal.draws.push_back(value);
    return value;
  };
  for (int slot = 0; slot < 4; ++slot) {
    int digit;
    bool repeated;
    do {
      digit = draw() % 10;
      repeated = false;
      for (int earlier = 0; earlier < slot; ++earlier) repeated |= deal.digits[earlier] == digit;
    } while (repeated);
    deal.digits[slot] = digit;
  }
  deal.rightIndex = draw() % 4;
  return deal;
}

}  // namespace training
