// The platform's floor for the benchmarks: one dialog from a template with
// four edit fields, written straight on Win32. With "--timers" each field
// gets a 3000 ms timer that repaints it, as the trainer's digits do. With
// "--comctl" it loads the common controls first and with "--font" it gives
// the fields an 80-unit Arial font: the two platform costs the trainer's
// window cannot do without, measured on their own.
#include <windows.h>

#include <cstring>

namespace {
bool g_timers = false;
bool g_font = false;
const int kIds[4] = {1003, 1002, 1004, 1005};

INT_PTR CALLBACK FloorProc(HWND dlg, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      HFONT font = g_font ? ::CreateFontA(80, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                          DEFAULT_PITCH | FF_SWISS, "Arial")
                          : nullptr;
      for (int i = 0; i < 4; ++i) {
        if (font) ::SendDlgItemMessageA(dlg, kIds[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        const char text[2] = {static_cast<char>('1' + i), 0};
        ::SetDlgItemTextA(dlg, kIds[i], text);
        if (g_timers) ::SetTimer(dlg, static_cast<UINT_PTR>(i + 1), 3000, nullptr);
      }
      return TRUE;
    }
    case WM_TIMER:
      ::InvalidateRect(::GetDlgItem(dlg, kIds[(wParam - 1) % 4]), nullptr, TRUE);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) ::EndDialog(dlg, LOWORD(wParam));
      return TRUE;
  }
  return FALSE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_timers = std::strstr(commandLine, "--timers") != nullptr;
  g_font = std::strstr(commandLine, "--font") != nullptr;
  if (std::strstr(commandLine, "--comctl")) {
    if (HMODULE comctl = ::LoadLibraryA("comctl32.dll")) {
      auto init = reinterpret_cast<void(WINAPI*)()>(reinterpret_cast<void*>(::GetProcAddress(comctl, "InitCommonControls")));
      if (init) init();
    }
  }
  return static_cast<int>(::DialogBoxParamA(instance, MAKEINTRESOURCEA(100), nullptr, &FloorProc, 0));
}
