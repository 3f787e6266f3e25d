#include "framework/dialog.h"

#include "framework/app.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {
thread_local CDialog* t_dialogInit = nullptr;  // the dialog whose window is being created

HWND SafeOwner(const CWnd* dialog) {
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd && app->m_pMainWnd != dialog && ::IsWindow(app->m_pMainWnd->m_hWnd))
    return app->m_pMainWnd->m_hWnd;
  HWND active = ::GetActiveWindow();
  return active ? ::GetAncestor(active, GA_ROOT) : nullptr;
}
// Centres the window over its owner (over the work area of the screen when it
// has none or the owner is minimised), kept inside the work area.
void CenterOverOwner(HWND hWnd) {
  HWND owner = ::GetWindow(hWnd, GW_OWNER);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoA(::MonitorFromWindow(owner ? owner : hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT work = monitor.rcWork;
  RECT area = work;
  if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) ::GetWindowRect(owner, &area);
  RECT rect;
  ::GetWindowRect(hWnd, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  int x = (area.left + area.right - width) / 2, y = (area.top + area.bottom - height) / 2;
  if (x + width > work.right) x = work.right - width;
  if (y + height > work.bottom) y = work.bottom - height;
  if (x < work.left) x = work.left;
  if (y < work.top) y = work.top;
  ::SetWindowPos(hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

INT_PTR CDialog::DoModal() {
  HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : SafeOwner(this);
  CDialog* outer = t_dialogInit;
  t_dialogInit = this;
  const INT_PTR result = ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                                           &AfxDlgProc, reinterpret_cast<LPARAM>(this));
  t_dialogInit = outer;
  if (m_hWnd) UnsubclassWindow();  // normally done when the window went away
  return result;
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
  CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
  if (!wnd) {
    // The first message of a new dialog: its object takes the window over
    // before any control exists, so every later message passes through it.
    if (!t_dialogInit) return FALSE;
    CDialog* dialog = t_dialogInit;
    t_dialogInit = nullptr;
    dialog->Attach(hWnd);
    WNDPROC old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc) dialog->m_pfnSuper = old;
    wnd = dialog;
  }
  if (message != WM_INITDIALOG) return FALSE;
  // This runs inside the system's dialog procedure: nothing may unwind through it.
  try {
    RECT before;
    ::GetWindowRect(hWnd, &before);
    const BOOL result = static_cast<CDialog*>(wnd)->OnInitDialog();
    // A dialog that set no place of its own opens centred over its owner.
    RECT after;
    if (::IsWindow(hWnd) && ::GetWindowRect(hWnd, &after) && after.left == before.left && after.top == before.top)
      CenterOverOwner(hWnd);
    return result;
  } catch (...) {
    AfxReportCurrentException();
  }
  return FALSE;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd) return;
  HWND item = ::GetDlgItem(dx->m_pDlgWnd->m_hWnd, id);
  control.SubclassWindow(item);
}
