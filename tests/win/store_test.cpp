// The statistics file against real files in a temporary folder.
#include <gtest/gtest.h>

#include "framework/file.h"
#include "trainer_probe.h"
#include "win_util.h"

namespace {

const std::string kZeros = "0\r\n0\r\n0\r\n";

class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::CreateDirectoryA(dir.File("data").c_str(), nullptr);
    statPath = dir.File("data\\stat.dat");
    store.m_statPath = statPath.c_str();
  }
  // Loads, expecting success.
  void Load(const std::string& bytes) {
    wintest::WriteBytes(statPath, bytes);
    store.LoadStatistics();
  }
  // The file error a call raises, or none.
  template <class Fn>
  static CFileException Raised(Fn fn) {
    try {
      fn();
    } catch (const CFileException& e) {
      return e;
    }
    return CFileException();
  }

  wintest::TempDir dir;
  std::string statPath;
  TrainerProbe store;
};

struct LoadCase {
  const char* bytes;
  int count, total, last;
};

TEST_F(StoreTest, LoadsTheThreeLinesInAnyLineEndStyle) {
  const LoadCase cases[] = {
      {"10\r\n5\r\n71\r\n", 10, 5, 71},
      {"123\r\n45\r\n57\r\n", 123, 45, 57},
      {"10\n5\n71\n", 10, 5, 71},        // bare line feeds
      {"10\r\n5\r\n71", 10, 5, 71},      // no end on the last line
      {"", 0, 0, 0},                     // empty file
      {"7\r\n42\r\n", 7, 42, 0},         // two lines
      {" 42\r\n42abc\r\n-3\r\n", 42, 42, -3},
      {"abc\r\n\r\n+8\r\n", 0, 0, 8},
      {"99999999999999999999\r\n-99999999999999999999\r\n1\r\n", 2147483647, -2147483647 - 1, 1},
  };
  for (const LoadCase& test : cases) {
    SCOPED_TRACE(test.bytes);
    Load(test.bytes);
    EXPECT_EQ(store.m_trainingCount, test.count);
    EXPECT_EQ(store.m_totalRate, test.total);
    EXPECT_EQ(store.m_lastRate, test.last);
  }
}

TEST_F(StoreTest, ALongLineIsReadWhole) {
  Load(std::string(5000, ' ') + "12\r\n" + std::string(100000, '7') + "\r\n3\r\n");
  EXPECT_EQ(store.m_trainingCount, 12);
  EXPECT_EQ(store.m_totalRate, 2147483647);
  EXPECT_EQ(store.m_lastRate, 3);
}

struct SaveCase {
  const char* before;
  int correct;
  int count, total, last;
  const char* after;
};

TEST_F(StoreTest, ASaveWritesExactlyTheNewCounters) {
  const SaveCase cases[] = {
      {"0\r\n0\r\n0\r\n", 7, 1, 100, 100, "1\r\n100\r\n100\r\n"},
      {"3\r\n50\r\n50\r\n", 5, 4, 55, 71, "4\r\n55\r\n71\r\n"},
      {"2\r\n43\r\n28\r\n", 3, 3, 42, 42, "3\r\n42\r\n42\r\n"},
      {"1\r\n250\r\n0\r\n", 7, 2, 175, 100, "2\r\n175\r\n100\r\n"},
      {"-1\r\n60\r\n60\r\n", 4, 0, 0, 57, "0\r\n0\r\n57\r\n"},  // a divisor of 0 gives 0
      {"5\r\n20\r\n20\r\n", 0, 6, 16, 0, "6\r\n16\r\n0\r\n"},
      // Huge hand-edited values: 64-bit sums, results clamped to 32 bits.
      // (2^31-1)^2 + 100 over 2^31 is 2147483646.0...; the count stays at the limit.
      {"2147483647\r\n2147483647\r\n0\r\n", 7, 2147483647, 2147483646, 100,
       "2147483647\r\n2147483646\r\n100\r\n"},
      {"-2147483648\r\n-2147483648\r\n0\r\n", 7, -2147483647, -2147483647 - 1, 100,
       "-2147483647\r\n-2147483648\r\n100\r\n"},
  };
  for (const SaveCase& test : cases) {
    SCOPED_TRACE(test.before);
    Load(test.before);
    store.m_correctCount = test.correct;
    store.RecordTraining();
    EXPECT_EQ(store.m_trainingCount, test.count);
    EXPECT_EQ(store.m_totalRate, test.total);
    EXPECT_EQ(store.m_lastRate, test.last);
    EXPECT_EQ(wintest::ReadBytes(statPath), test.after);
    EXPECT_FALSE(wintest::Exists(statPath + ".new"));
  }
}

TEST_F(StoreTest, TheRunningMeanKeepsItsTruncations) {
  Load(kZeros);
  int seen[3];
  const int answers[3] = {4, 3, 4};  // 57, 42, 57
  for (int i = 0; i < 3; ++i) {
    store.m_correctCount = answers[i];
    store.RecordTraining();
    seen[i] = store.m_totalRate;
  }
  EXPECT_EQ(seen[0], 57);
  EXPECT_EQ(seen[1], 49);
  EXPECT_EQ(seen[2], 51);
  EXPECT_EQ(wintest::ReadBytes(statPath), "3\r\n51\r\n57\r\n");
}

TEST_F(StoreTest, AMissingFileNamesItsFullPath) {
  const CFileException e = Raised([&] { store.LoadStatistics(); });
  EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
  EXPECT_EQ(std::string(e.GetErrorMessage()), statPath + " was not found.");
  EXPECT_EQ(store.m_trainingCount, 0);
  // The first save creates it.
  store.m_correctCount = 5;
  store.RecordTraining();
  EXPECT_EQ(wintest::ReadBytes(statPath), "1\r\n71\r\n71\r\n");
}

TEST_F(StoreTest, AFileHeldByAnotherProgramIsLeftWholeAndTheCountersToo) {
  Load("4\r\n55\r\n71\r\n");
  HANDLE other = ::CreateFileA(statPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  store.m_correctCount = 7;
  const CFileException e = Raised([&] { store.RecordTraining(); });
  ::CloseHandle(other);
  EXPECT_EQ(e.m_cause, CFileException::sharingViolation);
  EXPECT_EQ(std::string(e.GetErrorMessage()), "A sharing violation occurred while accessing " + statPath + ".");
  EXPECT_EQ(wintest::ReadBytes(statPath), "4\r\n55\r\n71\r\n");
  EXPECT_EQ(store.m_trainingCount, 4);
  EXPECT_EQ(store.m_totalRate, 55);
  EXPECT_EQ(store.m_lastRate, 71);
}

TEST_F(StoreTest, ASaveIntoAMissingDataFolderFailsCleanly) {
  store.m_statPath = dir.File("nowhere\\stat.dat").c_str();
  const CFileException e = Raised([&] { store.RecordTraining(); });
  EXPECT_EQ(e.m_cause, CFileException::badPath);
  EXPECT_EQ(std::string(e.GetErrorMessage()), dir.File("nowhere\\stat.dat") + " contains an invalid path.");
  EXPECT_FALSE(wintest::Exists(dir.File("nowhere")));
  EXPECT_EQ(store.m_trainingCount, 0);
}

TEST_F(StoreTest, AFolderInPlaceOfTheFileIsAccessDenied) {
  ASSERT_TRUE(::CreateDirectoryA(statPath.c_str(), nullptr));
  EXPECT_EQ(Raised([&] { store.LoadStatistics(); }).m_cause, CFileException::accessDenied);
  const CFileException e = Raised([&] { store.RecordTraining(); });
  EXPECT_EQ(e.m_cause, CFileException::accessDenied);
  EXPECT_EQ(std::string(e.GetErrorMessage()), "Access to " + statPath + " was denied.");
  EXPECT_EQ(store.m_trainingCount, 0);
}

TEST_F(StoreTest, AFailedWriteLeavesTheOldBytesAndNamesTheFile) {
  Load("4\r\n55\r\n71\r\n");
  // The new content cannot be written beside the file.
  ASSERT_TRUE(::CreateDirectoryA((statPath + ".new").c_str(), nullptr));
  store.m_correctCount = 7;
  const CFileException e = Raised([&] { store.RecordTraining(); });
  EXPECT_NE(e.m_cause, CFileException::none);
  EXPECT_NE(std::string(e.GetErrorMessage()).find(statPath + " "), std::string::npos) << e.GetErrorMessage();
  EXPECT_EQ(std::string(e.GetErrorMessage()).find(".new"), std::string::npos);
  EXPECT_EQ(wintest::ReadBytes(statPath), "4\r\n55\r\n71\r\n");
  EXPECT_EQ(store.m_trainingCount, 4);
  EXPECT_EQ(store.m_lastRate, 71);
}

TEST_F(StoreTest, AFileThatCouldNotBeReadIsReadAgainBeforeItIsReplaced) {
  wintest::WriteBytes(statPath, "9\r\n60\r\n42\r\n");
  HANDLE other = ::CreateFileA(statPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Raised([&] { store.LoadStatistics(); }).m_cause, CFileException::sharingViolation);
  EXPECT_EQ(store.m_trainingCount, 0);
  // Still held at the end of a training: nothing is written.
  store.m_correctCount = 7;
  EXPECT_EQ(Raised([&] { store.RecordTraining(); }).m_cause, CFileException::sharingViolation);
  ::CloseHandle(other);
  EXPECT_EQ(wintest::ReadBytes(statPath), "9\r\n60\r\n42\r\n");
  // Released: the save starts from the file's counters, not from zero.
  store.RecordTraining();
  EXPECT_EQ(store.m_trainingCount, 10);
  EXPECT_EQ(store.m_totalRate, 64);  // (9 * 60 + 100) / 10
  EXPECT_EQ(wintest::ReadBytes(statPath), "10\r\n64\r\n100\r\n");
}

TEST_F(StoreTest, TextModeWritesCrLfAndReadsLinesWithoutTheirEnds) {
  {
    CStdioFile file(dir.File("t.txt").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    file.WriteString("a\nbc\n\nd");
    file.Close();
  }
  EXPECT_EQ(wintest::ReadBytes(dir.File("t.txt")), "a\r\nbc\r\n\r\nd");
  CStdioFile file(dir.File("t.txt").c_str(), CFile::modeRead | CFile::typeText);
  CString line;
  std::vector<std::string> lines;
  while (file.ReadString(line)) lines.push_back(line.str());
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "bc", "", "d"}));
}

}  // namespace
