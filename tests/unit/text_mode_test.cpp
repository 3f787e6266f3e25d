#include "framework/text_mode.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<std::string> Lines(const std::string& data) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  std::string line;
  while (textmode::NextLine(data, pos, line)) lines.push_back(line);
  return lines;
}
}  // namespace

TEST(TextMode, WritesCrLf) {
  EXPECT_EQ(textmode::ToDisk("4\n55\n71\n"), "4\r\n55\r\n71\r\n");
  EXPECT_EQ(textmode::ToDisk("no end"), "no end");
}

TEST(TextMode, ReadsEveryLineEndAlike) {
  const std::vector<std::string> expected = {"10", "5", "71"};
  EXPECT_EQ(Lines("10\r\n5\r\n71\r\n"), expected);
  EXPECT_EQ(Lines("10\n5\n71\n"), expected);
  EXPECT_EQ(Lines("10\r\n5\r\n71"), expected);
  EXPECT_EQ(Lines(""), std::vector<std::string>{});
  EXPECT_EQ(Lines("\n"), std::vector<std::string>{""});
  EXPECT_EQ(Lines(std::string(100000, 'x') + "\n1\n").front().size(), 100000u);
}
