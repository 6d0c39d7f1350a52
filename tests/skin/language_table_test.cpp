#include "skin/language_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "skin/builtin_tables.h"

namespace orvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Utf16Le(std::u16string_view text, bool withMark = true) {
  Bytes bytes;
  if (withMark) bytes = {0xFF, 0xFE};
  for (char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return bytes;
}

// UTF-8 to UTF-16 code units, for the readable sources (which are valid UTF-8).
std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) code = (code << 6) | (text[i + k] & 0x3F);
    i += length;
    if (code >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
  }
  return out;
}

// --- UTF-16 to UTF-8 --------------------------------------------------------------------

struct DecodeCase {
  const char* name;
  Bytes bytes;
  std::string utf8;
};

TEST(Utf16LeToUtf8, DecodesEveryUnitAndReplacesBrokenOnes) {
  const DecodeCase cases[] = {
      {"empty", {}, ""},
      {"mark only", {0xFF, 0xFE}, ""},
      {"with mark", {0xFF, 0xFE, 'A', 0}, "A"},
      {"without mark", {'A', 0, 'b', 0}, "Ab"},
      {"mark only stripped at the start", {'A', 0, 0xFF, 0xFE}, "A\xEF\xBB\xBF"},
      {"cyrillic", {0x2F, 0x04, 0x10, 0x04}, "\xD0\xAF\xD0\x90"},
      {"chinese", {0x9E, 0x52}, "\xE5\x8A\x9E"},
      {"surrogate pair", {0x3D, 0xD8, 0x00, 0xDE}, "\xF0\x9F\x98\x80"},
      {"high surrogate at the end", {'A', 0, 0x3D, 0xD8}, "A\xEF\xBF\xBD"},
      {"high surrogate before a letter", {0x3D, 0xD8, 'A', 0}, "\xEF\xBF\xBD" "A"},
      {"two high surrogates", {0x3D, 0xD8, 0x3D, 0xD8, 0x00, 0xDE},
       "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
      {"lone low surrogate", {0x00, 0xDE, 'A', 0}, "\xEF\xBF\xBD" "A"},
      {"odd byte count", {'A', 0, 'B'}, "A\xEF\xBF\xBD"},
      {"single byte", {0xFF}, "\xEF\xBF\xBD"},
      {"nul unit", {'A', 0, 0, 0, 'B', 0}, std::string("A\0B", 3)},
  };
  for (const DecodeCase& c : cases) {
    EXPECT_EQ(Utf16LeToUtf8(c.bytes), c.utf8) << c.name;
  }
}

// --- Entry splitting --------------------------------------------------------------------

struct SplitCase {
  const char* name;
  std::string text;
  std::vector<std::string> entries;
};

TEST(SplitQuotedEntries, SplitsAtBlanksAndKeepsQuotedTextWhole) {
  const SplitCase cases[] = {
      {"empty", "", {}},
      {"only blanks", " \r\n\t ", {}},
      {"quoted line keeps its blanks", "\"Str001=Confirm 1\"", {"Str001=Confirm 1"}},
      {"unquoted line is cut at the blank", "Str001=Confirm 1", {"Str001=Confirm", "1"}},
      {"doubled quote is one quote", "\"say \"\"hi\"\" now\"", {"say \"hi\" now"}},
      {"doubled quote at the end", "\"a\"\"\"", {"a\""}},
      {"quoted entries without a blank between run together", "\"a\"\"b\"", {"a\"b"}},
      {"empty quoted entry", "\"\" x", {"", "x"}},
      {"control characters are blanks", "a\x01" "b\tc\x1F" "d\x7F" "e",
       {"a", "b", "c", "d\x7F" "e"}},
      {"nul is a blank", std::string("a\0b", 3), {"a", "b"}},
      {"line breaks between quoted lines", "\"[lang1]\"\r\n\r\n\"k=v\"\r\n", {"[lang1]", "k=v"}},
      {"unclosed quote runs to the end", "x \"open entry", {"x", "open entry"}},
      {"text right after a closing quote starts a new entry", "\"a\"b", {"a", "b"}},
      {"quote inside an unquoted entry is kept", "ab\"cd ef", {"ab\"cd", "ef"}},
      {"non-ascii is never a blank", "\xD0\x90\xC2\xA0\xD0\x91", {"\xD0\x90\xC2\xA0\xD0\x91"}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(SplitQuotedEntries(c.text), c.entries) << c.name;
  }
}

// --- Parsing a table --------------------------------------------------------------------

TEST(LanguageTable, ReadsQuotedEntriesUnderTheIniRules) {
  const auto table = LanguageTable::Parse(
      Utf16Le(u"\"Str001=dropped before the section\"\r\n"
              u"\"[lang1]\"\r\n"
              u"\"FontName=Calibri\"\r\n"
              u"\"  Str002  =  Confirm 2  \"\r\n"
              u"\"; Str003=commented out\"\r\n"
              u"\"Str004=first\"\r\n"
              u"\"Str004=second\"\r\n"
              u"Str005=Confirm 5\r\n"
              u"\"Str006=a \"\"quoted\"\" word\"\r\n"
              u"\"Str007=x=y\"\r\n"
              u"\"Str008=\xD83D\xDE00 \x042F\"\r\n"
              u"\"[lang2]\"\r\n"
              u"\"Str009=other section\"\r\n"),
      "lang1");

  const struct {
    int id;
    std::string text;
  } expected[] = {
      {1, ""},
      {2, "Confirm 2"},
      {3, ""},
      {4, "second"},
      {5, "Confirm"},
      {6, "a \"quoted\" word"},
      {7, "x=y"},
      {8, "\xF0\x9F\x98\x80 \xD0\xAF"},
      {9, ""},
      {10, ""},
  };
  for (const auto& e : expected) EXPECT_EQ(table.Text(e.id), e.text) << "Str" << e.id;

  EXPECT_EQ(table.FontName(), "Calibri");
  EXPECT_EQ(table.Title(), "");
  EXPECT_EQ(table.Value("str002"), "Confirm 2");
  EXPECT_EQ(table.Value("STR002"), "Confirm 2");
  // The stray "1" of the unquoted line is no entry.
  EXPECT_EQ(table.Ini().Keys("lang1"),
            (std::vector<std::string>{"FontName", "Str002", "Str004", "Str005", "Str006",
                                      "Str007", "Str008"}));
}

TEST(LanguageTable, ParsesTheSameWithAndWithoutTheMark) {
  const std::u16string text = u"\"[lang3]\"\r\n\"Str001=Confirm 1\"";
  for (bool mark : {true, false}) {
    const auto table = LanguageTable::Parse(Utf16Le(text, mark), "lang3");
    EXPECT_EQ(table.Text(1), "Confirm 1") << "mark " << mark;
  }
}

TEST(LanguageTable, SurvivesBrokenInput) {
  Bytes bytes = Utf16Le(u"\"[lang1]\" \"Str001=ok\"");
  bytes.push_back(0x22);  // half a unit
  EXPECT_EQ(LanguageTable::Parse(bytes, "lang1").Text(1), "ok");

  const Bytes lone = Utf16Le(u"\"[lang1]\" \"Str001=a\xD800" u"b\"");
  EXPECT_EQ(LanguageTable::Parse(lone, "lang1").Text(1), "a\xEF\xBF\xBD" "b");

  EXPECT_EQ(LanguageTable::Parse({}, "lang1").Text(1), "");
}

TEST(LanguageKey, WritesThreeDigits) {
  EXPECT_EQ(LanguageKey(1), "Str001");
  EXPECT_EQ(LanguageKey(22), "Str022");
  EXPECT_EQ(LanguageKey(861), "Str861");
  EXPECT_EQ(LanguageKey(1000), "Str1000");
}

// --- Reverse lookup ---------------------------------------------------------------------

LanguageTable Fixture(std::u16string_view section, std::u16string_view entries) {
  std::u16string text = u"\"[";
  text += section;
  text += u"]\"\r\n";
  text += entries;
  return LanguageTable::Parse(Utf16Le(text),
                              std::string(section.begin(), section.end()));
}

TEST(LanguageSet, ReverseLookupFollowsTheSearchOrder) {
  const LanguageSet set(
      Fixture(u"lang1",
              u"\"Str100=Same\" \"Str150=Twice\" \"Str250=Twice\" \"Str005=Padded\" "
              u"\"Str5=Short\" \"sTR7=Cased\" \"Str0=Zero\" \"Str800=Edge\" \"Str801=Beyond\" "
              u"\"Str213=\x041D\x0430\x0437\x0430\x0434\" "
              u"\"Str120=Shared\" \"Str260=Reversed\" \"Str140=Reversed\""),
      Fixture(u"lang2", u"\"Str120=Same\" \"Str213=\x041D\x0430\x0437\x0430\x0434\""),
      Fixture(u"lang3", u"\"Str110=Same\" \"Str900=Far\" \"Str213=Backward\" \"Str120=Shared\""));

  const struct {
    const char* text;
    const char* key;
  } cases[] = {
      {"Same", "Str110"},      // language 3 is searched last, whatever the id
      {"Twice", "Str250"},     // the later id of one table
      {"Reversed", "Str260"},  // by id, not by place in the file
      {"Shared", "Str120"},    // the same key in two tables
      {"Edge", "Str800"},
      {"Beyond", ""},          // past Str800
      {"Far", ""},             // Str900 is never searched
      {"Padded", ""},          // Str005 is looked for as "Str5"
      {"Short", "Str5"},       // a key written without leading zeros matches
      {"Cased", "Str7"},       // keys compare ignoring letter case
      {"Zero", "Str0"},
      {"same", ""},            // texts compare exactly
      {"Same ", ""},
      {"", ""},                // a missing key is no empty text
  };
  for (const auto& c : cases) EXPECT_EQ(set.FindKeyOfText(c.text), c.key) << c.text;

  // A caption found in language 3 takes the language 1 text of the same key.
  EXPECT_EQ(set.TranslateCaption("Backward", 1), "\xD0\x9D\xD0\xB0\xD0\xB7\xD0\xB0\xD0\xB4");
  EXPECT_EQ(set.TranslateCaption("\xD0\x9D\xD0\xB0\xD0\xB7\xD0\xB0\xD0\xB4", 3), "Backward");
  // A caption that is no table text (a macro name) stays.
  EXPECT_EQ(set.TranslateCaption("MyMacro", 1), "MyMacro");
  // Found, but the target language lacks the key: the caption becomes empty.
  EXPECT_EQ(set.TranslateCaption("Edge", 3), "");
}

TEST(LanguageSet, LanguageNumberOutsideOneToThreeGivesEmptyTexts) {
  const LanguageSet set(Fixture(u"lang1", u"\"Str001=a\""), Fixture(u"lang2", u"\"Str001=b\""),
                        Fixture(u"lang3", u"\"Str001=c\""));
  EXPECT_EQ(set.Table(1).Text(1), "a");
  EXPECT_EQ(set.Table(3).Text(1), "c");
  EXPECT_EQ(set.Table(0).Text(1), "");
  EXPECT_EQ(set.Table(4).Text(1), "");
}

// --- The built-in tables ----------------------------------------------------------------

std::set<int> IdsFromRanges(std::initializer_list<std::pair<int, int>> ranges) {
  std::set<int> ids;
  for (const auto& [first, last] : ranges) {
    for (int id = first; id <= last; ++id) ids.insert(id);
  }
  return ids;
}

const std::set<int>& RussianIds() {
  static const std::set<int> ids = IdsFromRanges({
      {1, 16},    {20, 22},   {100, 108}, {200, 208}, {210, 214}, {220, 223}, {230, 233},
      {240, 243}, {250, 254}, {260, 277}, {280, 286}, {290, 293}, {300, 314}, {400, 402},
      {404, 418}, {420, 422}, {430, 430}, {432, 435}, {440, 442}, {450, 451}, {454, 458},
      {500, 502}, {510, 512}, {520, 526}, {600, 606}, {610, 614}, {620, 621}, {700, 707},
      {800, 810}, {812, 831}, {834, 861},
  });
  return ids;
}

const std::set<int>& EnglishIds() {
  static const std::set<int> ids = [] {
    std::set<int> english;
    for (int id : RussianIds()) {
      if (id != 314 && (id < 800 || id > 861)) english.insert(id);
    }
    return english;
  }();
  return ids;
}

std::set<std::string> KeysOf(const std::set<int>& ids) {
  std::set<std::string> keys{"FontName", "Title"};
  for (int id : ids) keys.insert(LanguageKey(id));
  return keys;
}

TEST(BuiltInLanguageTables, HoldExactlyTheirIds) {
  ASSERT_EQ(RussianIds().size(), 233u);
  ASSERT_EQ(EnglishIds().size(), 173u);
  const LanguageSet set = LanguageSet::LoadBuiltIn();
  const struct {
    int number;
    const std::set<int>& ids;
    const char* font;
  } tables[] = {
      {1, RussianIds(), "Calibri"},
      {2, RussianIds(), "Calibri"},
      {3, EnglishIds(), "Arial Narrow"},
  };
  for (const auto& t : tables) {
    const LanguageTable& table = set.Table(t.number);
    const std::string section = "lang" + std::to_string(t.number);
    EXPECT_EQ(table.Ini().Sections(), std::vector<std::string>{section});
    const std::vector<std::string> keys = table.Ini().Keys(section);
    EXPECT_EQ(keys.size(), t.ids.size() + 2) << section << ": a key is written twice";
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()), KeysOf(t.ids)) << section;
    for (const std::string& key : keys) EXPECT_FALSE(table.Value(key).empty()) << section << key;
    EXPECT_EQ(table.FontName(), t.font);
    EXPECT_FALSE(table.Title().empty());
  }
  EXPECT_EQ(set.Table(3).Title(), "Brightmoor Gaming Mouse");
}

TEST(BuiltInLanguageTables, RussianTablesDifferOnlyInStr835) {
  const LanguageSet set = LanguageSet::LoadBuiltIn();
  for (const std::string& key : set.Table(1).Ini().Keys("lang1")) {
    if (key == "Str835") {
      EXPECT_NE(set.Table(1).Value(key), set.Table(2).Value(key));
    } else {
      EXPECT_EQ(set.Table(1).Value(key), set.Table(2).Value(key)) << key;
    }
  }
}

TEST(BuiltInLanguageTables, EnglishHoldsTheTextsTheToolComparesAndShows) {
  const LanguageSet set = LanguageSet::LoadBuiltIn();
  const LanguageTable& english = set.Table(3);
  const struct {
    int id;
    const char* text;
  } texts[] = {
      {4, "Office Mode"},
      {22, "Not find the specified device"},
      {102, "OrvaneData.bin file type error"},
      {107, "The mouse manufacturer or product id error"},
      {200, "*"},
      {205, "User-defined"},
      {210, "Left Key"},
      {213, "Backward"},
      {231, "Fire Key1"},
      {251, "Office Mode"},
      {254, "KB Switch Loop"},
      {260, "AIM Key"},
      {261, "LED Mode"},
      {277, "Key Off"},
      {313, "10000"},
      {433, "Delect Macro"},
      {600, "AKM Fire"},
      {606, "UZI Fire"},
      {700, "'Back'+'Right Key' Switch LED Mode"},
      {707, "Enable Gun Key Switch Office/Gaming Mode"},
  };
  for (const auto& t : texts) EXPECT_EQ(english.Text(t.id), t.text) << t.id;
  for (int id = 800; id <= 861; ++id) EXPECT_EQ(english.Text(id), "") << id;
  EXPECT_EQ(english.Text(314), "");
}

// Switching languages translates a caption through its key: every findable text must lead
// back to its own id's text in every language, so no two ids share a text in one table
// unless they share it in all.
TEST(BuiltInLanguageTables, CaptionsTranslateToTheSameIdInEveryLanguage) {
  const LanguageSet set = LanguageSet::LoadBuiltIn();
  for (int id : EnglishIds()) {
    if (id < 100 || id > 800) continue;
    for (int from = 1; from <= kLanguageCount; ++from) {
      for (int to = 1; to <= kLanguageCount; ++to) {
        EXPECT_EQ(set.TranslateCaption(set.Table(from).Text(id), to), set.Table(to).Text(id))
            << "Str" << id << " from " << from << " to " << to;
      }
    }
  }
}

// The embedded UTF-16 tables are written by tools/lang_tables.py from the readable sources;
// this encodes the sources the same way and wants the same bytes.
TEST(BuiltInLanguageTables, MatchTheirReadableSources) {
  const std::string sources =
      std::string(ORVANE_TEST_FIXTURES) + "/../../src/skin/data/lang_sources/";
  for (const char* name : {"lang1", "lang2", "lang3"}) {
    std::ifstream file(sources + name + ".ini", std::ios::binary);
    ASSERT_TRUE(file) << name;
    std::stringstream source;
    source << file.rdbuf();

    std::u16string table;
    std::string line;
    while (std::getline(source, line)) {
      const std::size_t first = line.find_first_not_of(" \t\r");
      if (first == std::string::npos || line[first] == ';') continue;
      line = line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
      std::string quoted = "\"";
      for (char c : line) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
      table += Utf8ToUtf16(quoted + "\"\r\n");
    }
    const Bytes expected = Utf16Le(table);
    const auto embedded = SkinResource(name);
    EXPECT_TRUE(Bytes(embedded.begin(), embedded.end()) == expected)
        << name << ".txt is out of date: run tools/lang_tables.py";
  }
}

}  // namespace
}  // namespace orvane
