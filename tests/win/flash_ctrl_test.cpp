// The colour and flash control on real windows: a parent that reflects the
// system's colour requests, and edit controls subclassed or created directly.
#include <gtest/gtest.h>

#include <functional>

#include "controls/flash_color_ctrl.h"
#include "win_util.h"

using CFlashEdit = CFlashColorCtrl<CEdit>;

namespace {

class FlashCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent.CreateEx(0, "STATIC", "parent", WS_POPUP | WS_VISIBLE, 10, 10, 300, 200, nullptr, 0));
    dc = ::GetDC(parent.m_hWnd);  // the screen's colour depth, for nearest colours
  }
  void TearDown() override {
    ::ReleaseDC(parent.m_hWnd, dc);
    parent.DestroyWindow();
  }
  HWND NewEdit() {
    return ::CreateWindowExA(0, "EDIT", "7", WS_CHILD | WS_VISIBLE | ES_READONLY, 0, 0, 100, 60, parent.m_hWnd,
                             reinterpret_cast<HMENU>(100), nullptr, nullptr);
  }
  // Sends the request the system sends before an edit control is drawn.
  HBRUSH Request(UINT message, HWND control) {
    return reinterpret_cast<HBRUSH>(
        ::SendMessageA(parent.m_hWnd, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  }
  void MarkDc() {
    ::SetTextColor(dc, kMark);
    ::SetBkColor(dc, kMark);
    ::SetBkMode(dc, OPAQUE);
  }

  static constexpr COLORREF kMark = RGB(1, 2, 3);
  CWnd parent;
  HDC dc = nullptr;
};

struct RequestCase {
  const char* name;
  std::function<void(CFlashEdit&)> setup;
  UINT message;
  bool answered;
  COLORREF text;  // expected when answered; system colours are filled in below
  COLORREF background;
  int mode;
};

COLORREF Sys(int index) { return ::GetSysColor(index); }

TEST_F(FlashCtrlTest, AnswersColourRequestsByItsDecisionTable) {
  HBITMAP pattern = ::CreateBitmap(8, 8, 1, 1, nullptr);
  const RequestCase cases[] = {
      {"nothing set: the system colours the control", [](CFlashEdit&) {}, WM_CTLCOLORSTATIC, false, 0, 0, 0},
      {"text colour set", [](CFlashEdit& c) { c.SetTextColor(0x00FE0060); }, WM_CTLCOLORSTATIC, true,
       RGB(96, 0, 254), Sys(COLOR_BTNFACE), TRANSPARENT},
      {"text colour set, scroll-bar request", [](CFlashEdit& c) { c.SetTextColor(0x00FE0060); },
       WM_CTLCOLORSCROLLBAR, false, 0, 0, 0},
      {"background only, button request", [](CFlashEdit& c) { c.SetBkColor(RGB(0, 200, 0)); }, WM_CTLCOLORBTN,
       true, Sys(COLOR_BTNTEXT), RGB(0, 200, 0), TRANSPARENT},
      {"background only, scroll-bar request", [](CFlashEdit& c) { c.SetBkColor(RGB(0, 200, 0)); },
       WM_CTLCOLORSCROLLBAR, true, Sys(COLOR_WINDOWTEXT), RGB(0, 200, 0), TRANSPARENT},
      {"system colour value", [](CFlashEdit& c) { c.SetTextColor(0x80000000u | COLOR_BTNFACE); }, WM_CTLCOLOREDIT,
       true, Sys(COLOR_BTNFACE), Sys(COLOR_WINDOW), TRANSPARENT},
      {"high byte 0xFF is no colour", [](CFlashEdit& c) { c.SetTextColor(0xFF123456); }, WM_CTLCOLORSTATIC, false,
       0, 0, 0},
      {"opaque flag", [](CFlashEdit& c) { c.SetTextColor(RGB(10, 20, 30)); c.SetOpaque(TRUE); }, WM_CTLCOLORSTATIC,
       true, RGB(10, 20, 30), Sys(COLOR_BTNFACE), OPAQUE},
      {"nearest colours without a bitmap is opaque",
       [](CFlashEdit& c) { c.SetTextColor(RGB(10, 20, 30)); c.SetNearestColors(TRUE); }, WM_CTLCOLORSTATIC, true,
       RGB(10, 20, 30), Sys(COLOR_BTNFACE), OPAQUE},
      {"bitmap alone takes the system colours",
       [pattern](CFlashEdit& c) { c.SetBkBitmap(static_cast<HBITMAP>(::CopyImage(pattern, IMAGE_BITMAP, 0, 0, 0))); },
       WM_CTLCOLORSTATIC, true, Sys(COLOR_WINDOWTEXT), Sys(COLOR_BTNFACE), TRANSPARENT},
      {"bitmap with nearest colours stays transparent",
       [pattern](CFlashEdit& c) {
         c.SetBkBitmap(static_cast<HBITMAP>(::CopyImage(pattern, IMAGE_BITMAP, 0, 0, 0)));
         c.SetNearestColors(TRUE);
       },
       WM_CTLCOLORSTATIC, true, Sys(COLOR_WINDOWTEXT), Sys(COLOR_BTNFACE), TRANSPARENT},
      {"flashing ignores the normal text colour",
       [](CFlashEdit& c) {
         c.SetFlashTextColors(RGB(1, 1, 200), RGB(2, 2, 200));
         c.StartFlashing();
         c.SetTextColor(RGB(255, 0, 0));
       },
       WM_CTLCOLORSTATIC, true, RGB(1, 1, 200), Sys(COLOR_BTNFACE), TRANSPARENT},
  };
  for (const RequestCase& test : cases) {
    SCOPED_TRACE(test.name);
    CFlashEdit control;
    ASSERT_TRUE(control.SubclassWindow(NewEdit()));
    test.setup(control);
    if (!test.answered) {
      // The control's own answer leaves the device context as it was...
      MarkDc();
      CDC wrapper(dc);
      EXPECT_EQ(control.CtlColor(&wrapper, test.message - WM_CTLCOLORMSGBOX), nullptr);
      EXPECT_EQ(::GetTextColor(dc), kMark) << "the device context must stay untouched";
      EXPECT_EQ(::GetBkColor(dc), kMark);
      EXPECT_EQ(::GetBkMode(dc), OPAQUE);
      // ...and through the parent the system's default processing answers.
      EXPECT_NE(Request(test.message, control.m_hWnd), nullptr);
      EXPECT_EQ(control.GetBrush(), nullptr);
      control.DestroyWindow();
      continue;
    }
    MarkDc();
    HBRUSH brush = Request(test.message, control.m_hWnd);
    ASSERT_NE(control.GetBrush(), nullptr);
    EXPECT_EQ(brush, control.GetBrush());
    EXPECT_EQ(::GetTextColor(dc), test.text);
    EXPECT_EQ(::GetBkColor(dc), test.background);
    EXPECT_EQ(::GetBkMode(dc), test.mode);
    LOGBRUSH info{};
    ASSERT_TRUE(::GetObjectA(brush, sizeof info, &info));
    control.DestroyWindow();
  }
  ::DeleteObject(pattern);
}

TEST_F(FlashCtrlTest, EveryRequestReplacesTheOneBrush) {
  CFlashEdit control;
  ASSERT_TRUE(control.SubclassWindow(NewEdit()));
  control.SetTextColor(RGB(0, 0, 255));
  HBRUSH first = Request(WM_CTLCOLORSTATIC, control.m_hWnd);
  ASSERT_NE(first, nullptr);
  for (int i = 0; i < 200; ++i) Request(WM_CTLCOLORSTATIC, control.m_hWnd);
  HBRUSH last = Request(WM_CTLCOLORSTATIC, control.m_hWnd);
  ASSERT_NE(last, nullptr);
  if (first != last) {
    EXPECT_EQ(::GetObjectType(first), 0u) << "the earlier brush must be deleted";
  }
  EXPECT_EQ(::GetObjectType(last), static_cast<DWORD>(OBJ_BRUSH));
}

TEST_F(FlashCtrlTest, FlashingBeforeTheWindowExistsStartsAtSubclassing) {
  CFlashEdit control;
  control.StartFlashing();
  EXPECT_EQ(control.GetTimerId(), 0u);
  ASSERT_TRUE(control.SubclassWindow(NewEdit()));
  EXPECT_EQ(control.GetTimerId(), 1u);
  control.StartFlashing();  // a second start keeps the one timer
  EXPECT_EQ(control.GetTimerId(), 1u);
  EXPECT_EQ(control.GetPhase(), 0);
}

TEST_F(FlashCtrlTest, FlashingBeforeCreationStartsWhenTheWindowIsCreated) {
  CFlashEdit control;
  control.StartFlashing();
  ASSERT_TRUE(control.CreateEx(0, "EDIT", "5", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, parent.m_hWnd, 101));
  EXPECT_EQ(control.GetTimerId(), 1u);
}

TEST_F(FlashCtrlTest, TicksToggleThePhaseAndTheColour) {
  CFlashEdit control;
  ASSERT_TRUE(control.SubclassWindow(NewEdit()));
  control.SetPeriod(100);
  control.SetFlashTextColors(RGB(96, 0, 254), RGB(91, 0, 254));
  control.StartFlashing();
  ASSERT_EQ(control.GetTimerId(), 1u);
  // The real timer flips the phase.
  ASSERT_TRUE(wintest::WaitFor([&] { return control.GetPhase() == 1; }));
  Request(WM_CTLCOLORSTATIC, control.m_hWnd);
  EXPECT_EQ(::GetTextColor(dc), RGB(91, 0, 254));
  ASSERT_TRUE(wintest::WaitFor([&] { return control.GetPhase() == 0; }));
  Request(WM_CTLCOLORSTATIC, control.m_hWnd);
  EXPECT_EQ(::GetTextColor(dc), RGB(96, 0, 254));
}

TEST_F(FlashCtrlTest, TimerMessagesOfAnotherIdentifierLeaveThePhase) {
  CFlashEdit control;
  ASSERT_TRUE(control.SubclassWindow(NewEdit()));
  control.StartFlashing();
  ::SendMessageA(control.m_hWnd, WM_TIMER, 7, 0);
  EXPECT_EQ(control.GetPhase(), 0);
  ::SendMessageA(control.m_hWnd, WM_TIMER, 1, 0);
  EXPECT_EQ(control.GetPhase(), 1);
}

TEST_F(FlashCtrlTest, DestroyingTheWindowStopsTheTimerAndKeepsTheFlags) {
  CFlashEdit control;
  ASSERT_TRUE(control.SubclassWindow(NewEdit()));
  control.StartFlashing();
  ::SendMessageA(control.m_hWnd, WM_TIMER, 1, 0);
  ASSERT_EQ(control.GetPhase(), 1);
  HWND wnd = control.m_hWnd;
  ::DestroyWindow(wnd);
  EXPECT_EQ(control.GetTimerId(), 0u);
  EXPECT_EQ(control.GetPhase(), 0);
  EXPECT_TRUE(control.IsFlashingText());
  EXPECT_EQ(control.m_hWnd, nullptr) << "the object lets go of a destroyed window";
  // A new window picks the flashing up again.
  ASSERT_TRUE(control.SubclassWindow(NewEdit()));
  EXPECT_EQ(control.GetTimerId(), 1u);
}

TEST_F(FlashCtrlTest, SetTextColorOnlyStoresWithoutAWindow) {
  CFlashEdit control;
  control.SetTextColor(RGB(1, 2, 3));
  control.StartFlashing();
  EXPECT_EQ(control.GetTextColor(), RGB(1, 2, 3));
  EXPECT_EQ(control.GetTimerId(), 0u);
}

}  // namespace
