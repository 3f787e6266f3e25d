// The program's entry point: runs the one application object.
#include "framework/app.h"

namespace {
// Libraries loaded on demand come from the system folder only, never from the
// program's folder or the current one, where a planted DLL could wait.
void RestrictDllSearch() {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
  auto setDefault = kernel ? reinterpret_cast<SetDefaultDllDirectoriesFn>(
                                 reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")))
                           : nullptr;
  if (!setDefault || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) ::SetDllDirectoryA("");
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  RestrictDllSearch();
  return AfxWinMain(instance);
}
