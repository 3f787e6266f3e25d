// GDI wrappers. Each object owns its handle and deletes it when replaced or destroyed.
#pragma once
#include "framework/wnd.h"

class CGdiObject : public CObject {
 public:
  CGdiObject() = default;
  ~CGdiObject() override { DeleteObject(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ m_hObject = nullptr;
  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  // Takes ownership of `handle`, deleting the one held before; null leaves the object empty.
  BOOL Attach(HGDIOBJ handle) {
    DeleteObject();
    m_hObject = handle;
    return handle != nullptr;
  }
  HGDIOBJ Detach() {
    HGDIOBJ handle = m_hObject;
    m_hObject = nullptr;
    return handle;
  }
  BOOL DeleteObject() {
    if (!m_hObject) return FALSE;
    const BOOL ok = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return ok;
  }
};

class CFont : public CGdiObject {
 public:
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }
  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                  BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                  BYTE quality, BYTE pitchAndFamily, LPCSTR faceName) {
    return Attach(::CreateFontA(height, width, escapement, orientation, weight, italic, underline,
                                strikeOut, charSet, outPrecision, clipPrecision, quality,
                                pitchAndFamily, faceName));
  }
};

class CBitmap : public CGdiObject {
 public:
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CBrush : public CGdiObject {
 public:
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
  BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
  BOOL CreatePatternBrush(const CBitmap* bitmap) {
    return Attach(::CreatePatternBrush(static_cast<HBITMAP>(bitmap->m_hObject)));
  }
};

// BeginPaint and EndPaint around the life of the object.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
  ~CPaintDC() override { ::EndPaint(m_hWnd, &m_ps); }
  PAINTSTRUCT m_ps{};

 private:
  HWND m_hWnd;
};
