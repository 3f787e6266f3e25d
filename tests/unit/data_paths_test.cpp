#include "training/data_paths.h"

#include <gtest/gtest.h>

using training::DeriveDataPaths;
using mbcs::Find;

namespace {
bool NoLeadBytes(unsigned char) { return false; }
// Shift-JIS lead bytes: 0x81-0x9F and 0xE0-0xFC. Their trail bytes may be 0x5C ('\\').
bool ShiftJisLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
}  // namespace

TEST(DataPaths, Table) {
  struct Case {
    std::string program, exe, folder;
  };
  const std::string longFolder = "C:\\" + std::string(600, 'a') + "\\" + std::string(600, 'b') + "\\";
  const Case cases[] = {
      {"C:\\Apps\\Trainer\\mentavo.exe", "mentavo.exe", "C:\\Apps\\Trainer\\"},
      {"D:\\mentavo.exe", "mentavo.exe", "D:\\"},
      {"C:\\Apps\\trainer.exe", "trainer.exe", "C:\\Apps\\"},               // renamed
      {"C:\\Apps\\MENTAVO.EXE", "MENTAVO.EXE", "C:\\Apps\\"},               // other case
      {"C:\\mentavo.exe\\copy\\mentavo.exe", "mentavo.exe", "C:\\mentavo.exe\\copy\\"},  // name earlier too
      {longFolder + "mentavo.exe", "mentavo.exe", longFolder},              // beyond 1000 bytes
      {"mentavo.exe", "mentavo.exe", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program.substr(0, 60));
    const auto p = DeriveDataPaths(c.program, NoLeadBytes);
    EXPECT_EQ(p.exeName, c.exe);
    EXPECT_EQ(p.modulePath, c.folder);
    EXPECT_EQ(p.statPath, c.folder + "data/stat.dat");
    EXPECT_EQ(p.helpPath, c.folder + "data/help.htm");
  }
}

TEST(DataPaths, TrailByteIsNotASeparator) {
  // "\x95\x5C" is one Shift-JIS character whose second byte equals '\\'.
  const std::string folder = "C:\\\x95\x5C\\";
  const auto p = DeriveDataPaths(folder + "x\x95\x5C.exe", ShiftJisLead);
  EXPECT_EQ(p.modulePath, folder);
  EXPECT_EQ(p.exeName, "x\x95\x5C.exe");
}

TEST(FindOnCharBoundary, NeverSplitsADoubleByteCharacter) {
  const std::string text = "\x95\x5C" "abc\\abc";
  EXPECT_EQ(Find(text, "\\", 0, ShiftJisLead), 5);
  EXPECT_EQ(Find(text, "\\", 0, NoLeadBytes), 1);
  EXPECT_EQ(Find(text, "abc", 3, ShiftJisLead), 6);
  EXPECT_EQ(Find(text, "zz", 0, ShiftJisLead), -1);
  EXPECT_EQ(Find("ab", "abc", 0, NoLeadBytes), -1);
}
