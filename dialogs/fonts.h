// The program's fonts: Arial in the sizes and weights its dialogs use.
#pragma once
#include "framework/gdi.h"

// Creates `font` as Arial with a character-cell height of `height` logical units.
inline void CreateArial(CFont& font, int height, int weight) {
  font.CreateFont(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}

// Gives `wnd` the font and redraws it.
inline void SetFont(CWnd& wnd, const CFont& font) {
  wnd.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.m_hObject), TRUE);
}
