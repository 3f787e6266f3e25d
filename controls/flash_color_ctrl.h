// A control that paints its text and background in chosen colours and can
// flicker between two colour sets on its own window timer. It never paints
// itself: it answers the colour requests its parent reflects back to it.
#pragma once
#include "controls/color_rules.h"
#include "framework/gdi.h"

using colors::kColorNone;

template <class Base>
class CFlashColorCtrl : public Base {
 public:
  CFlashColorCtrl() = default;
  ~CFlashColorCtrl() override = default;

  // The normal text colour; repaints when the window exists.
  void SetTextColor(colors::ColorValue color) {
    m_textColor = color;
    if (::IsWindow(this->m_hWnd)) this->InvalidateRect(nullptr, TRUE);
  }
  // Text colours of phase 0 and phase 1; the next tick shows them.
  void SetFlashTextColors(colors::ColorValue phase0, colors::ColorValue phase1) {
    m_flashTextColors[0] = phase0;
    m_flashTextColors[1] = phase1;
  }
  void StartFlashing() {
    m_flashText = TRUE;
    m_flashBackground = TRUE;
    if (::IsWindow(this->m_hWnd)) StartTimer();
  }

  // Answer to the reflected colour request: the brush, or null to leave the
  // control to the system's colours.
  HBRUSH CtlColor(CDC* dc, UINT ctlColor) {
    const colors::ColorDecision d = colors::DecideColors(State(), ctlColor, [](int index) {
      return static_cast<std::uint32_t>(::GetSysColor(index));
    });
    if (!d.answer) return nullptr;
    COLORREF background = d.background, text = d.text;
    if (d.mapNearest) {
      background = dc->GetNearestColor(background);
      text = dc->GetNearestColor(text);
    }
    dc->SetBkMode(d.mode == colors::BkMode::Opaque ? OPAQUE : TRANSPARENT);
    dc->SetTextColor(text);
    dc->SetBkColor(background);
    m_brush.DeleteObject();
    if (d.brush == colors::BrushKind::Pattern)
      m_brush.CreatePatternBrush(d.bitmapSlot < 0 ? &m_bkBitmap : &m_flashBkBitmaps[d.bitmapSlot]);
    else
      m_brush.CreateSolidBrush(background);
    return static_cast<HBRUSH>(m_brush.m_hObject);
  }

  // Children of the control are painted in the control's colours.
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
    if (!wnd || wnd->m_hWnd != this->m_hWnd) wnd = this;
    return CWnd::OnCtlColor(dc, wnd, ctlColor);
  }

  void OnTimer(UINT_PTR id) {
    if (id != m_timerId) {
      this->Default();
      return;
    }
    if (!m_flashText && !m_flashBackground) return;
    m_phase = m_phase == 0 ? 1 : 0;
    this->InvalidateRect(nullptr, TRUE);
  }

  int OnCreate(LPCREATESTRUCTA) {
    if (this->Default() == -1) return -1;
    StartTimer();
    return 0;
  }

  void OnDestroy() {
    this->KillTimer(m_timerId);
    m_timerId = 0;
    m_phase = 0;
    CWnd::OnDestroy();
  }

  void PreSubclassWindow() override {
    StartTimer();
    Base::PreSubclassWindow();
  }

  // Read-only views for the program's tests and tools.
  UINT_PTR GetTimerId() const { return m_timerId; }
  int GetPhase() const { return m_phase; }
  BOOL IsFlashingText() const { return m_flashText; }
  colors::ColorValue GetTextColor() const { return m_textColor; }
  colors::ColorValue GetFlashTextColor(int phase) const { return m_flashTextColors[phase ? 1 : 0]; }
  HBRUSH GetBrush() const { return static_cast<HBRUSH>(m_brush.m_hObject); }

  // Settings the program leaves at their first values; the colour request honours them.
  void SetPeriod(UINT ms) { m_periodMs = ms; }
  void SetBkColor(colors::ColorValue color) { m_bkColor = color; }
  void SetFlashBkColors(colors::ColorValue phase0, colors::ColorValue phase1) {
    m_flashBkColors[0] = phase0;
    m_flashBkColors[1] = phase1;
  }
  void SetBkBitmap(HBITMAP bitmap) { m_bkBitmap.Attach(bitmap); }
  void SetFlashBkBitmap(int phase, HBITMAP bitmap) { m_flashBkBitmaps[phase ? 1 : 0].Attach(bitmap); }
  void SetNearestColors(BOOL on) { m_nearestColors = on; }
  void SetOpaque(BOOL on) { m_opaque = on; }

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  void StartTimer() {
    if (m_timerId == 0 && (m_flashText || m_flashBackground)) m_timerId = this->SetTimer(1, m_periodMs, nullptr);
  }
  colors::ColorState State() const {
    colors::ColorState s;
    s.flashText = m_flashText;
    s.flashBackground = m_flashBackground;
    s.nearestColors = m_nearestColors;
    s.opaque = m_opaque;
    s.phase = m_phase;
    s.textColor = m_textColor;
    s.flashTextColors[0] = m_flashTextColors[0];
    s.flashTextColors[1] = m_flashTextColors[1];
    s.bkColor = m_bkColor;
    s.bkBitmap = m_bkBitmap.m_hObject != nullptr;
    s.flashBkColors[0] = m_flashBkColors[0];
    s.flashBkColors[1] = m_flashBkColors[1];
    s.flashBkBitmaps[0] = m_flashBkBitmaps[0].m_hObject != nullptr;
    s.flashBkBitmaps[1] = m_flashBkBitmaps[1].m_hObject != nullptr;
    return s;
  }

  UINT_PTR m_timerId = 0;
  int m_phase = 0;
  UINT m_periodMs = 3000;
  BOOL m_flashText = FALSE;
  BOOL m_flashBackground = FALSE;
  BOOL m_nearestColors = FALSE;
  BOOL m_opaque = FALSE;
  colors::ColorValue m_textColor = kColorNone;
  colors::ColorValue m_flashTextColors[2] = {kColorNone, kColorNone};
  colors::ColorValue m_bkColor = kColorNone;
  CBitmap m_bkBitmap;
  colors::ColorValue m_flashBkColors[2] = {kColorNone, kColorNone};
  CBitmap m_flashBkBitmaps[2];
  CBrush m_brush;
};

BEGIN_TEMPLATE_MESSAGE_MAP(CFlashColorCtrl, Base, Base)
  ON_WM_CTLCOLOR_REFLECT()
  ON_WM_CTLCOLOR()
  ON_WM_DESTROY()
  ON_WM_TIMER()
  ON_WM_CREATE()
END_MESSAGE_MAP()
