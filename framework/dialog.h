// Dialogs from templates, run modally, with data exchange.
#pragma once
#include "framework/wnd.h"

class CDialog;

class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
  BOOL m_bSaveAndValidate;
  CDialog* m_pDlgWnd;
};

// Binds control `id` of the dialog to `control` by subclassing it (once).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

  // Creates the dialog from the program's resources, runs it until it ends,
  // destroys the window and returns the result given to EndDialog (-1 when
  // the window could not be created).
  virtual INT_PTR DoModal();
  // Runs data exchange into the controls; TRUE gives the focus to the first tab stop.
  virtual BOOL OnInitDialog();
  void EndDialog(int result) { ::EndDialog(m_hWnd, result); }
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  UINT GetTemplateId() const { return m_nIDTemplate; }

 protected:
  virtual void DoDataExchange(CDataExchange*) {}
  virtual void OnOK();
  virtual void OnCancel();

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

  DECLARE_MESSAGE_MAP()
  friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
};

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
