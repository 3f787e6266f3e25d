// Idle cost: CPU time the running program uses in its Ready state, the cue
// flickering, per second of wall time; against the floor program with four
// 3000 ms timers.
#include <cstdlib>

#include "bench_util.h"

namespace {
double CpuSeconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  ::GetProcessTimes(process, &created, &exited, &kernel, &user);
  auto seconds = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

// Percent of one core over `seconds` of wall time, after the window is up.
double IdlePercent(const std::string& exe, const std::string& args, const char* caption, int seconds) {
  bench::Running run;
  if (!bench::Start(exe, args, caption, run)) return -1;
  ::Sleep(2000);  // let start-up work settle
  const double cpu0 = CpuSeconds(run.pi.hProcess), wall0 = bench::Now();
  ::Sleep(static_cast<DWORD>(seconds) * 1000);
  const double cpu = CpuSeconds(run.pi.hProcess) - cpu0, wall = bench::Now() - wall0;
  bench::Stop(run);
  return 100.0 * cpu / wall;
}
}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
  const double ours = IdlePercent(bench::Folder() + "..\\mentavo.exe", "", "Mentavo", seconds);
  const double base = IdlePercent(bench::Folder() + "floor.exe", "--timers", "Floor", seconds);
  if (ours < 0 || base < 0) {
    std::printf("a program did not start\n");
    return 1;
  }
  bench::Header("Idle cost: CPU of one core while Ready, cue flickering");
  char what[64];
  std::snprintf(what, sizeof what, "idle CPU over %d s", seconds);
  bench::Row(what, ours, base, "%", "under 0.2 %, same as the floor");
  std::printf("\n(process times come in steps of 10 ms: 0.0167 %% over 60 s is one step)\n");
  return 0;
}
