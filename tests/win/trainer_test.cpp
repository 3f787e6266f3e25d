// The main dialog from the real resources, driven as a user drives it: set-up,
// the flickering cue, whole trainings press by press, a failed save and its
// retry, the error box at start-up.
#include <gtest/gtest.h>

#include <ctime>
#include <set>

#include "framework/app.h"
#include "trainer_probe.h"
#include "win_util.h"

namespace {

using wintest::ItemText;
using wintest::ItemVisible;

const char kInstructions[] =
    "You are ready to start training. Each training consists of 7 steps. You see 4 digits below. Try to "
    "concentrate on them during 5-20 seconds. You should choose the 'right' digit. Some of digits will randomly "
    "blink sometimes- don't care about this- just close your eyes and try to visualize the 'right' answer. After "
    "that press 'Go' button. For more info read help.";
const char kLastStep[] =
    "This is the last step of this training. After pressing the 'Go' button you will be able to\tview statistics "
    "of this training. Don't get discouraged, if your result is not very good yet- the more you practice the "
    "better you get.";
const int kDigitIds[4] = {1003, 1002, 1004, 1005};  // by slot

// The data folder beside this test program, as the dialog finds it.
class TrainerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data = wintest::ProgramFolder() + "data\\";
    ::CreateDirectoryA(data.c_str(), nullptr);
    statPath = data + "stat.dat";
    wintest::WriteBytes(statPath, "0\r\n0\r\n0\r\n");
  }
  void TearDown() override { ::DeleteFileA(statPath.c_str()); }

  std::string data;
  std::string statPath;
};

enum class Look { Ready, Step, Last };

void ExpectLook(HWND dlg, Look look) {
  const bool digits = look != Look::Last;
  const bool running = look != Look::Ready;
  for (int id : kDigitIds) EXPECT_EQ(ItemVisible(dlg, id), digits) << "digit " << id;
  EXPECT_EQ(ItemVisible(dlg, 1007), look == Look::Ready) << "instructions";
  EXPECT_EQ(ItemVisible(dlg, 1016), look == Look::Last) << "last-step note";
  for (int id : {1017, 1009, 1010, 1006}) EXPECT_EQ(ItemVisible(dlg, id), running) << "control " << id;
  for (int id : {1008, 1012, 3, 4, 2, 6}) EXPECT_TRUE(ItemVisible(dlg, id)) << "always shown " << id;
}

std::string RightDigit(TrainerProbe& dlg) { return wintest::WindowText(dlg.m_digitSlots[dlg.m_rightIndex]->m_hWnd); }

void PressGo(HWND dlg) {
  ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(1008, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dlg, 1008)));
}

void Answer(HWND dlg, char answer) {
  ::SendMessageA(::GetDlgItem(dlg, answer == 'Y' ? 1009 : 1010), BM_CLICK, 0, 0);
}

struct StatsShown {
  std::string count, total, last;
};

TEST_F(TrainerTest, SetUpShowsTheStartOfTrainingLook) {
  TrainerProbe dlg;
  EXPECT_EQ(dlg.m_stepsPerTraining, 8);
  EXPECT_EQ(dlg.m_currentStep, 0);
  EXPECT_EQ(dlg.m_correctCount, 0);
  wintest::WriteBytes(statPath, "4\r\n55\r\n71\r\n");
  wintest::RunModal(dlg, [&](CDialog&) {
    HWND h = dlg.m_hWnd;
    EXPECT_EQ(wintest::WindowText(h), "Mentavo");
    ExpectLook(h, Look::Ready);
    EXPECT_EQ(dlg.m_trainingCount, 4);
    EXPECT_EQ(dlg.m_totalRate, 55);
    EXPECT_EQ(dlg.m_lastRate, 71);
    EXPECT_TRUE(dlg.m_awaitingFirstGo);
    EXPECT_EQ(std::string(dlg.m_statPath), wintest::ProgramFolder() + "data/stat.dat");
    EXPECT_EQ(std::string(dlg.m_helpPath), wintest::ProgramFolder() + "data/help.htm");

    // Four different digits in the digit font; exactly the right one flickers.
    std::set<std::string> digits;
    int flashing = 0;
    for (int slot = 0; slot < 4; ++slot) {
      HWND digit = ::GetDlgItem(h, kDigitIds[slot]);
      EXPECT_EQ(dlg.m_digitSlots[slot]->m_hWnd, digit);
      const std::string text = wintest::WindowText(digit);
      ASSERT_EQ(text.size(), 1u);
      EXPECT_TRUE(text[0] >= '0' && text[0] <= '9');
      digits.insert(text);
      const LOGFONTA font = wintest::FontOf(digit);
      EXPECT_EQ(font.lfHeight, 80);
      EXPECT_EQ(font.lfWeight, 400);
      EXPECT_STREQ(font.lfFaceName, "Arial");
      EXPECT_EQ(dlg.m_digitSlots[slot]->GetTextColor(), 0x00FE0060u);
      if (dlg.m_digitSlots[slot]->GetTimerId() != 0) ++flashing;
    }
    EXPECT_EQ(digits.size(), 4u);
    EXPECT_EQ(flashing, 1);
    auto* right = dlg.m_digitSlots[dlg.m_rightIndex];
    EXPECT_NE(right->GetTimerId(), 0u);
    EXPECT_EQ(right->GetFlashTextColor(0), 0x00FE0060u);
    EXPECT_EQ(right->GetFlashTextColor(1), 0x00FE005Bu);

    EXPECT_EQ(ItemText(h, 1007), kInstructions);
    EXPECT_EQ(ItemText(h, 1016), kLastStep);
    EXPECT_EQ(ItemText(h, 1017), "Is it your answer? Select radiobutton below");
    EXPECT_EQ(dlg.m_editInstructions.GetTextColor(), 0x0000FFu);
    EXPECT_EQ(dlg.m_editLastStepNote.GetTextColor(), 0xFF0000u);
    EXPECT_EQ(dlg.m_editPrompt.GetTextColor(), 0u);
    EXPECT_EQ(dlg.m_editReveal.GetTextColor(), kColorNone);
    EXPECT_EQ(wintest::FontOf(::GetDlgItem(h, 1017)).lfHeight, 18);
    EXPECT_EQ(wintest::FontOf(::GetDlgItem(h, 1017)).lfWeight, 700);
    EXPECT_EQ(wintest::FontOf(::GetDlgItem(h, 1007)).lfHeight, 15);
    EXPECT_EQ(wintest::FontOf(::GetDlgItem(h, 1016)).lfWeight, 700);

    EXPECT_EQ(::IsDlgButtonChecked(h, 1009), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(::IsDlgButtonChecked(h, 1010), static_cast<UINT>(BST_UNCHECKED));
    HWND slider = ::GetDlgItem(h, 1012);
    EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 250);
    EXPECT_EQ(::SendMessageA(slider, TBM_GETPOS, 0, 0), 0);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(h, 1008)) << "Go has the focus";

    // The window menu ends with a separator and the About item.
    HMENU sys = ::GetSystemMenu(h, FALSE);
    const int n = ::GetMenuItemCount(sys);
    ASSERT_GE(n, 2);
    char text[64] = "";
    ::GetMenuStringA(sys, n - 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&About mentavo...");
    EXPECT_EQ(::GetMenuItemID(sys, n - 1), 16u);
    EXPECT_EQ(::GetMenuState(sys, n - 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));

    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(h, WM_GETICON, ICON_BIG, 0)), dlg.m_hIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(h, WM_GETICON, ICON_SMALL, 0)), dlg.m_hIcon);
    EXPECT_NE(dlg.m_hIcon, nullptr);
  });
}

struct TemplateControl {
  int id;
  const char* cls;
  const char* text;  // null: the set-up writes it
  DWORD styles;      // besides WS_CHILD
  DWORD exStyle;     // the one extended style it must have, or 0
};

TEST_F(TrainerTest, EveryControlOfTheTemplateInOrder) {
  const DWORD kEdit = ES_READONLY | WS_TABSTOP, kBtn = BS_PUSHBUTTON | BS_FLAT | WS_TABSTOP;
  const TemplateControl controls[] = {
      {-1, "Button", "", BS_GROUPBOX, 0},
      {1008, "Button", "Go", BS_DEFPUSHBUTTON | BS_FLAT | WS_TABSTOP, 0},
      {-1, "Button", "", BS_GROUPBOX, 0},
      {1006, "Edit", nullptr, kEdit | ES_CENTER | ES_AUTOHSCROLL, 0},
      {1009, "Button", "Yes", BS_AUTORADIOBUTTON | BS_FLAT, 0},
      {1010, "Button", "No", BS_AUTORADIOBUTTON | BS_FLAT, 0},
      {1007, "Edit", nullptr, kEdit | ES_MULTILINE, 0},
      {1012, "msctls_trackbar32", "", TBS_VERT | TBS_AUTOTICKS | TBS_TOOLTIPS, WS_EX_STATICEDGE},
      {-1, "Button", "Mental noise", BS_GROUPBOX, 0},
      {3, "Button", "Statistics", kBtn, 0},
      {4, "Button", "Help", kBtn, 0},
      {-1, "Static", "0 Hz", SS_LEFT | WS_GROUP, 0},
      {-1, "Static", "250 Hz", SS_LEFT | WS_GROUP, 0},
      {2, "Button", "Exit", kBtn, 0},
      {1002, "Edit", nullptr, kEdit | ES_CENTER | ES_AUTOHSCROLL, 0},
      {1003, "Edit", nullptr, kEdit | ES_CENTER | ES_AUTOHSCROLL, 0},
      {1004, "Edit", nullptr, kEdit | ES_CENTER | ES_AUTOHSCROLL, 0},
      {1005, "Edit", nullptr, kEdit | ES_CENTER | ES_AUTOHSCROLL, 0},
      {6, "Button", "About", kBtn, 0},
      {1016, "Edit", nullptr, kEdit | ES_MULTILINE, 0},
      {1017, "Edit", nullptr, kEdit | ES_AUTOHSCROLL, 0},
  };
  TrainerProbe dlg;
  wintest::RunModal(dlg, [&](CDialog&) {
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(dlg.m_hWnd, GWL_STYLE));
    EXPECT_EQ(style & 0x90CA00C4u & ~WS_VISIBLE, 0x90CA00C4u & ~WS_VISIBLE);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(::GetWindowLongA(dlg.m_hWnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_NE(::GetMenu(dlg.m_hWnd), nullptr);
    HWND child = ::GetWindow(dlg.m_hWnd, GW_CHILD);
    for (const TemplateControl& c : controls) {
      ASSERT_NE(child, nullptr) << "control " << c.id << " is missing";
      SCOPED_TRACE(c.id);
      char cls[64] = "";
      ::GetClassNameA(child, cls, sizeof cls);
      EXPECT_STRCASEEQ(cls, c.cls);
      EXPECT_EQ(static_cast<int>(static_cast<short>(::GetDlgCtrlID(child))), c.id);
      if (c.text) {
        EXPECT_EQ(wintest::WindowText(child), c.text);
      }
      const DWORD s = static_cast<DWORD>(::GetWindowLongA(child, GWL_STYLE));
      const DWORD ex = static_cast<DWORD>(::GetWindowLongA(child, GWL_EXSTYLE));
      EXPECT_EQ(s & c.styles, c.styles);
      if (c.cls[0] == 'B') {
        EXPECT_EQ(s & BS_TYPEMASK, c.styles & BS_TYPEMASK);
      }
      EXPECT_FALSE(s & WS_BORDER) << "no control has a border";
      EXPECT_FALSE(ex & WS_EX_CLIENTEDGE);
      if (c.exStyle) {
        EXPECT_TRUE(ex & c.exStyle);
      }
      child = ::GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "no control beyond the template's";
  });
}

// The colours a control shows, read back from the screen.
std::set<COLORREF> ColoursOnScreen(HWND control) {
  ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  RECT rect;
  ::GetClientRect(control, &rect);
  HDC dc = ::GetDC(control);
  std::set<COLORREF> colours;
  for (int y = 0; y < rect.bottom; y += 1)
    for (int x = 0; x < rect.right; x += 1) colours.insert(::GetPixel(dc, x, y));
  ::ReleaseDC(control, dc);
  return colours;
}

TEST_F(TrainerTest, TheRightDigitFlickersToTheCueColourOnScreen) {
  TrainerProbe dlg;
  wintest::RunModal(dlg, [&](CDialog&) {
    auto* right = dlg.m_digitSlots[dlg.m_rightIndex];
    const COLORREF digit = RGB(96, 0, 254), cue = RGB(91, 0, 254);
    // Sample the four digits on screen over two periods of the real timer.
    bool sawCue = false, sawBack = false;
    for (int phase : {1, 0}) {
      ASSERT_TRUE(wintest::WaitFor([&] { return right->GetPhase() == phase; }, 10000)) << "the timer ticks";
      for (auto* slot : dlg.m_digitSlots) {
        const std::set<COLORREF> seen = ColoursOnScreen(slot->m_hWnd);
        const bool cueNow = slot == right && phase == 1;
        EXPECT_EQ(seen.count(cue) > 0, cueNow);
        EXPECT_EQ(seen.count(digit) > 0, !cueNow);
        EXPECT_TRUE(seen.count(::GetSysColor(COLOR_BTNFACE))) << "the dialog's face behind the glyphs";
        if (cueNow) sawCue = true;
        if (slot == right && phase == 0 && sawCue) sawBack = true;
      }
    }
    EXPECT_TRUE(sawCue);
    EXPECT_TRUE(sawBack);
  });
}

TEST_F(TrainerTest, ADealMovesTheCueAndASlotRightAgainKeepsItsTimer) {
  TrainerProbe dlg;
  wintest::RunModal(dlg, [&](CDialog&) {
    // Two deals within one second are the same deal: the right slot stays right.
    for (int attempt = 0; attempt < 5; ++attempt) {
      const std::time_t second = std::time(nullptr);
      auto* right = dlg.m_digitSlots[dlg.m_rightIndex];
      ::SendMessageA(right->m_hWnd, WM_TIMER, 1, 0);
      const int phase = right->GetPhase();
      const int index = dlg.m_rightIndex;
      dlg.NewDigits();
      if (std::time(nullptr) != second) continue;  // the clock moved on: try again
      EXPECT_EQ(dlg.m_rightIndex, index);
      EXPECT_EQ(right->GetPhase(), phase) << "the running timer and phase go on";
      EXPECT_EQ(right->GetTimerId(), 1u);
      EXPECT_EQ(right->GetFlashTextColor(1), 0x00FE005Bu);
      break;
    }
    // Over further deals, every slot that was right keeps flashing, with equal
    // colours unless it is the right one now.
    std::set<int> wereRight = {dlg.m_rightIndex};
    for (int deal = 0; deal < 3; ++deal) {
      ::Sleep(1000);  // a new second, a new deal
      dlg.NewDigits();
      wereRight.insert(dlg.m_rightIndex);
      std::set<std::string> digits;
      for (int slot = 0; slot < 4; ++slot) {
        auto* control = dlg.m_digitSlots[slot];
        digits.insert(wintest::WindowText(control->m_hWnd));
        if (slot == dlg.m_rightIndex) {
          EXPECT_EQ(control->GetFlashTextColor(0), 0x00FE0060u);
          EXPECT_EQ(control->GetFlashTextColor(1), 0x00FE005Bu);
        } else if (wereRight.count(slot)) {
          EXPECT_EQ(control->GetFlashTextColor(0), 0x00FE0060u);
          EXPECT_EQ(control->GetFlashTextColor(1), 0x00FE0060u);
        }
        EXPECT_EQ(control->GetTimerId() != 0, wereRight.count(slot) > 0) << "slot " << slot;
      }
      EXPECT_EQ(digits.size(), 4u);
    }
  });
}

struct TrainingCase {
  const char* name;
  // Answer given before presses 2 to 8 of each training: 'Y', 'N', or '-' to leave it.
  std::vector<std::string> trainings;
  std::vector<int> correct;  // "Yes" answers scored per training
  std::string fileAfter;
};

TEST_F(TrainerTest, TrainingsScoreRevealAndRecord) {
  const TrainingCase cases[] = {
      {"never touched", {"-------"}, {7}, "1\r\n100\r\n100\r\n"},
      {"No from press 3 on", {"-NNNNNN"}, {1}, "1\r\n14\r\n14\r\n"},
      {"No carried into the next training", {"YYYYYYN", "-------"}, {6, 0}, "2\r\n42\r\n0\r\n"},
      {"mixed", {"YNYNYNY"}, {4}, "1\r\n57\r\n57\r\n"},
  };
  for (const TrainingCase& test : cases) {
    SCOPED_TRACE(test.name);
    wintest::WriteBytes(statPath, "0\r\n0\r\n0\r\n");
    TrainerProbe dlg;
    wintest::RunModal(dlg, [&](CDialog&) {
      HWND h = dlg.m_hWnd;
      for (std::size_t t = 0; t < test.trainings.size(); ++t) {
        const std::string& answers = test.trainings[t];
        // Press 1: nothing scored, whichever button is selected.
        std::string right = RightDigit(dlg);
        PressGo(h);
        EXPECT_EQ(ItemText(h, 1006), right);
        EXPECT_EQ(dlg.m_correctCount, 0);
        ExpectLook(h, Look::Step);
        EXPECT_EQ(dlg.m_editReveal.GetTextColor(), 255u);
        EXPECT_EQ(wintest::FontOf(dlg.m_editReveal.m_hWnd).lfHeight, 80);
        for (int press = 2; press <= 8; ++press) {
          const char a = answers[static_cast<std::size_t>(press - 2)];
          if (a != '-') Answer(h, a);
          right = RightDigit(dlg);
          StatsShown shown;
          wintest::DialogWatcher stats("Statistics", [&](HWND s) {
            // The main window is back in its start-of-training look behind it.
            ExpectLook(h, Look::Ready);
            shown = {ItemText(s, 1021), ItemText(s, 1017), ItemText(s, 1019)};
          });
          PressGo(h);
          if (press < 7) {
            ExpectLook(h, Look::Step);
            EXPECT_EQ(ItemText(h, 1006), right);
            EXPECT_EQ(dlg.m_currentStep, press);
            EXPECT_EQ(stats.Seen(), 0);
          } else if (press == 7) {
            ExpectLook(h, Look::Last);
            EXPECT_EQ(ItemText(h, 1006), right);
          } else {
            ExpectLook(h, Look::Ready);
            EXPECT_EQ(stats.Seen(), 1);
            EXPECT_EQ(shown.count, std::to_string(dlg.m_trainingCount));
            EXPECT_EQ(shown.total, std::to_string(dlg.m_totalRate));
            EXPECT_EQ(shown.last, std::to_string(dlg.m_lastRate));
            EXPECT_EQ(dlg.m_currentStep, 0);
            EXPECT_EQ(dlg.m_correctCount, 0);
            EXPECT_TRUE(dlg.m_awaitingFirstGo);
          }
        }
        EXPECT_EQ(dlg.m_lastRate, test.correct[t] * 100 / 7);
      }
      EXPECT_EQ(wintest::ReadBytes(statPath), test.fileAfter);
    });
  }
}

TEST_F(TrainerTest, AFailedSaveIsTriedAgainAtTheNextPress) {
  wintest::WriteBytes(statPath, "2\r\n50\r\n50\r\n");
  TrainerProbe dlg;
  wintest::RunModal(dlg, [&](CDialog&) {
    HWND h = dlg.m_hWnd;
    for (int press = 1; press <= 7; ++press) PressGo(h);
    ExpectLook(h, Look::Last);
    // Another program holds the file while the training ends.
    HANDLE other = ::CreateFileA(statPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    std::vector<std::string> errors;
    {
      wintest::DialogWatcher box("trainer_tests", [&](HWND b) { errors.push_back(wintest::MessageBoxText(b)); });
      wintest::DialogWatcher stats("Statistics", nullptr);
      PressGo(h);
      const std::string digitsBefore = ItemText(h, 1003) + ItemText(h, 1002) + ItemText(h, 1004) + ItemText(h, 1005);
      const std::string reveal = ItemText(h, 1006);
      PressGo(h);  // still held: fails again, scores and deals nothing
      EXPECT_EQ(ItemText(h, 1003) + ItemText(h, 1002) + ItemText(h, 1004) + ItemText(h, 1005), digitsBefore);
      EXPECT_EQ(ItemText(h, 1006), reveal);
      EXPECT_EQ(stats.Seen(), 0);
    }
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], "A sharing violation occurred while accessing " + wintest::ProgramFolder() + "data/stat.dat.");
    ExpectLook(h, Look::Last);
    EXPECT_EQ(dlg.m_correctCount, 7);
    EXPECT_EQ(dlg.m_currentStep, 8);
    EXPECT_EQ(dlg.m_trainingCount, 2);
    ::CloseHandle(other);
    EXPECT_EQ(wintest::ReadBytes(statPath), "2\r\n50\r\n50\r\n");

    // Released: the next press saves the finished training and completes it.
    StatsShown shown;
    wintest::DialogWatcher stats("Statistics", [&](HWND s) {
      shown = {ItemText(s, 1021), ItemText(s, 1017), ItemText(s, 1019)};
    });
    PressGo(h);
    EXPECT_EQ(stats.Seen(), 1);
    EXPECT_EQ(shown.count, "3");
    EXPECT_EQ(shown.total, "66");
    EXPECT_EQ(shown.last, "100");
    ExpectLook(h, Look::Ready);
    EXPECT_EQ(dlg.m_correctCount, 0);
    EXPECT_EQ(dlg.m_currentStep, 0);
    EXPECT_EQ(wintest::ReadBytes(statPath), "3\r\n66\r\n100\r\n");
  });
}

TEST_F(TrainerTest, AMissingFileIsReportedAndTheWindowStillWorks) {
  ::DeleteFileA(statPath.c_str());
  std::string text;
  HICON icon = nullptr;
  wintest::DialogWatcher box("trainer_tests", [&](HWND b) {
    text = wintest::MessageBoxText(b);
    icon = wintest::MessageBoxIcon(b);
  });
  TrainerProbe dlg;
  wintest::RunModal(dlg, [&](CDialog&) {
    HWND h = dlg.m_hWnd;
    EXPECT_EQ(box.Seen(), 1);
    EXPECT_EQ(dlg.m_trainingCount, 0);
    ExpectLook(h, Look::Ready);
    EXPECT_EQ(ItemText(h, 1007), kInstructions);
    // A whole training creates the file.
    wintest::DialogWatcher stats("Statistics", nullptr);
    for (int press = 1; press <= 8; ++press) PressGo(h);
    EXPECT_EQ(wintest::ReadBytes(statPath), "1\r\n100\r\n100\r\n");
  });
  EXPECT_EQ(text, wintest::ProgramFolder() + "data/stat.dat was not found.");
  EXPECT_EQ(icon, ::LoadIconA(nullptr, MAKEINTRESOURCEA(32513))) << "the stop icon";
}

}  // namespace
