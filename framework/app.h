// The application object and the entry point that runs it.
#pragma once
#include "framework/wnd.h"

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

class CWinApp : public CCmdTarget {
  DECLARE_DYNAMIC(CWinApp)
 public:
  // There is one application object; constructing it registers it with the entry point.
  explicit CWinApp(LPCSTR appName = nullptr);
  ~CWinApp() override;

  // Start-up; FALSE ends the program without a message loop.
  virtual BOOL InitInstance() { return TRUE; }
  virtual int ExitInstance() { return 0; }
  virtual int Run();

  // Names the registry key the profile functions would use. Nothing is written.
  void SetRegistryKey(LPCSTR company) { m_strRegistryKey = company; }
  void OnHelp();

  CWnd* m_pMainWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;
  CString m_strAppName;
  CString m_strRegistryKey;

  DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
// The full path of the running program, however long.
CString AfxGetModuleFileName();
// Sets up the application object for this process; the entry point calls it.
void AfxWinInit(HINSTANCE instance);
int AfxWinMain(HINSTANCE instance);
