// The application framework over Win32: run-time class records, message maps,
// windows with one shared window procedure, subclassing, reflection of colour
// requests and the catch of exceptions raised while handling a message.
#pragma once
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>

#include "framework/cstring.h"

class CCmdTarget;
class CWnd;
class CDC;
class CFont;

// ---- run-time class records --------------------------------------------
struct CRuntimeClass {
  const char* m_lpszClassName;
  const CRuntimeClass* m_pBaseClass;
  bool IsDerivedFrom(const CRuntimeClass* base) const;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)
#define DECLARE_DYNAMIC(class_name)                      \
 public:                                                 \
  static const CRuntimeClass class##class_name;          \
  const CRuntimeClass* GetRuntimeClass() const override;
#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                        \
  const CRuntimeClass class_name::class##class_name = {#class_name, RUNTIME_CLASS(base_class_name)}; \
  const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

class CObject {
 public:
  static const CRuntimeClass classCObject;
  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const;
  bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }
};

// ---- message maps -------------------------------------------------------
// Each entry's handler unpacks the message and calls the member; it answers
// false when the message stays unanswered and goes to the default processing.
using AfxHandler = bool (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT* result);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;     // WM_COMMAND notification code
  UINT nID;       // first command or control id
  UINT nLastID;   // last id of the range
  AfxHandler pfn; // null ends the table
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// All seven WM_CTLCOLOR* messages are dispatched under WM_CTLCOLOR with this record.
struct AFX_CTLCOLOR {
  HWND hWnd;       // the control that asks
  HDC hDC;
  UINT nCtlType;   // CTLCOLOR_MSGBOX .. CTLCOLOR_STATIC
};
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
#define WM_REFLECT_BASE 0xBC00

#define DECLARE_MESSAGE_MAP()                        \
 protected:                                          \
  static const AFX_MSGMAP* GetThisMessageMap();      \
  const AFX_MSGMAP* GetMessageMap() const override;

#define AFX_MSGMAP_BODY_BEGIN(theClass, baseClass)                 \
    using ThisClass [[maybe_unused]] = theClass;                   \
    using TheBaseClass = baseClass;                                \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }   \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                   \
    AFX_MSGMAP_BODY_BEGIN(theClass, baseClass)

#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass)                     \
  template <typename type_name>                                                        \
  const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const { return GetThisMessageMap(); } \
  template <typename type_name>                                                        \
  const AFX_MSGMAP* theClass<type_name>::GetThisMessageMap() {                         \
    AFX_MSGMAP_BODY_BEGIN(theClass<type_name>, baseClass)

#define END_MESSAGE_MAP()                                                              \
      {0, 0, 0, 0, nullptr}};                                                          \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                                \
  }

#define AFX_THIS(t) static_cast<ThisClass*>(t)

#define ON_COMMAND(id, memberFxn)                                                     \
  {WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id),                        \
   [](CCmdTarget* t, WPARAM, LPARAM, LRESULT*) -> bool { (AFX_THIS(t)->*(memberFxn))(); return true; }},
#define ON_WM_SYSCOMMAND()                                                            \
  {WM_SYSCOMMAND, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT*) -> bool {    \
     AFX_THIS(t)->OnSysCommand(static_cast<UINT>(w), l); return true; }},
#define ON_WM_PAINT()                                                                 \
  {WM_PAINT, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM, LRESULT*) -> bool { AFX_THIS(t)->OnPaint(); return true; }},
#define ON_WM_QUERYDRAGICON()                                                         \
  {WM_QUERYDRAGICON, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM, LRESULT* r) -> bool {   \
     *r = reinterpret_cast<LRESULT>(AFX_THIS(t)->OnQueryDragIcon()); return true; }},
#define ON_WM_TIMER()                                                                 \
  {WM_TIMER, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM, LRESULT*) -> bool {           \
     AFX_THIS(t)->OnTimer(static_cast<UINT_PTR>(w)); return true; }},
#define ON_WM_CREATE()                                                                \
  {WM_CREATE, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM l, LRESULT* r) -> bool {        \
     *r = AFX_THIS(t)->OnCreate(reinterpret_cast<LPCREATESTRUCTA>(l)); return true; }},
#define ON_WM_DESTROY()                                                               \
  {WM_DESTROY, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM, LRESULT*) -> bool { AFX_THIS(t)->OnDestroy(); return true; }},
#define ON_WM_CTLCOLOR()                                                              \
  {WM_CTLCOLOR, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM l, LRESULT* r) -> bool {      \
     const AFX_CTLCOLOR* c = reinterpret_cast<const AFX_CTLCOLOR*>(l);                   \
     CDC dc(c->hDC);                                                                     \
     *r = reinterpret_cast<LRESULT>(AFX_THIS(t)->OnCtlColor(&dc, CWnd::FromHandle(c->hWnd), c->nCtlType)); \
     return true; }},
#define ON_WM_CTLCOLOR_REFLECT()                                                      \
  {WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM l, LRESULT* r) -> bool { \
     const AFX_CTLCOLOR* c = reinterpret_cast<const AFX_CTLCOLOR*>(l);                   \
     CDC dc(c->hDC);                                                                     \
     HBRUSH brush = AFX_THIS(t)->CtlColor(&dc, c->nCtlType);                             \
     *r = reinterpret_cast<LRESULT>(brush); return brush != nullptr; }},
#define ON_WM_HELPINFO()                                                              \
  {WM_HELP, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM l, LRESULT* r) -> bool {          \
     *r = AFX_THIS(t)->OnHelpInfo(reinterpret_cast<HELPINFO*>(l)); return true; }},

class CCmdTarget : public CObject {
 public:
  static const CRuntimeClass classCCmdTarget;
  // Looks the message up in this object's map and its bases; true when a handler answered.
  bool DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};

// ---- device context wrapper (declared here: the colour handlers take one) --
class CDC {
 public:
  CDC() = default;
  explicit CDC(HDC hDC) : m_hDC(hDC) {}
  virtual ~CDC() = default;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  HDC GetSafeHdc() const { return m_hDC; }
  COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
  COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
  COLORREF GetNearestColor(COLORREF c) const { return ::GetNearestColor(m_hDC, c); }
  BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
  HDC m_hDC = nullptr;
};

// ---- windows ------------------------------------------------------------
class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)
 public:
  CWnd() = default;
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // The object that owns the window, or null.
  static CWnd* FromHandlePermanent(HWND hWnd);
  // The owning object, or a temporary wrapper that lives while the window does.
  static CWnd* FromHandle(HWND hWnd);

  BOOL Attach(HWND hWnd);
  HWND Detach();
  // Takes over the window's messages; PreSubclassWindow runs first.
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();
  // Creates a window whose every message, from the first, passes through this object.
  BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                int width, int height, HWND parent, UINT id);
  BOOL DestroyWindow();

  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Passes the message being handled to the window's previous procedure.
  LRESULT Default();
  virtual void PreSubclassWindow() {}

  // Thin wrappers over the handle.
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) { return ::SetTimer(m_hWnd, id, elapse, proc); }
  BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
  void InvalidateRect(const RECT* rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  BOOL ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  void SetWindowText(LPCSTR text) { ::SetWindowTextA(m_hWnd, text); }
  void GetWindowText(CString& text) const;
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
  void CheckRadioButton(int first, int last, int check) { ::CheckRadioButton(m_hWnd, first, last, check); }
  UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
  // The first checked button from `first` to `last`, or 0.
  int GetCheckedRadioButton(int first, int last) const;
  HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }
  HICON SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
  }
  void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

  // Default answer to a colour request from a child: the child's own object
  // decides first (the reflected request); null falls back to the system.
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
  void OnDestroy() { Default(); }
  int OnCreate(LPCREATESTRUCTA) { return static_cast<int>(Default()); }
  void OnSysCommand(UINT, LPARAM) { Default(); }
  void OnPaint() { Default(); }
  BOOL OnHelpInfo(HELPINFO*);

 protected:
  // Offers a child's message back to the child's object; true when it answered.
  bool ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  WNDPROC m_pfnSuper = nullptr;

  DECLARE_MESSAGE_MAP()

  friend LRESULT AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
  friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK AfxCbtHook(int, WPARAM, LPARAM);
  void FinalDetach();  // at WM_NCDESTROY
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Runs one message through the object, catching whatever a handler raises.
LRESULT AfxCallWndProc(CWnd* wnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// ---- control wrappers ---------------------------------------------------
class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)
};

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)
};

class CSliderCtrl : public CWnd {
  DECLARE_DYNAMIC(CSliderCtrl)
 public:
  // Sends TBM_SETRANGEMIN, then TBM_SETRANGEMAX with the redraw flag.
  void SetRange(int minimum, int maximum, BOOL redraw = FALSE) {
    SendMessage(TBM_SETRANGEMIN, FALSE, minimum);
    SendMessage(TBM_SETRANGEMAX, redraw, maximum);
  }
  int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
};

// ---- exceptions ---------------------------------------------------------
class CException {
 public:
  virtual ~CException() = default;
  // The text the user is shown.
  virtual CString GetErrorMessage() const = 0;
  // Shows the standard error box: the text, a stop icon, the program's name as caption.
  int ReportError(UINT type = MB_OK | MB_ICONSTOP) const;
};

// Reports the exception being handled (call it inside a catch block): a
// framework exception with its own text, anything else with a generic one.
void AfxReportCurrentException();

// A message box with the program's name as caption, owned by the main window
// when it can take input, else by the active window.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK);

// The program's name: the base name of its executable ("mentavo" for mentavo.exe).
LPCSTR AfxGetAppName();
HINSTANCE AfxGetResourceHandle();
