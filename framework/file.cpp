#include "framework/file.h"

#include "framework/text_mode.h"

int CFileException::OsErrorToException(LONG osError) {
  switch (osError) {
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE: return badPath;
    case ERROR_ACCESS_DENIED: return accessDenied;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return diskFull;
    default: return genericException;
  }
}

CString CFileException::GetErrorMessage() const {
  const char* format;
  switch (m_cause) {
    case fileNotFound: format = "%1 was not found."; break;
    case badPath: format = "%1 contains an invalid path."; break;
    case accessDenied: format = "Access to %1 was denied."; break;
    case sharingViolation: format = "A sharing violation occurred while accessing %1."; break;
    case diskFull: format = "Disk full while accessing %1."; break;
    default: format = "An unknown error occurred while accessing %1."; break;
  }
  std::string text = format;
  text.replace(text.find("%1"), 2, m_strFileName.str());
  return CString(std::move(text));
}

CStdioFile::CStdioFile(LPCSTR path, UINT flags) {
  CFileException error;
  if (!Open(path, flags, &error)) throw error;
}

CStdioFile::~CStdioFile() {
  if (m_hFile != INVALID_HANDLE_VALUE) ::CloseHandle(m_hFile);
}

BOOL CStdioFile::Open(LPCSTR path, UINT flags, CFileException* error) {
  m_path = path;
  DWORD access = GENERIC_READ;
  if (flags & modeWrite) access = GENERIC_WRITE;
  if (flags & modeReadWrite) access = GENERIC_READ | GENERIC_WRITE;
  DWORD disposition = OPEN_EXISTING;
  if (flags & modeCreate) disposition = (flags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
  m_hFile = ::CreateFileA(path, access, 0 /* no sharing */, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (m_hFile != INVALID_HANDLE_VALUE) return TRUE;
  const LONG osError = static_cast<LONG>(::GetLastError());
  if (error) *error = CFileException(CFileException::OsErrorToException(osError), osError, path);
  return FALSE;
}

void CStdioFile::Throw(int cause, LONG osError) const { throw CFileException(cause, osError, m_path); }

BOOL CStdioFile::ReadString(CString& line) {
  if (!m_readAll) {
    char buffer[4096];
    for (;;) {
      DWORD got = 0;
      if (!::ReadFile(m_hFile, buffer, sizeof buffer, &got, nullptr))
        Throw(CFileException::genericException, static_cast<LONG>(::GetLastError()));
      if (got == 0) break;
      m_data.append(buffer, got);
    }
    m_readAll = true;
  }
  std::string text;
  const bool found = textmode::NextLine(m_data, m_readPos, text);
  line = CString(std::move(text));
  return found;
}

void CStdioFile::WriteString(LPCSTR text) { m_pending += textmode::ToDisk(text ? text : ""); }

void CStdioFile::WriteOut() {
  std::size_t done = 0;
  while (done < m_pending.size()) {
    DWORD wrote = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(m_pending.size() - done, 1u << 20));
    if (!::WriteFile(m_hFile, m_pending.data() + done, chunk, &wrote, nullptr) || wrote == 0)
      Throw(CFileException::diskFull, static_cast<LONG>(::GetLastError()));
    done += wrote;
  }
  m_pending.clear();
}

void CStdioFile::Flush() {
  WriteOut();
  if (!::FlushFileBuffers(m_hFile)) Throw(CFileException::diskFull, static_cast<LONG>(::GetLastError()));
}

void CStdioFile::Close() {
  if (m_hFile == INVALID_HANDLE_VALUE) return;
  try {
    WriteOut();
  } catch (...) {
    ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    throw;
  }
  const BOOL closed = ::CloseHandle(m_hFile);
  m_hFile = INVALID_HANDLE_VALUE;
  if (!closed) Throw(CFileException::diskFull, static_cast<LONG>(::GetLastError()));
}

void CStdioFile::ReplaceContent(LPCSTR path, LPCSTR text) {
  const CString temp = CString(path) + ".new";
  try {
    CStdioFile file(temp, modeCreate | modeWrite | typeText);
    file.WriteString(text);
    file.Flush();
    file.Close();
    if (!::MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const LONG osError = static_cast<LONG>(::GetLastError());
      throw CFileException(CFileException::OsErrorToException(osError), osError, path);
    }
  } catch (CFileException& e) {
    ::DeleteFileA(temp);
    // Whatever went wrong with the new file, the user is told about theirs.
    e.m_strFileName = path;
    throw;
  }
}
