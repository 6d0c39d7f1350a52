#include "skin/term_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace orvane {
namespace {

TEST(TermTable, HoldsIdsZeroTo156InOrderWithAnEmptyMiddleColumn) {
  const auto terms = TermTable();
  ASSERT_EQ(terms.size(), 157u);
  for (std::size_t i = 0; i < terms.size(); ++i) {
    EXPECT_EQ(terms[i].id, i);
    EXPECT_FALSE(terms[i].texts[0].empty()) << i;
    EXPECT_EQ(terms[i].texts[1], "") << i;
    EXPECT_FALSE(terms[i].texts[2].empty()) << i;
  }
}

// The numbered runs are where a row slips: check both ends of each and its neighbours.
TEST(TermTable, NumberedRunsSitAtTheirIds) {
  const struct {
    int id;
    const char* english;
  } rows[] = {
      {0, "Office Mode"},      {49, "Current CPI:"},  {50, "CPI 1:"},
      {57, "CPI 8:"},          {58, "Fire Key"},      {59, "Fire Key 1:"},
      {61, "Fire Key 3:"},     {62, "Repeat"},        {71, "LED Color"},
      {72, "Color1 R:"},       {74, "Color1 B:"},     {75, "Color2 R:"},
      {101, "Color10 B:"},     {102, "CPI Color"},    {127, "Profile 3 Color:"},
      {128, "Color 1"},        {137, "Color 10"},     {138, "Fixed Color"},
      {146, "Profile 3"},      {156, "Delect Fire Key"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FindTerm(row.id, kTermLanguageEnglish), row.english) << row.id;
  }
}

TEST(TermTable, FindTermPicksTheColumnAndMissesUnknownIds) {
  EXPECT_EQ(FindTerm(0, 0), "Office Mode");
  EXPECT_EQ(FindTerm(0, 1), "");
  EXPECT_EQ(FindTerm(0, 2), "\xE5\x8A\x9E\xE5\x85\xAC\xE6\xA8\xA1\xE5\xBC\x8F");
  EXPECT_NE(FindTerm(24, 2), FindTerm(25, 2));  // half and full brightness
  EXPECT_EQ(FindTerm(157, 0), std::nullopt);
  EXPECT_EQ(FindTerm(-1, 0), std::nullopt);
  EXPECT_EQ(FindTerm(0, 3), std::nullopt);
}

TEST(TermTable, ChineseColumnOnlyForSimplifiedChineseOfChina) {
  const struct {
    const char* locale;
    std::uint8_t language;
  } cases[] = {
      {"zh_CN.UTF-8", 2}, {"zh_CN", 2},       {"zh_CN.GB18030", 2}, {"zh_CN@pinyin", 2},
      {"zh-CN", 2},       {"zh_cn.utf8", 2},  {"zh_TW.UTF-8", 0},   {"zh_HK", 0},
      {"zh_SG.UTF-8", 0}, {"zh", 0},          {"zh_CNX", 0},        {"en_US.UTF-8", 0},
      {"ru_RU.UTF-8", 0}, {"C", 0},           {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TermLanguageForLocale(c.locale), c.language) << c.locale;
}

TEST(TermTable, LocaleComesFromTheFirstSetVariable) {
  const struct {
    std::map<std::string, std::string> environment;
    const char* locale;
  } cases[] = {
      {{{"LC_ALL", "zh_CN.UTF-8"}, {"LC_MESSAGES", "en_GB"}, {"LANG", "de_DE"}}, "zh_CN.UTF-8"},
      {{{"LC_ALL", ""}, {"LC_MESSAGES", "en_GB"}, {"LANG", "zh_CN"}}, "en_GB"},
      {{{"LANG", "zh_CN"}}, "zh_CN"},
      {{}, ""},
  };
  for (const auto& c : cases) {
    const auto getEnv = [&](const char* name) -> const char* {
      const auto found = c.environment.find(name);
      return found == c.environment.end() ? nullptr : found->second.c_str();
    };
    EXPECT_EQ(LocaleNameFromEnvironment(getEnv), c.locale);
  }
}

TEST(TermTable, EngineerFontFollowsTheTermLanguage) {
  EXPECT_EQ(EngineerFontName(0), "MS Sans Serif");
  EXPECT_EQ(EngineerFontName(1), "Microsoft JhengHei");
  EXPECT_EQ(EngineerFontName(2), "MS Sans Serif");
}

}  // namespace
}  // namespace orvane
