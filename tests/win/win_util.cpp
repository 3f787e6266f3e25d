#include "win_util.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace wintest {

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount() - start > timeoutMs) return false;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!::IsDialogMessageA(::GetActiveWindow(), &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

namespace {
struct ModalRun {
  CDialog* dialog;
  const std::function<void(CDialog&)>* body;
  DWORD start;
};
thread_local ModalRun* t_run = nullptr;

void CALLBACK StartBody(HWND, UINT, UINT_PTR id, DWORD) {
  ModalRun* run = t_run;
  t_run = nullptr;
  if (!run) {
    ::KillTimer(nullptr, id);
    return;
  }
  HWND wnd = run->dialog->m_hWnd;
  if (!wnd || !::IsWindowVisible(wnd) || !::IsWindowEnabled(wnd)) {
    // Still setting up, or a box of its own is open: later, within the time-out.
    if (::GetTickCount() - run->start < kTimeoutMs) {
      t_run = run;
    } else {
      ADD_FAILURE() << "the dialog never became ready";
      ::KillTimer(nullptr, id);
      if (wnd) ::EndDialog(wnd, -3);
    }
    return;
  }
  ::KillTimer(nullptr, id);
  (*run->body)(*run->dialog);
  // Closes a dialog the body left open; one the body ended never sees this.
  if (run->dialog->m_hWnd && ::IsWindow(run->dialog->m_hWnd))
    ::PostMessageA(run->dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}
}  // namespace

INT_PTR RunModal(CDialog& dialog, const std::function<void(CDialog&)>& body) {
  ModalRun run{&dialog, &body, ::GetTickCount()};
  t_run = &run;
  ::SetTimer(nullptr, 0, 50, &StartBody);
  const INT_PTR result = dialog.DoModal();
  t_run = nullptr;
  return result;
}

HWND FindThreadWindow(const char* caption, HWND exclude) {
  struct Search {
    const char* caption;
    HWND exclude;
    HWND found;
  } search{caption, exclude, nullptr};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND wnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        if (wnd != s->exclude && ::IsWindowVisible(wnd) && WindowText(wnd) == s->caption) {
          s->found = wnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

namespace {
std::map<UINT_PTR, DialogWatcher*>& Watchers() {
  static std::map<UINT_PTR, DialogWatcher*> watchers;
  return watchers;
}
}  // namespace

DialogWatcher::DialogWatcher(std::string caption, std::function<void(HWND)> onOpen, int closeId, HWND exclude)
    : m_caption(std::move(caption)), m_onOpen(std::move(onOpen)), m_closeId(closeId), m_exclude(exclude),
      m_start(::GetTickCount()) {
  m_timer = ::SetTimer(nullptr, 0, 30, &Tick);
  Watchers()[m_timer] = this;
}

DialogWatcher::~DialogWatcher() {
  ::KillTimer(nullptr, m_timer);
  Watchers().erase(m_timer);
}

void CALLBACK DialogWatcher::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Watchers().find(id);
  if (it == Watchers().end()) return;
  DialogWatcher* w = it->second;
  if (w->m_busy) return;
  if (::GetTickCount() - w->m_start > kTimeoutMs) {
    ::KillTimer(nullptr, id);
    return;
  }
  HWND wnd = FindThreadWindow(w->m_caption.c_str(), w->m_exclude);
  if (!wnd) return;
  // One run per opening: the window is closed below before the next tick.
  ++w->m_seen;
  w->m_busy = true;
  if (w->m_onOpen) w->m_onOpen(wnd);
  ::PostMessageA(wnd, WM_COMMAND, MAKEWPARAM(w->m_closeId, BN_CLICKED), 0);
  // Wait for it to go before looking again.
  WaitFor([wnd] { return !::IsWindow(wnd) || !::IsWindowVisible(wnd); });
  w->m_busy = false;
}

std::string WindowText(HWND wnd) {
  const int length = ::GetWindowTextLengthA(wnd);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = ::GetWindowTextA(wnd, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

std::string ItemText(HWND dialog, int id) { return WindowText(::GetDlgItem(dialog, id)); }

bool ItemVisible(HWND dialog, int id) {
  return (::GetWindowLongA(::GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

LOGFONTA FontOf(HWND wnd) {
  LOGFONTA font{};
  HFONT handle = reinterpret_cast<HFONT>(::SendMessageA(wnd, WM_GETFONT, 0, 0));
  if (handle) ::GetObjectA(handle, sizeof font, &font);
  return font;
}

std::string MessageBoxText(HWND box) {
  // The message box's text is its one static control without SS_ICON.
  std::string text;
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    char cls[32] = "";
    ::GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0 && (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
      const std::string t = WindowText(child);
      if (!t.empty()) text = t;
    }
  }
  return text;
}

HICON MessageBoxIcon(HWND box) {
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    char cls[32] = "";
    ::GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0 && (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
      return reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
  }
  return nullptr;
}

namespace {
void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((folder + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + "\\");
      } else {
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(path.c_str());
      }
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
  }
  ::RemoveDirectoryA(folder.c_str());
}
}  // namespace

TempDir::TempDir() {
  char base[MAX_PATH] = "";
  ::GetTempPathA(MAX_PATH, base);
  static int counter = 0;
  std::ostringstream name;
  name << base << "mentavo-test-" << ::GetCurrentProcessId() << "-" << ++counter << "\\";
  m_path = name.str();
  ::CreateDirectoryA(m_path.c_str(), nullptr);
}

TempDir::~TempDir() { RemoveTree(m_path); }

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ProgramFolder() {
  char path[MAX_PATH * 4] = "";
  ::GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

}  // namespace wintest
