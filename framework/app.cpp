#include "framework/app.h"

#include <string>

namespace {
CWinApp* g_app = nullptr;

CString ExeBaseName() {
  const std::string path = AfxGetModuleFileName().str();
  const std::size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return CString(name);
}
}  // namespace

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR appName) {
  if (appName) m_strAppName = appName;
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

CString AfxGetModuleFileName() {
  // The buffer grows until the whole path fits.
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD got = ::GetModuleFileNameA(::GetModuleHandleA(nullptr), path.data(), static_cast<DWORD>(path.size()));
    if (got < path.size()) {
      path.resize(got);
      return CString(std::move(path));
    }
    path.resize(path.size() * 2);
  }
}

LPCSTR AfxGetAppName() {
  if (g_app && !g_app->m_strAppName.IsEmpty()) return g_app->m_strAppName;
  static const CString name = ExeBaseName();
  return name;
}

HINSTANCE AfxGetResourceHandle() { return ::GetModuleHandleA(nullptr); }

void AfxWinInit(HINSTANCE instance) {
  if (!g_app) return;
  g_app->m_hInstance = instance;
  if (g_app->m_strAppName.IsEmpty()) g_app->m_strAppName = ExeBaseName();
}

int CWinApp::Run() {
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return ExitInstance();
}

void CWinApp::OnHelp() {
  // No help file is registered with the framework: context help has nothing to show.
  ::MessageBeep(MB_OK);
}

int AfxWinMain(HINSTANCE instance) {
  CWinApp* app = AfxGetApp();
  if (!app) return -1;
  AfxWinInit(instance);
  if (!app->InitInstance()) return app->ExitInstance();
  return app->Run();
}
