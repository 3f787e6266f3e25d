#include "controls/color_rules.h"

namespace colors {

std::optional<std::uint32_t> ResolveColor(ColorValue value, const SysColorFn& sysColor) {
  const std::uint32_t high = value >> 24;
  if (high == 0xFF) return std::nullopt;
  if (high == 0x80) return sysColor(static_cast<int>(value & 0x00FFFFFFu));
  return value & 0x00FFFFFFu;
}

std::optional<std::uint32_t> SystemBackground(unsigned ctlType, const SysColorFn& sysColor) {
  switch (ctlType) {
    case kCtlEdit:
    case kCtlListBox: return sysColor(kSysWindow);
    case kCtlScrollBar: return std::nullopt;
    default: return sysColor(kSysBtnFace);
  }
}

std::uint32_t SystemText(unsigned ctlType, const SysColorFn& sysColor) {
  return sysColor(ctlType == kCtlBtn ? kSysBtnText : kSysWindowText);
}

ColorDecision DecideColors(const ColorState& s, unsigned ctlType, const SysColorFn& sysColor) {
  ColorDecision d;
  const int phase = s.phase ? 1 : 0;
  auto text = ResolveColor(s.flashText ? s.flashTextColors[phase] : s.textColor, sysColor);
  auto back = ResolveColor(s.flashBackground ? s.flashBkColors[phase] : s.bkColor, sysColor);
  const bool bitmap = s.flashBackground ? s.flashBkBitmaps[phase] : s.bkBitmap;

  if (!text && !back) {
    if (!bitmap) return d;
    back = SystemBackground(ctlType, sysColor);
    if (!back) return d;
    text = SystemText(ctlType, sysColor);
  } else if (!text) {
    text = SystemText(ctlType, sysColor);
  } else if (!back) {
    back = SystemBackground(ctlType, sysColor);
    if (!back) return d;
  }

  d.answer = true;
  d.text = *text;
  d.background = *back;
  d.mapNearest = s.nearestColors;
  d.mode = (s.opaque || (s.nearestColors && !bitmap)) ? BkMode::Opaque : BkMode::Transparent;
  d.brush = bitmap ? BrushKind::Pattern : BrushKind::Solid;
  d.bitmapSlot = s.flashBackground ? phase : -1;
  return d;
}

}  // namespace colors
