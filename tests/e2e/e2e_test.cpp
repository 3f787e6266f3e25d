// Starts the built mentavo.exe from a fresh folder and uses it as a person
// would: reads the window, presses its buttons, chooses menu commands, closes
// its dialogs, and reads the statistics file it leaves.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "remote_window.h"
#include "win_util.h"

namespace {

using wintest::ReadBytes;
using wintest::WaitFor;
using remote::FindProcessWindow;
using remote::Text;
using wintest::WriteBytes;

// The built program, two folders up from this driver.
std::string BuiltExe() { return wintest::ProgramFolder() + "..\\..\\mentavo.exe"; }

// The folder of an unpacked package, when the package test runs.
std::string PackageFolder() {
  char folder[MAX_PATH * 2] = "";
  const DWORD got = ::GetEnvironmentVariableA("MENTAVO_PACKAGE", folder, sizeof folder);
  if (got == 0 || got >= sizeof folder) return "";
  std::string path = folder;
  if (path.back() != '\\') path += '\\';
  return path;
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

// One training as a user plays it: `answers` holds the answer given before
// presses 2 to 8 ('Y' or 'N' clicks that radio button, '-' leaves it). The
// clicks are posted, so they reach the program in order; the eighth press
// opens the Statistics dialog modally. Returns the dialog's six texts
// ("label value" by row) after checking the look on the way, and closes the
// dialog with Escape.
std::string Train(Program& program, HWND main, const std::string& answers = "-------") {
  for (int press = 1; press <= 8; ++press) {
    if (press >= 2 && answers[static_cast<std::size_t>(press - 2)] != '-')
      ::PostMessageA(::GetDlgItem(main, answers[static_cast<std::size_t>(press - 2)] == 'Y' ? 1009 : 1010), BM_CLICK,
                     0, 0);
    ::PostMessageA(::GetDlgItem(main, 1008), BM_CLICK, 0, 0);
    if (press == 1) {
      EXPECT_TRUE(WaitFor([&] { return Shown(main, 1006) && Shown(main, 1009) && !Shown(main, 1007); }));
    } else if (press == 7) {
      EXPECT_TRUE(WaitFor([&] { return Shown(main, 1016) && !Shown(main, 1003); })) << "the last-step look";
      EXPECT_EQ(Text(main, 1006).size(), 1u) << "the reveal holds a digit";
    }
  }
  HWND stats = program.Window("Statistics");
  EXPECT_NE(stats, nullptr);
  if (!stats) return "";
  EXPECT_TRUE(Shown(main, 1007)) << "back to the start-of-training look behind the dialog";
  EXPECT_FALSE(Shown(main, 1006));
  const std::string shown = Text(stats, 1020) + " " + Text(stats, 1021) + " | " + Text(stats, 1016) + " " +
                            Text(stats, 1017) + " | " + Text(stats, 1018) + " " + Text(stats, 1019);
  ::PostMessageA(::GetDlgItem(stats, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(Gone(stats)) << "Escape closes the Statistics dialog";
  return shown;
}

std::string Shown3(const std::string& count, const std::string& total, const std::string& last) {
  return "Number of trainings: " + count + " | Total success rate: " + total + " | Last training success rate: " + last;
}

// Ends the program with a key, a window-menu command or a click; true when
// the process ends and leaves no window.
bool EndsWith(Program& program, HWND main, const char* how) {
  const std::string way = how;
  if (way == "Escape") {
    ::PostMessageA(::GetDlgItem(main, 1008), WM_KEYDOWN, VK_ESCAPE, 0);
  } else if (way == "close box") {
    ::PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  } else if (way == "Exit button") {
    Click(main, 2);
  } else {
    Menu(main, 32772);
  }
  return program.Ended() && FindProcessWindow(program.Pid(), "Mentavo") == nullptr;
}

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

  // Two whole trainings: "Yes" left selected, then "No" at some presses.
  EXPECT_EQ(Train(program, main), Shown3("1", "100", "100"));
  EXPECT_EQ(ReadBytes(folder + "data\\stat.dat"), "1\r\n100\r\n100\r\n");
  EXPECT_EQ(Train(program, main, "NNY-N-Y"), Shown3("2", "71", "42"));
  EXPECT_EQ(ReadBytes(folder + "data\\stat.dat"), "2\r\n71\r\n42\r\n");

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
  HWND stats = program.Window("Statistics");
  ASSERT_NE(stats, nullptr);
  EXPECT_EQ(Text(stats, 1021), "2");
  Close(stats);
  ASSERT_TRUE(Gone(stats));

  // Exit from the menu ends the program.
  EXPECT_TRUE(EndsWith(program, main, "menu E&xit"));
  EXPECT_EQ(program.ExitCode(), 0u);

  // The registry key name is set, and nothing is written under it.
  HKEY key = nullptr;
  EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Local AppWizard-Generated Applications", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  if (key) ::RegCloseKey(key);
}

TEST_F(EndToEnd, EveryWayOfClosingEndsTheProgram) {
  const std::string folder = root.File("closing\\");
  Program::Install(folder, "mentavo.exe");
  WriteBytes(folder + "data\\stat.dat", "0\r\n0\r\n0\r\n");
  for (const char* how : {"Escape", "close box", "Exit button"}) {
    SCOPED_TRACE(how);
    Program program(folder + "mentavo.exe");
    HWND main = program.Window("Mentavo");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(EndsWith(program, main, how));
  }
  EXPECT_EQ(ReadBytes(folder + "data\\stat.dat"), "0\r\n0\r\n0\r\n") << "nothing is saved at exit";
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
    EXPECT_EQ(Train(program, main), Shown3("1", "100", "100"));
    EXPECT_EQ(ReadBytes(folder + "data\\stat.dat"), "1\r\n100\r\n100\r\n");
    ::PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(program.Ended());
  }
}

TEST(Package, TheUnpackedProgramRunsAndRecordsATraining) {
  const std::string folder = PackageFolder();
  if (folder.empty()) GTEST_SKIP() << "runs from scripts/test_package.sh";
  EXPECT_EQ(ReadBytes(folder + "data\\stat.dat"), "0\r\n0\r\n0\r\n");
  EXPECT_TRUE(wintest::Exists(folder + "data\\help.htm"));
  Program program(folder + "mentavo.exe");
  ASSERT_TRUE(program.Started());
  HWND main = program.Window("Mentavo");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(FindProcessWindow(program.Pid(), "mentavo"), nullptr) << "no error box";
  EXPECT_EQ(Train(program, main), Shown3("1", "100", "100"));
  EXPECT_EQ(ReadBytes(folder + "data\\stat.dat"), "1\r\n100\r\n100\r\n");
  Menu(main, 32772);
  EXPECT_TRUE(program.Ended());
}

// The exe's PE header, resources and version, read from the file.
TEST(Hardening, TheExeHasAslrDepAManifestAndItsVersion) {
  const std::string bytes = ReadBytes(BuiltExe());
  ASSERT_GT(bytes.size(), 1024u);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
  ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(bytes.data() + dos->e_lfanew);
  ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
  const WORD flags = nt->OptionalHeader.DllCharacteristics;
  EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE) << "ASLR";
  EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA) << "high-entropy ASLR";
  EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_NX_COMPAT) << "DEP";
  EXPECT_NE(nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC].Size, 0u) << "relocations for ASLR";
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);

  HMODULE image = ::LoadLibraryExA(BuiltExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(image, nullptr);
  HRSRC manifest = ::FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(::LockResource(::LoadResource(image, manifest))),
                         ::SizeofResource(image, manifest));
  EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_EQ(text.find("Microsoft.Windows.Common-Controls"), std::string::npos) << "the classic control look stays";
  HRSRC version = ::FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));
  ASSERT_NE(version, nullptr);
  const char* block = static_cast<const char*>(::LockResource(::LoadResource(image, version)));
  // The fixed file information follows the "VS_VERSION_INFO" key, aligned to 4 bytes.
  const std::string all(block, ::SizeofResource(image, version));
  const std::size_t at = all.find(std::string("\xBD\x04\xEF\xFE", 4));
  ASSERT_NE(at, std::string::npos);
  const auto* fixed = reinterpret_cast<const VS_FIXEDFILEINFO*>(block + at);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
  ::FreeLibrary(image);
}

}  // namespace
