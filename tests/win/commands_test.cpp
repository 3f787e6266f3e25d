// Every command of the main window reaches its handler: buttons, menu items,
// the window menu, and the ways of closing.
#include <gtest/gtest.h>

#include "dialogs/about_dlg.h"
#include "dialogs/statistics_dlg.h"
#include "trainer_probe.h"
#include "win_util.h"

namespace {

using wintest::ItemText;

struct ShellCall {
  int count = 0;
  HWND owner = nullptr;
  std::string verb, file;
  bool noParameters = false, noFolder = false;
  INT show = 0;
};
ShellCall g_shell;

HINSTANCE WINAPI RecordShell(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR folder, INT show) {
  ++g_shell.count;
  g_shell.owner = owner;
  g_shell.verb = verb ? verb : "";
  g_shell.file = file ? file : "";
  g_shell.noParameters = parameters == nullptr;
  g_shell.noFolder = folder == nullptr;
  g_shell.show = show;
  return reinterpret_cast<HINSTANCE>(42);
}

class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string data = wintest::ProgramFolder() + "data\\";
    ::CreateDirectoryA(data.c_str(), nullptr);
    statPath = data + "stat.dat";
    wintest::WriteBytes(statPath, "4\r\n55\r\n71\r\n");
    g_shell = ShellCall();
    saved = CTrainerDlg::s_openDocument;
    CTrainerDlg::s_openDocument = &RecordShell;
  }
  void TearDown() override {
    CTrainerDlg::s_openDocument = saved;
    ::DeleteFileA(statPath.c_str());
  }
  std::string statPath;
  CTrainerDlg::OpenDocumentFn saved = nullptr;
};

void Command(HWND dlg, int id) { ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

TEST_F(CommandsTest, AboutFromTheButtonTheMenuAndTheWindowMenu) {
  TrainerProbe dlg;
  wintest::RunModal(dlg, [&](CDialog&) {
    HWND h = dlg.m_hWnd;
    std::vector<HWND> opened;
    std::vector<std::string> lines;
    wintest::DialogWatcher about(
        "Mentavo",
        [&](HWND a) {
          opened.push_back(a);
          EXPECT_FALSE(::IsWindowEnabled(h)) << "the main window waits behind the About box";
          HWND child = ::GetWindow(a, GW_CHILD);
          child = ::GetWindow(child, GW_HWNDNEXT);  // the version line follows OK
          lines.push_back(wintest::WindowText(child));
        },
        IDOK, h);
    ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(6, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(h, 6)));
    Command(h, 32774);
    for (WPARAM sys : {0x10, 0x18, 0x1F}) ::SendMessageA(h, WM_SYSCOMMAND, sys, 0);
    EXPECT_EQ(about.Seen(), 5);
    for (const std::string& line : lines) EXPECT_EQ(line, "Mentavo Version 1.0");
    EXPECT_TRUE(::IsWindowEnabled(h));
    // Each opening is a window of its own, gone when closed.
    for (HWND a : opened) EXPECT_FALSE(::IsWindow(a));
  });
}

TEST_F(CommandsTest, StatisticsShowsTheLoadedCountersFromTheButtonAndTheMenu) {
  TrainerProbe dlg;
  wintest::RunModal(dlg, [&](CDialog&) {
    HWND h = dlg.m_hWnd;
    std::vector<std::string> shown;
    wintest::DialogWatcher stats("Statistics", [&](HWND s) {
      shown.push_back(ItemText(s, 1020) + "|" + ItemText(s, 1021) + "|" + ItemText(s, 1016) + "|" +
                      ItemText(s, 1017) + "|" + ItemText(s, 1018) + "|" + ItemText(s, 1019));
    });
    Command(h, 3);
    Command(h, 32771);
    ASSERT_EQ(shown.size(), 2u);
    for (const std::string& s : shown)
      EXPECT_EQ(s, "Number of trainings:|4|Total success rate:|55|Last training success rate:|71");
  });
}

TEST_F(CommandsTest, HelpHandsTheHelpPathToTheShell) {
  TrainerProbe dlg;
  wintest::RunModal(dlg, [&](CDialog&) {
    for (int id : {4, 32775}) {
      g_shell = ShellCall();
      Command(dlg.m_hWnd, id);
      EXPECT_EQ(g_shell.count, 1) << id;
      EXPECT_EQ(g_shell.owner, dlg.m_hWnd);
      EXPECT_EQ(g_shell.verb, "open");
      EXPECT_EQ(g_shell.file, wintest::ProgramFolder() + "data/help.htm");
      EXPECT_TRUE(g_shell.noParameters);
      EXPECT_TRUE(g_shell.noFolder);
      EXPECT_EQ(g_shell.show, SW_SHOWNORMAL);
    }
  });
}

struct CloseCase {
  const char* name;
  UINT message;
  WPARAM wParam;
  INT_PTR result;
};

TEST_F(CommandsTest, EveryWayOfClosingEndsTheDialog) {
  const CloseCase cases[] = {
      {"menu E&xit", WM_COMMAND, 32772, IDOK},
      {"Exit button", WM_COMMAND, 2, IDCANCEL},
      {"close box", WM_SYSCOMMAND, SC_CLOSE, IDCANCEL},
      {"Escape", WM_KEYDOWN, VK_ESCAPE, IDCANCEL},
  };
  for (const CloseCase& test : cases) {
    SCOPED_TRACE(test.name);
    TrainerProbe dlg;
    const INT_PTR result = wintest::RunModal(dlg, [&](CDialog&) {
      if (test.message == WM_KEYDOWN) {
        // As the dialog's own loop sees a key.
        MSG msg{::GetFocus(), WM_KEYDOWN, test.wParam, 0, 0, {0, 0}};
        ::IsDialogMessageA(dlg.m_hWnd, &msg);
      } else {
        ::SendMessageA(dlg.m_hWnd, test.message, test.wParam, 0);
      }
      wintest::WaitFor([&] { return !::IsWindow(dlg.m_hWnd) || !::IsWindowVisible(dlg.m_hWnd); }, 5000);
    });
    EXPECT_EQ(result, test.result);
  }
}

TEST_F(CommandsTest, EnterPressesGoAndDraggingShowsTheIcon) {
  TrainerProbe dlg;
  wintest::RunModal(dlg, [&](CDialog&) {
    ASSERT_TRUE(dlg.m_awaitingFirstGo);
    MSG msg{::GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    ::IsDialogMessageA(dlg.m_hWnd, &msg);
    EXPECT_TRUE(wintest::WaitFor([&] { return !dlg.m_awaitingFirstGo; }, 5000)) << "Enter is the default button, Go";
    EXPECT_EQ(dlg.m_currentStep, 1);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(dlg.m_hWnd, WM_QUERYDRAGICON, 0, 0)), dlg.m_hIcon);
  });
}

TEST_F(CommandsTest, DialogsOpenCentredOverTheirOwner) {
  TrainerProbe dlg;
  wintest::RunModal(dlg, [&](CDialog&) {
    RECT main, work;
    ::GetWindowRect(dlg.m_hWnd, &main);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    // The main window over the screen, the Statistics dialog over the main window.
    EXPECT_NEAR((main.left + main.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((main.top + main.bottom) / 2, (work.top + work.bottom) / 2, 1);
    RECT stats{};
    wintest::DialogWatcher watcher("Statistics", [&](HWND s) { ::GetWindowRect(s, &stats); });
    Command(dlg.m_hWnd, 3);
    ASSERT_EQ(watcher.Seen(), 1);
    EXPECT_NEAR((stats.left + stats.right) / 2, (main.left + main.right) / 2, 1);
    EXPECT_NEAR((stats.top + stats.bottom) / 2, (main.top + main.bottom) / 2, 1);
  });
}

TEST_F(CommandsTest, TheDialogsCarryTheirClassRecords) {
  About1 about;
  Statistics stats(1, 2, 3);
  EXPECT_STREQ(about.GetRuntimeClass()->m_lpszClassName, "About1");
  EXPECT_STREQ(stats.GetRuntimeClass()->m_lpszClassName, "Statistics");
  EXPECT_TRUE(about.IsKindOf(RUNTIME_CLASS(CDialog)));
  EXPECT_TRUE(stats.IsKindOf(RUNTIME_CLASS(CDialog)));
  EXPECT_FALSE(stats.IsKindOf(RUNTIME_CLASS(About1)));
}

TEST_F(CommandsTest, StatisticsShowsNegativeAndLargeValuesInRedBold) {
  Statistics stats(-5, 2147483647, 0);
  wintest::RunModal(stats, [&](CDialog& d) {
    HWND s = d.m_hWnd;
    EXPECT_EQ(ItemText(s, 1021), "-5");
    EXPECT_EQ(ItemText(s, 1017), "2147483647");
    EXPECT_EQ(ItemText(s, 1019), "0");
    for (int id : {1016, 1017, 1018, 1019, 1020, 1021}) {
      const LOGFONTA font = wintest::FontOf(::GetDlgItem(s, id));
      EXPECT_EQ(font.lfHeight, 20);
      EXPECT_EQ(font.lfWeight, 700);
      EXPECT_STREQ(font.lfFaceName, "Arial");
    }
    // Values red, labels black, as drawn.
    HDC dc = ::GetDC(s);
    for (int id : {1017, 1016}) {
      HWND field = ::GetDlgItem(s, id);
      const HBRUSH brush = reinterpret_cast<HBRUSH>(
          ::SendMessageA(s, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field)));
      EXPECT_NE(brush, nullptr);
      EXPECT_EQ(::GetTextColor(dc), id == 1017 ? RGB(255, 0, 0) : RGB(0, 0, 0));
    }
    ::ReleaseDC(s, dc);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(s, IDOK));
  });
}

}  // namespace
