#include "app/trainer_app.h"

#include "dialogs/trainer_dlg.h"

BEGIN_MESSAGE_MAP(CTrainerApp, CWinApp)
  ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CTrainerApp::CTrainerApp() : CWinApp(nullptr) {}
CTrainerApp::~CTrainerApp() = default;

BOOL CTrainerApp::InitInstance() {
  ::InitCommonControls();
  CWinApp::InitInstance();
  SetRegistryKey("Local AppWizard-Generated Applications");
  CTrainerDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  return FALSE;
}
