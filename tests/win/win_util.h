// Helpers for the suites that run real windows under Wine: run a body inside
// a modal loop, wait for a condition with a generous time-out, find and close
// the windows a handler opens, read what a window shows.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/dialog.h"

namespace wintest {

constexpr DWORD kTimeoutMs = 30000;

// Pumps this thread's messages until `condition` holds or the time-out ends.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = kTimeoutMs);

// Runs `body` once `dialog`'s modal loop is running and the dialog is shown,
// then cancels the dialog if the body left it open. Returns DoModal's result.
INT_PTR RunModal(CDialog& dialog, const std::function<void(CDialog&)>& body);

// A visible top-level window of this thread with the caption, or null.
HWND FindThreadWindow(const char* caption, HWND exclude = nullptr);

// Arms a watcher: when a window with `caption` appears in this thread (inside
// any modal loop), `onOpen` runs with it and the window is then closed with
// `closeId` (IDOK, IDCANCEL...). `exclude` is a window with the same caption
// that is not the one awaited. The watcher gives up after the time-out.
class DialogWatcher {
 public:
  DialogWatcher(std::string caption, std::function<void(HWND)> onOpen, int closeId = IDOK, HWND exclude = nullptr);
  ~DialogWatcher();
  int Seen() const { return m_seen; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
  std::string m_caption;
  std::function<void(HWND)> m_onOpen;
  int m_closeId;
  HWND m_exclude;
  int m_seen = 0;
  bool m_busy = false;
  UINT_PTR m_timer = 0;
  DWORD m_start = 0;
};

std::string WindowText(HWND wnd);
std::string ItemText(HWND dialog, int id);
bool ItemVisible(HWND dialog, int id);
LOGFONTA FontOf(HWND wnd);

// The message box's text (its static text control) and icon.
std::string MessageBoxText(HWND box);
HICON MessageBoxIcon(HWND box);

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& Path() const { return m_path; }  // with trailing backslash
  std::string File(const std::string& name) const { return m_path + name; }

 private:
  std::string m_path;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);
// The folder of this test program, with trailing backslash.
std::string ProgramFolder();

}  // namespace wintest
