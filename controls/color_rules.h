// Colour decisions of the flash colour control, free of any window system.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>

namespace colors {

using ColorValue = std::uint32_t;

// High byte 0xFF: no colour. High byte 0x80: system colour index in the low
// 24 bits. Any other high byte: the explicit colour in the low 24 bits.
constexpr ColorValue kColorNone = 0xFF000000u;
constexpr ColorValue kSysColorFlag = 0x80000000u;

// Win32 control-colour types, as the WM_CTLCOLOR* message minus WM_CTLCOLORMSGBOX.
enum CtlType : unsigned {
  kCtlMsgBox = 0, kCtlEdit = 1, kCtlListBox = 2, kCtlBtn = 3,
  kCtlDlg = 4, kCtlScrollBar = 5, kCtlStatic = 6,
};

// System colour indexes used as defaults.
enum SysColorIndex : int {
  kSysWindow = 5, kSysWindowText = 8, kSysBtnFace = 15, kSysBtnText = 18,
};

using SysColorFn = std::function<std::uint32_t(int index)>;

// What a colour value stands for now; empty for "no colour".
std::optional<std::uint32_t> ResolveColor(ColorValue value, const SysColorFn& sysColor);

// The system background for a control type; empty for the scroll-bar type.
std::optional<std::uint32_t> SystemBackground(unsigned ctlType, const SysColorFn& sysColor);
std::uint32_t SystemText(unsigned ctlType, const SysColorFn& sysColor);

// The control's state as far as a colour request cares.
struct ColorState {
  bool flashText = false;
  bool flashBackground = false;
  bool nearestColors = false;
  bool opaque = false;
  int phase = 0;
  ColorValue textColor = kColorNone;
  ColorValue flashTextColors[2] = {kColorNone, kColorNone};
  ColorValue bkColor = kColorNone;
  bool bkBitmap = false;              // the normal bitmap holds a handle
  ColorValue flashBkColors[2] = {kColorNone, kColorNone};
  bool flashBkBitmaps[2] = {false, false};
};

enum class BkMode { Transparent = 1, Opaque = 2 };
enum class BrushKind { Solid, Pattern };

struct ColorDecision {
  bool answer = false;        // false: answer null and leave the DC alone
  std::uint32_t text = 0;     // before nearest-colour mapping
  std::uint32_t background = 0;
  bool mapNearest = false;    // map background, then text, to the nearest device colours
  BkMode mode = BkMode::Transparent;
  BrushKind brush = BrushKind::Solid;  // Pattern: from the selected bitmap
  int bitmapSlot = -1;        // -1 normal bitmap, 0/1 flash bitmap of that phase
};

// Decides the answer to one colour request of the given type.
ColorDecision DecideColors(const ColorState& state, unsigned ctlType, const SysColorFn& sysColor);

}  // namespace colors
