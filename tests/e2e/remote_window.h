// Reading the windows of another process: used by the end-to-end driver and
// the benchmarks, which both start mentavo.exe and watch it.
#pragma once
#include <windows.h>

#include <string>

namespace remote {

// A window's caption as the system keeps it (top-level windows).
inline std::string Caption(HWND wnd) {
  char text[256] = "";
  const int got = ::GetWindowTextA(wnd, text, sizeof text);
  return std::string(text, got > 0 ? static_cast<std::size_t>(got) : 0);
}

// A control's text, asked of the control itself: a control of another
// process keeps its text to itself. Empty when it does not answer in 5 s.
inline std::string Text(HWND wnd) {
  char buffer[4096] = "";
  DWORD_PTR got = 0;
  if (!::SendMessageTimeoutA(wnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                             5000, &got))
    return "";
  return std::string(buffer, got);
}

// A visible top-level window of process `pid` with the caption, other than `exclude`; or null.
inline HWND FindProcessWindow(DWORD pid, const std::string& caption, HWND exclude = nullptr) {
  struct Search {
    DWORD pid;
    const std::string* caption;
    HWND exclude, found;
  } search{pid, &caption, exclude, nullptr};
  ::EnumWindows(
      [](HWND wnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(wnd, &owner);
        if (owner == s->pid && wnd != s->exclude && ::IsWindowVisible(wnd) && Caption(wnd) == *s->caption) {
          s->found = wnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace remote
