// Start-up: from process start to the main window visible with its four
// digits, median of N runs, against the floor program started the same way.
#include <cstdlib>

#include "bench_util.h"

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  const std::string mentavo = bench::Folder() + "..\\mentavo.exe", floor = bench::Folder() + "floor.exe";
  std::vector<double> ours, base, platform;
  // Interleaved, after one warm-up each, so all see the same machine state.
  for (int i = -1; i < runs; ++i) {
    bench::Running a, b, c;
    if (!bench::Start(mentavo, "", "Mentavo", a) || !bench::Start(floor, "", "Floor", b) ||
        !bench::Start(floor, "--comctl --font", "Floor", c)) {
      std::printf("a program did not start\n");
      return 1;
    }
    bench::Stop(a);
    bench::Stop(b);
    bench::Stop(c);
    if (i >= 0) {
      ours.push_back(a.seconds * 1000);
      base.push_back(b.seconds * 1000);
      platform.push_back(c.seconds * 1000);
    }
  }
  bench::Header("Start-up: process start to the window with four digits (median)");
  char what[64];
  std::snprintf(what, sizeof what, "start-up, median of %d runs", runs);
  bench::Row(what, bench::Median(ours), bench::Median(base), "ms", "within 1.15 x the floor");
  bench::Row("floor + common controls + Arial 80", bench::Median(platform), bench::Median(base), "ms",
             "(the platform's share)");
  bench::Row("mentavo against that", bench::Median(ours), bench::Median(platform), "ms", "-");
  return 0;
}
