#include "controls/color_rules.h"

#include <gtest/gtest.h>

using namespace colors;

namespace {

// A system palette whose colours are easy to tell apart: index i gives 0x100 + i.
std::uint32_t FakeSys(int index) { return 0x100u + static_cast<std::uint32_t>(index); }
constexpr std::uint32_t kBtnFace = 0x100 + kSysBtnFace;
constexpr std::uint32_t kWindow = 0x100 + kSysWindow;
constexpr std::uint32_t kWindowText = 0x100 + kSysWindowText;
constexpr std::uint32_t kBtnText = 0x100 + kSysBtnText;

struct Case {
  const char* name;
  ColorState state;
  unsigned type;
  bool answer;
  std::uint32_t text, background;
  BkMode mode;
  BrushKind brush;
};

ColorState With(std::function<void(ColorState&)> f) {
  ColorState s;
  f(s);
  return s;
}

}  // namespace

TEST(ResolveColor, ByHighByte) {
  EXPECT_EQ(ResolveColor(0x80000000u | 15, FakeSys), std::optional<std::uint32_t>(kBtnFace));
  EXPECT_EQ(ResolveColor(0x00FE0060u, FakeSys), std::optional<std::uint32_t>(0xFE0060u));
  EXPECT_EQ(ResolveColor(0x01123456u, FakeSys), std::optional<std::uint32_t>(0x123456u));
  EXPECT_EQ(ResolveColor(0x02ABCDEFu, FakeSys), std::optional<std::uint32_t>(0xABCDEFu));
  EXPECT_EQ(ResolveColor(kColorNone, FakeSys), std::nullopt);
  EXPECT_EQ(ResolveColor(0xFF123456u, FakeSys), std::nullopt);
  // 0xFE0060 is red 96, green 0, blue 254.
  const auto c = *ResolveColor(0xFE0060u, FakeSys);
  EXPECT_EQ(c & 0xFF, 96u);
  EXPECT_EQ((c >> 8) & 0xFF, 0u);
  EXPECT_EQ((c >> 16) & 0xFF, 254u);
}

TEST(DecideColors, Table) {
  const Case cases[] = {
      {"nothing set: no answer", ColorState{}, kCtlStatic, false, 0, 0, BkMode::Transparent, BrushKind::Solid},
      {"bitmap only: system colours, pattern brush",
       With([](ColorState& s) { s.bkBitmap = true; }), kCtlStatic, true, kWindowText, kBtnFace,
       BkMode::Transparent, BrushKind::Pattern},
      {"bitmap only, scroll bar: no answer", With([](ColorState& s) { s.bkBitmap = true; }),
       kCtlScrollBar, false, 0, 0, BkMode::Transparent, BrushKind::Solid},
      {"background only: window text", With([](ColorState& s) { s.bkColor = 0x123456; }), kCtlStatic,
       true, kWindowText, 0x123456, BkMode::Transparent, BrushKind::Solid},
      {"background only, button: button text", With([](ColorState& s) { s.bkColor = 0x123456; }),
       kCtlBtn, true, kBtnText, 0x123456, BkMode::Transparent, BrushKind::Solid},
      {"background only, scroll bar: answered", With([](ColorState& s) { s.bkColor = 0x123456; }),
       kCtlScrollBar, true, kWindowText, 0x123456, BkMode::Transparent, BrushKind::Solid},
      {"text only, static: button face", With([](ColorState& s) { s.textColor = 0xFE0060; }),
       kCtlStatic, true, 0xFE0060, kBtnFace, BkMode::Transparent, BrushKind::Solid},
      {"text only, edit: window", With([](ColorState& s) { s.textColor = 0xFE0060; }), kCtlEdit,
       true, 0xFE0060, kWindow, BkMode::Transparent, BrushKind::Solid},
      {"text only, list box: window", With([](ColorState& s) { s.textColor = 1; }), kCtlListBox,
       true, 1, kWindow, BkMode::Transparent, BrushKind::Solid},
      {"text only, message box / button / dialog / unknown: button face",
       With([](ColorState& s) { s.textColor = 1; }), 42, true, 1, kBtnFace, BkMode::Transparent,
       BrushKind::Solid},
      {"text only, scroll bar: no answer", With([](ColorState& s) { s.textColor = 1; }),
       kCtlScrollBar, false, 0, 0, BkMode::Transparent, BrushKind::Solid},
      {"both set", With([](ColorState& s) { s.textColor = 1; s.bkColor = 2; }), kCtlStatic, true, 1,
       2, BkMode::Transparent, BrushKind::Solid},
      {"both set with bitmap", With([](ColorState& s) { s.textColor = 1; s.bkColor = 2; s.bkBitmap = true; }),
       kCtlStatic, true, 1, 2, BkMode::Transparent, BrushKind::Pattern},
      {"system colour value", With([](ColorState& s) { s.textColor = 0x80000000u | 15; }), kCtlStatic,
       true, kBtnFace, kBtnFace, BkMode::Transparent, BrushKind::Solid},
      {"nearest without bitmap: opaque",
       With([](ColorState& s) { s.textColor = 1; s.nearestColors = true; }), kCtlStatic, true, 1,
       kBtnFace, BkMode::Opaque, BrushKind::Solid},
      {"nearest with bitmap: transparent",
       With([](ColorState& s) { s.textColor = 1; s.nearestColors = true; s.bkBitmap = true; }),
       kCtlStatic, true, 1, kBtnFace, BkMode::Transparent, BrushKind::Pattern},
      {"opaque flag", With([](ColorState& s) { s.textColor = 1; s.opaque = true; s.bkBitmap = true; }),
       kCtlStatic, true, 1, kBtnFace, BkMode::Opaque, BrushKind::Pattern},
      {"flashing text ignores the normal text colour",
       With([](ColorState& s) {
         s.textColor = 7; s.flashText = true; s.flashTextColors[0] = 0xFE0060; s.flashTextColors[1] = 0xFE005B; s.phase = 1;
       }),
       kCtlStatic, true, 0xFE005B, kBtnFace, BkMode::Transparent, BrushKind::Solid},
      {"flashing text phase 0", With([](ColorState& s) {
         s.flashText = true; s.flashTextColors[0] = 0xFE0060; s.flashTextColors[1] = 0xFE005B;
       }),
       kCtlStatic, true, 0xFE0060, kBtnFace, BkMode::Transparent, BrushKind::Solid},
      {"flashing background ignores the normal background and bitmap",
       With([](ColorState& s) { s.textColor = 1; s.bkColor = 2; s.bkBitmap = true; s.flashBackground = true; }),
       kCtlStatic, true, 1, kBtnFace, BkMode::Transparent, BrushKind::Solid},
      {"flashing background uses the phase's colour and bitmap",
       With([](ColorState& s) {
         s.textColor = 1; s.flashBackground = true; s.phase = 1; s.flashBkColors[1] = 9; s.flashBkBitmaps[1] = true;
       }),
       kCtlStatic, true, 1, 9, BkMode::Transparent, BrushKind::Pattern},
      {"flashing text with both colours none: no answer",
       With([](ColorState& s) { s.textColor = 1; s.flashText = true; }), kCtlStatic, false, 0, 0,
       BkMode::Transparent, BrushKind::Solid},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ColorDecision d = DecideColors(c.state, c.type, FakeSys);
    ASSERT_EQ(d.answer, c.answer);
    if (!c.answer) continue;
    EXPECT_EQ(d.text, c.text);
    EXPECT_EQ(d.background, c.background);
    EXPECT_EQ(d.mode, c.mode);
    EXPECT_EQ(d.brush, c.brush);
    EXPECT_EQ(d.mapNearest, c.state.nearestColors);
  }
}

TEST(DecideColors, SystemColoursAreReadAtEveryRequest) {
  ColorState s;
  s.textColor = 1;
  std::uint32_t face = 0x111111;
  auto sys = [&](int i) { return i == kSysBtnFace ? face : 0u; };
  EXPECT_EQ(DecideColors(s, kCtlStatic, sys).background, 0x111111u);
  face = 0x222222;
  EXPECT_EQ(DecideColors(s, kCtlStatic, sys).background, 0x222222u);
}
