// The 8-bit ANSI string the program uses.
#pragma once
#include <string>

class CString {
 public:
  CString() = default;
  CString(const char* text) : s_(text ? text : "") {}
  CString(const char* text, int length) : s_(text, static_cast<std::size_t>(length)) {}
  CString(std::string text) : s_(std::move(text)) {}

  operator const char*() const { return s_.c_str(); }
  const std::string& str() const { return s_; }
  int GetLength() const { return static_cast<int>(s_.size()); }
  bool IsEmpty() const { return s_.empty(); }
  void Empty() { s_.clear(); }

  // First occurrence at or after `start` that begins on a character boundary
  // of the ANSI code page (a double-byte character is never split); -1 if none.
  int Find(const char* what, int start = 0) const;
  // Removes `count` characters from `index`; returns the new length.
  int Delete(int index, int count = 1);
  CString Left(int count) const { return CString(s_.substr(0, Clamp(count))); }
  CString Mid(int first) const { return CString(s_.substr(Clamp(first))); }

  CString& operator=(const char* text) { s_ = text ? text : ""; return *this; }
  CString& operator+=(const char* text) { s_ += text ? text : ""; return *this; }
  CString& operator+=(const CString& other) { s_ += other.s_; return *this; }
  friend CString operator+(const CString& a, const CString& b) { return CString(a.s_ + b.s_); }
  friend CString operator+(const CString& a, const char* b) { return CString(a.s_ + (b ? b : "")); }
  friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.s_); }
  friend bool operator==(const CString& a, const CString& b) { return a.s_ == b.s_; }
  friend bool operator==(const CString& a, const char* b) { return a.s_ == (b ? b : ""); }
  friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }

 private:
  std::size_t Clamp(int n) const {
    return n < 0 ? 0 : (static_cast<std::size_t>(n) > s_.size() ? s_.size() : static_cast<std::size_t>(n));
  }
  std::string s_;
};
