// The string functions, as the handlers use them to read and build texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Strings.h"

namespace {

TEST(Fields, CountAndPickFromOne) {
  struct Row {
    const char* text;
    const char* separator;
    int32_t count;
    std::vector<std::string> fields;
  };
  const Row rows[] = {
      {"Army,Navy,Air Force", ",", 3, {"Army", "Navy", "Air Force"}},
      {"Army", ",", 1, {"Army"}},
      {"a,,b,", ",", 4, {"a", "", "b", ""}},
      {"12 - 7", " - ", 2, {"12", "7"}},
      {"", ",", 0, {}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(fw::CountFields(row.text, row.separator), row.count) << row.text;
    for (size_t i = 0; i < row.fields.size(); ++i)
      EXPECT_EQ(fw::NthField(row.text, row.separator, static_cast<int32_t>(i + 1)), row.fields[i])
          << row.text << " field " << i + 1;
    EXPECT_EQ(fw::NthField(row.text, row.separator, 0), "") << row.text;
    EXPECT_EQ(fw::NthField(row.text, row.separator, -1), "") << row.text;
    EXPECT_EQ(fw::NthField(row.text, row.separator, row.count + 1), "") << row.text;
  }
}

TEST(Fields, SplitAndJoinAreInverse) {
  EXPECT_EQ(fw::Split("Army", ","), std::vector<std::string>{"Army"});
  EXPECT_EQ(fw::Split("", ","), std::vector<std::string>{""});
  const std::vector<std::string> parts{"Army", "", "Navy"};
  EXPECT_EQ(fw::Split("Army,,Navy", ","), parts);
  EXPECT_EQ(fw::Join(parts, ","), "Army,,Navy");
  EXPECT_EQ(fw::Join({}, ","), "");
  EXPECT_EQ(fw::Join({"one"}, ", "), "one");
  const std::string text = "x\ry\r\rz";
  EXPECT_EQ(fw::Join(fw::Split(text, "\r"), "\r"), text);
}

TEST(Replacing, FirstOnlyOrAll) {
  EXPECT_EQ(fw::Replace("a-b-c", "-", "+"), "a+b-c");
  EXPECT_EQ(fw::Replace("abc", "x", "+"), "abc");
  EXPECT_EQ(fw::ReplaceAll("a-b-c", "-", "+"), "a+b+c");
  EXPECT_EQ(fw::ReplaceAll("aaa", "a", "aa"), "aaaaaa");  // no rescanning of what was put in
  EXPECT_EQ(fw::ReplaceAll("line1\rline2\r", "\r", "\n"), "line1\nline2\n");
  EXPECT_EQ(fw::ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(fw::Replace("abc", "", "x"), "abc");
}

TEST(Characters, ChrWritesUtf8) {
  EXPECT_EQ(fw::Chr(13), "\r");
  EXPECT_EQ(fw::Chr(10), "\n");
  EXPECT_EQ(fw::Chr(65), "A");
  EXPECT_EQ(fw::Chr(0xE9), "\xC3\xA9");
  EXPECT_EQ(fw::Chr(0x2014), "\xE2\x80\x94");
  EXPECT_EQ(fw::Chr(0x1F3C8), "\xF0\x9F\x8F\x88");
}

TEST(Numbers, ValReadsTheLeadingNumber) {
  struct Row {
    const char* text;
    double value;
  };
  const Row rows[] = {
      {".9441", 0.9441}, {"0.5", 0.5}, {"Choose", 0}, {"12abc", 12}, {"  42", 42},   {"\t7", 7},
      {"-3.25", -3.25},  {"+8", 8},    {"", 0},       {"-", 0},      {".", 0},       {"1e3", 1000},
      {"2e", 2},         {"0x1A", 0},  {"inf", 0},    {"nan", 0},    {"1.5.2", 1.5}, {"007", 7},
  };
  for (const Row& row : rows) EXPECT_DOUBLE_EQ(fw::Val(row.text), row.value) << row.text;
}

TEST(Numbers, StrWritesWholeNumbersWithoutAPoint) {
  EXPECT_EQ(fw::Str(int32_t{0}), "0");
  EXPECT_EQ(fw::Str(int32_t{-17}), "-17");
  EXPECT_EQ(fw::Str(INT32_MIN), "-2147483648");
  EXPECT_EQ(fw::Str(1.0), "1");
  EXPECT_EQ(fw::Str(12.0), "12");
  EXPECT_EQ(fw::Str(-3.0), "-3");
  EXPECT_EQ(fw::Str(0.0), "0");
  EXPECT_EQ(fw::Str(-0.0), "0");
  EXPECT_EQ(fw::Str(0.5), "0.5");
}

TEST(Numbers, ValReadsStrBack) {
  for (double value : {0.0, 1.0, 12.0, 100.0, -7.0, 0.5, 0.9441, 2.25, -0.125, 1234567.0})
    EXPECT_DOUBLE_EQ(fw::Val(fw::Str(value)), value) << fw::Str(value);
  for (int32_t value : {0, 9, -9, 2147483647}) EXPECT_EQ(fw::Val(fw::Str(value)), value);
}

TEST(Numbers, RoundTakesHalvesAwayFromZero) {
  struct Row {
    double in, out;
  };
  const Row rows[] = {{2.5, 3},  {-2.5, -3}, {0.5, 1},   {-0.5, -1}, {1.49, 1},
                      {1.51, 2}, {3.5, 4},   {-3.5, -4}, {7, 7},     {0.0, 0}};
  for (const Row& row : rows) EXPECT_EQ(fw::Round(row.in), row.out) << row.in;
}

TEST(Comparing, IgnoresCaseOfAsciiLetters) {
  EXPECT_TRUE(fw::EqualsIgnoreCase("Multiline", "MultiLine"));
  EXPECT_TRUE(fw::EqualsIgnoreCase("", ""));
  EXPECT_FALSE(fw::EqualsIgnoreCase("Multiline", "Multilines"));
  EXPECT_FALSE(fw::EqualsIgnoreCase("ab", "ac"));
}

}  // namespace
