// Starts the built mentavo.exe from a fresh folder and uses it as a person
// would: reads the window, presses its buttons, chooses menu commands, closes
// its dialogs, and reads the statistics file it leaves.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "win_util.h"

namespace {

using wintest::ReadBytes;
using wintest::WaitFor;
using wintest::WindowText;
using wintest::WriteBytes;

// The built program, two folders up from this driver.
std::string BuiltExe() { return wintest::ProgramFolder() + "..\\..\\mentavo.exe"; }

// A visible top-level window of the process with the caption, other than `exclude`.
HWND FindProcessWindow(DWORD pid, const std::string& caption, HWND exclude = nullptr) {
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
        if (owner == s->pid && wnd != s->exclude && ::IsWindowVisible(wnd) && WindowText(wnd) == *s->caption) {
          s->found = wnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class Program {
 public:
  // Copies the program (under `exeName`) and its help page into `folder`.
  static void Install(const std::string& folder, const std::string& exeName, bool withHelp = true) {
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ::CreateDirectoryA((folder + "data").c_str(), nullptr);
    ASSERT_TRUE(::CopyFileA(BuiltExe().c_str(), (folder + exeName).c_str(), FALSE)) << BuiltExe();
    if (withHelp)
      ::CopyFileA((wintest::ProgramFolder() + "..\\..\\data\\help.htm").c_str(), (folder + "data\\help.htm").c_str(),
                  FALSE);
  }

  // Starts it with another folder as the working folder.
  explicit Program(const std::string& exePath) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string command = "\"" + exePath + "\"";
    char temp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, temp);
    m_started = ::CreateProcessA(exePath.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, temp, &si,
                                 &m_pi) != FALSE;
  }
  ~Program() {
    if (!m_started) return;
    if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
      ::TerminateProcess(m_pi.hProcess, 1);
      ::WaitForSingleObject(m_pi.hProcess, 10000);
    }
    ::CloseHandle(m_pi.hThread);
    ::CloseHandle(m_pi.hProcess);
  }
  bool Started() const { return m_started; }
  DWORD Pid() const { return m_pi.dwProcessId; }

  // Waits for a window of the program.
  HWND Window(const std::string& caption, HWND exclude = nullptr) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindProcessWindow(Pid(), caption, exclude)) != nullptr; });
    return found;
  }
  bool Ended(DWORD timeoutMs = wintest::kTimeoutMs) {
    return ::WaitForSingleObject(m_pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
  }
  DWORD ExitCode() {
    DWORD code = 0;
    ::GetExitCodeProcess(m_pi.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION m_pi{};
  bool m_started = false;
};

// A control's text in another process: asked of the control itself.
std::string Text(HWND wnd) {
  char buffer[4096] = "";
  DWORD_PTR got = 0;
  if (!::SendMessageTimeoutA(wnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                             5000, &got))
    return "";
  return std::string(buffer, got);
}
std::string Text(HWND dlg, int id) { return Text(::GetDlgItem(dlg, id)); }
bool Shown(HWND dlg, int id) { return ::IsWindowVisible(::GetDlgItem(dlg, id)) != FALSE; }
// The notification a clicked button sends its dialog.
void Click(HWND dlg, int id) {
  ::PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dlg, id)));
}
void Menu(HWND dlg, int id) { ::PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
void Close(HWND dialog) { ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }
bool Gone(HWND wnd) {
  return WaitFor([&] { return !::IsWindow(wnd) || !::IsWindowVisible(wnd); });
}
std::string Digits(HWND main) { return Text(main, 1003) + Text(main, 1002) + Text(main, 1004) + Text(main, 1005); }

class EndToEnd : public ::testing::Test {
 protected:
  wintest::TempDir root;
};

TEST_F(EndToEnd, ATrainingIsRecordedAndEveryCommandWorks) {
  // A folder whose name holds spaces and characters of the ANSI code page.
  const std::string folder = root.File("Mentavo \xDC" "bung caf\xE9\\");
  Program::Install(folder, "mentavo.exe");
  WriteBytes(folder + "data\\stat.dat", "0\r\n0\r\n0\r\n");
  Program program(folder + "mentavo.exe");
  ASSERT_TRUE(program.Started());
  HWND main = program.Window("Mentavo");
  ASSERT_NE(main, nullptr);

  // The start-of-training look: four different digits, the instructions.
  ASSERT_TRUE(WaitFor([&] { return Digits(main).size() == 4; }));
  const std::string first = Digits(main);
  EXPECT_EQ(std::set<char>(first.begin(), first.end()).size(), 4u);
  EXPECT_TRUE(Shown(main, 1007));
  EXPECT_FALSE(Shown(main, 1006));

  // A whole training with "Yes" left selected.
  for (int press = 1; press <= 7; ++press) {
    Click(main, 1008);
    ASSERT_TRUE(WaitFor([&] { return Shown(main, 1006) && !Text(main, 1006).empty(); }));
    if (press == 7) {
      ASSERT_TRUE(WaitFor([&] { return Shown(main, 1016) && !Shown(main, 1003); }));
    }
  }
  Click(main, 1008);
  HWND stats = program.Window("Statistics");
  ASSERT_NE(stats, nullptr);
  EXPECT_EQ(Text(stats, 1021), "1");
  EXPECT_EQ(Text(stats, 1017), "100");
  EXPECT_EQ(Text(stats, 1019), "100");
  EXPECT_TRUE(Shown(main, 1007)) << "back to the start-of-training look behind the dialog";
  Close(stats);
  ASSERT_TRUE(Gone(stats));
  EXPECT_EQ(ReadBytes(folder + "data\\stat.dat"), "1\r\n100\r\n100\r\n");

  // About from the button and from the window menu.
  Click(main, 6);
  HWND about = program.Window("Mentavo", main);
  ASSERT_NE(about, nullptr);
  Close(about);
  ASSERT_TRUE(Gone(about));
  ::PostMessageA(main, WM_SYSCOMMAND, 0x10, 0);
  about = program.Window("Mentavo", main);
  ASSERT_NE(about, nullptr);
  Close(about);
  ASSERT_TRUE(Gone(about));

  // Statistics from the menu shows the recorded counters.
  Menu(main, 32771);
  stats = program.Window("Statistics");
  ASSERT_NE(stats, nullptr);
  EXPECT_EQ(Text(stats, 1021), "1");
  Close(stats);
  ASSERT_TRUE(Gone(stats));

  // Exit from the menu ends the program.
  Menu(main, 32772);
  EXPECT_TRUE(program.Ended());
  EXPECT_EQ(program.ExitCode(), 0u);
}

TEST_F(EndToEnd, HelpWithTheHelpPageMissingLeavesTheWindowWorking) {
  const std::string folder = root.File("nohelp\\");
  Program::Install(folder, "mentavo.exe", false);
  WriteBytes(folder + "data\\stat.dat", "2\r\n50\r\n50\r\n");
  Program program(folder + "mentavo.exe");
  HWND main = program.Window("Mentavo");
  ASSERT_NE(main, nullptr);
  Click(main, 4);
  Menu(main, 32775);
  // No box of ours; the window still answers.
  ::Sleep(500);
  EXPECT_EQ(FindProcessWindow(program.Pid(), "mentavo"), nullptr);
  Click(main, 1008);
  EXPECT_TRUE(WaitFor([&] { return Shown(main, 1006) && !Text(main, 1006).empty(); }));
  Click(main, 2);  // the Exit button
  EXPECT_TRUE(program.Ended());
}

TEST_F(EndToEnd, AMissingStatisticsFileIsReportedUnderTheProgramsName) {
  struct Case {
    const char* exeName;
    const char* caption;
  };
  for (const Case& test : {Case{"mentavo.exe", "mentavo"}, Case{"trainer.exe", "trainer"}}) {
    SCOPED_TRACE(test.exeName);
    const std::string folder = root.File(std::string("missing-") + test.caption + "\\");
    Program::Install(folder, test.exeName);
    Program program(folder + test.exeName);
    HWND box = program.Window(test.caption);
    ASSERT_NE(box, nullptr);
    std::string text;
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
      if (Text(child).find("was not found") != std::string::npos) text = Text(child);
    EXPECT_EQ(text, folder + "data/stat.dat was not found.");
    Close(box);
    // The window comes up whole and a training creates the file.
    HWND main = program.Window("Mentavo");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitFor([&] { return Digits(main).size() == 4; }));
    for (int press = 1; press <= 7; ++press) {
      Click(main, 1008);
      ASSERT_TRUE(WaitFor([&, press] { return press < 7 ? Shown(main, 1006) : Shown(main, 1016); }));
    }
    ::Sleep(100);
    Click(main, 1008);
    HWND stats = program.Window("Statistics");
    ASSERT_NE(stats, nullptr);
    Close(stats);
    ASSERT_TRUE(Gone(stats));
    EXPECT_EQ(ReadBytes(folder + "data\\stat.dat"), "1\r\n100\r\n100\r\n");
    ::PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(program.Ended());
  }
}

}  // namespace
