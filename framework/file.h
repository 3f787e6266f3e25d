// Text files and file exceptions.
#pragma once
#include <string>

#include "framework/wnd.h"

class CFileException : public CException {
 public:
  enum {
    none = 0, genericException, fileNotFound, badPath, tooManyOpenFiles, accessDenied,
    invalidFile, removeCurrentDir, directoryFull, badSeek, hardIO, sharingViolation,
    lockViolation, diskFull, endOfFile,
  };
  CFileException() = default;
  CFileException(int cause, LONG osError, LPCSTR fileName)
      : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

  // The cause a Win32 error stands for.
  static int OsErrorToException(LONG osError);
  // "%1 was not found." and its kind, with the file's path in place of %1.
  CString GetErrorMessage() const override;

  int m_cause = none;
  LONG m_lOsError = 0;
  CString m_strFileName;
};

class CFile {
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000, modeWrite = 0x0001, modeReadWrite = 0x0002,
    shareExclusive = 0x0010, modeNoTruncate = 0x0100, modeCreate = 0x1000,
    typeText = 0x4000,
  };
};

// A text-mode file: "\n" is written as CR LF; a line is read back without its
// end, which may be CR LF, a bare LF or the end of the file. It is opened
// without sharing.
class CStdioFile : public CFile {
 public:
  CStdioFile() = default;
  // Opens at once; raises CFileException when the file cannot be opened.
  CStdioFile(LPCSTR path, UINT flags);
  ~CStdioFile();  // closes without raising anything
  CStdioFile(const CStdioFile&) = delete;
  CStdioFile& operator=(const CStdioFile&) = delete;

  // FALSE (with the cause in `error`, when given) when the file cannot be opened.
  BOOL Open(LPCSTR path, UINT flags, CFileException* error = nullptr);
  // The next line; FALSE and an empty string at the end of the file.
  BOOL ReadString(CString& line);
  void WriteString(LPCSTR text);
  // Writes what is buffered and asks the system to put it on disk.
  void Flush();
  void Close();
  const CString& GetFilePath() const { return m_path; }

  // Replaces the whole content of `path` with `text` (text mode) or leaves the
  // file as it was: the text goes to a new file beside it, which is flushed and
  // then moved over the old one in one step. Failures raise CFileException
  // naming `path`, and leave no temporary file behind.
  static void ReplaceContent(LPCSTR path, LPCSTR text);

 private:
  [[noreturn]] void Throw(int cause, LONG osError) const;
  void WriteOut();

  HANDLE m_hFile = INVALID_HANDLE_VALUE;
  CString m_path;
  std::string m_pending;   // written, not yet on disk
  std::string m_data;      // what was read
  std::size_t m_readPos = 0;
  bool m_readAll = false;
};
