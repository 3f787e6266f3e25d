#include "framework/wnd.h"

#include <exception>
#include <memory>
#include <new>
#include <unordered_map>

#include "framework/app.h"
#include "framework/mbcs.h"

// ---- run-time classes ---------------------------------------------------
const CRuntimeClass CObject::classCObject = {"CObject", nullptr};
const CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
  for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
    if (c == base) return true;
  return false;
}

const CRuntimeClass CCmdTarget::classCCmdTarget = {"CCmdTarget", &CObject::classCObject};
IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

// ---- CString ------------------------------------------------------------
int CString::Find(const char* what, int start) const {
  return mbcs::Find(s_, what ? what : "", start, [](unsigned char c) { return IsDBCSLeadByte(c) != FALSE; });
}

int CString::Delete(int index, int count) {
  if (index < 0) index = 0;
  if (count > 0 && static_cast<std::size_t>(index) < s_.size()) s_.erase(Clamp(index), Clamp(count));
  return GetLength();
}

// ---- message maps -------------------------------------------------------
const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}
const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

bool CCmdTarget::DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const UINT code = HIWORD(wParam), id = LOWORD(wParam);
  for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
      if (e->nMessage != message) continue;
      // Menu items send code 0, accelerators 1, a clicked button BN_CLICKED (0).
      if (message == WM_COMMAND && (code > 1 || id < e->nID || id > e->nLastID)) continue;
      return e->pfn(this, wParam, lParam, result);
    }
  }
  return false;
}

// ---- handle maps --------------------------------------------------------
namespace {

struct ThreadState {
  std::unordered_map<HWND, CWnd*> permanent;
  std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
  MSG current{};                 // the message being handled, for Default()
  CWnd* creating = nullptr;      // the object whose window CreateEx is making
};

ThreadState& State() {
  thread_local ThreadState state;
  return state;
}

}  // namespace

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  auto& map = State().permanent;
  auto it = map.find(hWnd);
  return it == map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return nullptr;
  if (CWnd* wnd = FromHandlePermanent(hWnd)) return wnd;
  auto& temp = State().temporary;
  // Wrappers of windows that are gone are dropped, so the map stays small.
  for (auto it = temp.begin(); it != temp.end();) it = ::IsWindow(it->first) ? std::next(it) : temp.erase(it);
  auto& slot = temp[hWnd];
  if (!slot) {
    slot = std::make_unique<CWnd>();
    slot->m_hWnd = hWnd;
  }
  return slot.get();
}

CWnd::~CWnd() {
  if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
    // The object ends before its window: the window goes with it.
    HWND hWnd = m_hWnd;
    UnsubclassWindow();
    ::DestroyWindow(hWnd);
  }
}

BOOL CWnd::Attach(HWND hWnd) {
  if (!hWnd || m_hWnd) return FALSE;
  State().temporary.erase(hWnd);
  State().permanent[hWnd] = this;
  m_hWnd = hWnd;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (hWnd) State().permanent.erase(hWnd);
  m_hWnd = nullptr;
  return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!::IsWindow(hWnd) || FromHandlePermanent(hWnd) || !Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  WNDPROC old = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  if (old != &AfxWndProc) m_pfnSuper = old;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
  if (m_pfnSuper && reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == &AfxWndProc)
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  return Detach();
}

void CWnd::FinalDetach() {
  if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
  UnsubclassWindow();
}

LRESULT CALLBACK AfxCbtHook(int code, WPARAM wParam, LPARAM lParam) {
  ThreadState& st = State();
  if (code == HCBT_CREATEWND && st.creating) {
    CWnd* wnd = st.creating;
    st.creating = nullptr;
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    wnd->Attach(hWnd);
    WNDPROC old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc) wnd->m_pfnSuper = old;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, UINT id) {
  ThreadState& st = State();
  st.creating = this;
  HHOOK hook = ::SetWindowsHookExA(WH_CBT, &AfxCbtHook, nullptr, ::GetCurrentThreadId());
  HWND hWnd = ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), AfxGetResourceHandle(), nullptr);
  ::UnhookWindowsHookEx(hook);
  st.creating = nullptr;
  return hWnd != nullptr;
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

void CWnd::GetWindowText(CString& text) const {
  const int length = ::GetWindowTextLengthA(m_hWnd);
  std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int got = ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
  buffer.resize(static_cast<std::size_t>(got < 0 ? 0 : got));
  text = CString(std::move(buffer));
}

int CWnd::GetCheckedRadioButton(int first, int last) const {
  for (int id = first; id <= last; ++id)
    if (IsDlgButtonChecked(id)) return id;
  return 0;
}

// ---- dispatch -----------------------------------------------------------
BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_WM_CTLCOLOR()
  ON_WM_HELPINFO()
END_MESSAGE_MAP()

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  AFX_CTLCOLOR ctl;
  UINT mapped = message;
  LPARAM mappedParam = lParam;
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
    ctl = {reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX};
    mapped = WM_CTLCOLOR;
    mappedParam = reinterpret_cast<LPARAM>(&ctl);
  }
  if (DispatchToMap(mapped, wParam, mappedParam, &result)) return result;
  // A command nobody in the window handles goes to the application (the main window's commands).
  if (message == WM_COMMAND) {
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this && app->DispatchToMap(message, wParam, lParam, &result)) return result;
  }
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG& m = State().current;
  return DefWindowProc(m.message, m.wParam, m.lParam);
}

bool CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  return DispatchToMap(WM_REFLECT_BASE + message, wParam, lParam, result);
}

HBRUSH CWnd::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
  if (wnd) {
    AFX_CTLCOLOR ctl = {wnd->m_hWnd, dc->m_hDC, ctlColor};
    LRESULT result = 0;
    if (wnd->ReflectChildNotify(WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl), &result) && result)
      return reinterpret_cast<HBRUSH>(result);
  }
  return reinterpret_cast<HBRUSH>(Default());
}

BOOL CWnd::OnHelpInfo(HELPINFO*) {
  // F1: the main window is asked for help with ID_HELP.
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd && app->m_pMainWnd->m_hWnd && ::IsWindowEnabled(app->m_pMainWnd->m_hWnd)) {
    app->m_pMainWnd->SendMessage(WM_COMMAND, ID_HELP);
    return TRUE;
  }
  return static_cast<BOOL>(Default());
}

LRESULT AfxCallWndProc(CWnd* wnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ThreadState& st = State();
  const MSG saved = st.current;
  st.current = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
  LRESULT result = 0;
  try {
    result = wnd->WindowProc(message, wParam, lParam);
  } catch (...) {
    AfxReportCurrentException();
  }
  if (message == WM_NCDESTROY && wnd->m_hWnd == hWnd) wnd->FinalDetach();
  st.current = saved;
  return result;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
  if (!wnd) return ::DefWindowProcA(hWnd, message, wParam, lParam);
  return AfxCallWndProc(wnd, hWnd, message, wParam, lParam);
}

// ---- error boxes --------------------------------------------------------
int CException::ReportError(UINT type) const { return AfxMessageBox(GetErrorMessage(), type); }

void AfxReportCurrentException() {
  try {
    throw;
  } catch (const CException& e) {
    e.ReportError();
  } catch (const std::bad_alloc&) {
    AfxMessageBox("Out of memory.", MB_OK | MB_ICONSTOP);
  } catch (...) {
    AfxMessageBox("An unsupported operation was attempted.", MB_OK | MB_ICONSTOP);
  }
}

int AfxMessageBox(LPCSTR text, UINT type) {
  HWND owner = nullptr;
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd && ::IsWindow(app->m_pMainWnd->m_hWnd)) owner = app->m_pMainWnd->m_hWnd;
  if (owner && !::IsWindowEnabled(owner)) owner = nullptr;
  if (!owner) owner = ::GetActiveWindow();
  return ::MessageBoxA(owner, text, AfxGetAppName(), type);
}
