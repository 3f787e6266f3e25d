// Shared by the benchmark drivers: start a program, find its window, read a
// control's text across processes, print a result row.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "remote_window.h"

namespace bench {

inline double Now() {
  LARGE_INTEGER f, c;
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// The window is up with a digit in each of the four fields.
inline bool ShowsFourDigits(HWND wnd) {
  for (int id : {1003, 1002, 1004, 1005})
    if (remote::Text(::GetDlgItem(wnd, id)).size() != 1) return false;
  return true;
}

struct Running {
  PROCESS_INFORMATION pi{};
  HWND window = nullptr;
  double seconds = 0;  // from start to the window with its digits
};

// Starts `command` and waits (up to 60 s) for its window `caption` to show four digits.
inline bool Start(const std::string& exe, const std::string& args, const char* caption, Running& run) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  std::string command = "\"" + exe + "\" " + args;
  const double start = Now();
  if (!::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &run.pi))
    return false;
  while (Now() - start < 60) {
    HWND wnd = remote::FindProcessWindow(run.pi.dwProcessId, caption);
    if (wnd && ShowsFourDigits(wnd)) {
      run.window = wnd;
      run.seconds = Now() - start;
      return true;
    }
    ::Sleep(1);
  }
  return false;
}

inline void Stop(Running& run) {
  if (run.window) ::PostMessageA(run.window, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
  if (::WaitForSingleObject(run.pi.hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(run.pi.hProcess, 1);
  ::CloseHandle(run.pi.hThread);
  ::CloseHandle(run.pi.hProcess);
}

inline double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

inline std::string Folder() {
  char path[MAX_PATH * 2] = "";
  ::GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

inline void Row(const char* what, double figure, double baseline, const char* unit, const char* goal) {
  char ratio[16] = "-";
  if (baseline > 0) std::snprintf(ratio, sizeof ratio, "%6.3f", figure / baseline);
  std::printf("| %-34s | %12.4f %-6s | %12.4f %-6s | %6s | %s |\n", what, figure, unit, baseline, unit, ratio, goal);
}

inline void Header(const char* title) {
  std::printf("\n%s\n| %-34s | %-19s | %-19s | %-6s | %s |\n|---|---|---|---|---|\n", title, "measure", "mentavo",
              "floor (baseline)", "ratio", "goal");
}

}  // namespace bench
