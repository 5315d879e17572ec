// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and editing INI text, on files as people write them by hand.

#include "config/initext.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/cp1252.h"

namespace numerina {
namespace {

using namespace std::string_literals;

// Test names from the case descriptions.
template <typename Info>
std::string CaseName(const Info& info) {
  std::string n = info.param.name;
  for (char& ch : n) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return n;
}

struct ReadCase {
  const char* name;
  std::string file;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

class IniReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, FindsTheValue) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(IniReadValue(c.file, c.section, c.key), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    HandWrittenFiles, IniReadTest,
    ::testing::Values(
        ReadCase{"plain", "[Opzioni]\nDecimali=3\n", "Opzioni", "Decimali", "3"},
        ReadCase{"crlf", "[Opzioni]\r\nDecimali=3\r\nReport=0\r\n", "Opzioni", "Report", "0"},
        ReadCase{"no final line end", "[Opzioni]\nDecimali=3", "Opzioni", "Decimali", "3"},
        ReadCase{"odd case", "[OPZIONI]\ndecimali=4\n", "Opzioni", "DECIMALI", "4"},
        ReadCase{"accented case", "[Società]\nCittà=Roma\n", "SOCIETÀ", "cittÀ", "Roma"},
        // "×" and "÷" stand where an upper and a lower case letter would
        // (0xD7, 0xF7): they are not letters and never fold into each other.
        ReadCase{"times matches itself", "[Opzioni]\nA×B=1\n", "Opzioni", "a×b", "1"},
        ReadCase{"times is not divide", "[Opzioni]\nA×B=1\n", "Opzioni", "a÷b", std::nullopt},
        ReadCase{"divide is not times", "[Opzioni]\nA÷B=1\n", "Opzioni", "A×B", std::nullopt},
        ReadCase{"windows-1252 times",
                 "[Opzioni]\nA\xD7"
                 "B=1\n",
                 "Opzioni", "a÷b", std::nullopt},
        ReadCase{"blanks around", "  [ Opzioni ]  \n \t Nome  =  Mario Rossi \t\n", " Opzioni",
                 "Nome ", "Mario Rossi"},
        ReadCase{"equals in value", "[Opzioni]\nNome=a=b\n", "Opzioni", "Nome", "a=b"},
        ReadCase{"empty value", "[Opzioni]\nNome=\n", "Opzioni", "Nome", ""},
        ReadCase{"missing key", "[Opzioni]\nNome=x\n", "Opzioni", "Banner", std::nullopt},
        ReadCase{"missing section", "[Altro]\nNome=x\n", "Opzioni", "Nome", std::nullopt},
        ReadCase{"empty file", "", "Opzioni", "Nome", std::nullopt},
        ReadCase{"key of another section", "[Altro]\nNome=x\n[Opzioni]\nInfo=1\n", "Opzioni",
                 "Nome", std::nullopt},
        ReadCase{"key before any section", "Nome=x\n[Opzioni]\n", "Opzioni", "Nome", std::nullopt},
        ReadCase{"comment lines", "[Opzioni]\n;Nome=commento\n# Nome=altro\nNome=vero\n", "Opzioni",
                 "Nome", "vero"},
        ReadCase{"first of two keys", "[Opzioni]\nDecimali=1\nDecimali=4\n", "Opzioni", "Decimali",
                 "1"},
        ReadCase{"first of two sections", "[Opzioni]\nA=1\n[Altro]\n[opzioni]\nA=2\nB=3\n",
                 "Opzioni", "B", std::nullopt},
        ReadCase{"header without bracket", "[Opzioni\nA=1\n", "Opzioni", "A", "1"},
        ReadCase{"line without equals", "[Opzioni]\nNome\nNome=x\n", "Opzioni", "Nome", "x"},
        ReadCase{"lone CR stays inside a line", "[Opzioni]\nA=1\rB=2\n", "Opzioni", "A", "1\rB=2"},
        ReadCase{"windows-1252 byte", "[Opzioni]\nNome=Societ\xE0\n", "Opzioni", "Nome", "Società"},
        ReadCase{"euro byte", "[Opzioni]\nNome=\x80 5\n", "Opzioni", "Nome", "€ 5"},
        ReadCase{"undefined byte", "[Opzioni]\nNome=a\x81z\n", "Opzioni", "Nome", "a\xEF\xBF\xBDz"},
        ReadCase{"utf-8 file", "[Opzioni]\nNome=Societ\xC3\xA0 \xE2\x82\xAC\n", "Opzioni", "Nome",
                 "Società €"},
        ReadCase{"byte-order mark", "\xEF\xBB\xBF[Opzioni]\nDecimali=3\n", "Opzioni", "Decimali",
                 "3"},
        ReadCase{"mark and windows-1252 body", "\xEF\xBB\xBF[Opzioni]\nNome=\xE0\n", "Opzioni",
                 "Nome", "à"}),
    CaseName<::testing::TestParamInfo<ReadCase>>);

TEST(IniRead, CutsValuesTo254Characters) {
  const std::string value(300, 'x');
  EXPECT_EQ(IniReadValue("[Opzioni]\nNome=" + value + "\n", "Opzioni", "Nome"),
            std::string(254, 'x'));
  // A Windows-1252 file counts bytes, a UTF-8 file characters: both cut at 254.
  std::string accented;
  for (int i = 0; i < 300; ++i) accented += "\xE0";
  const auto fromCp1252 = IniReadValue("[Opzioni]\nNome=" + accented + "\n", "Opzioni", "Nome");
  ASSERT_TRUE(fromCp1252);
  EXPECT_EQ(fromCp1252->size(), 254u * 2);  // two UTF-8 bytes per "à"
  const auto fromUtf8 =
      IniReadValue("[Opzioni]\nNome=" + FromCp1252(accented) + "\n", "Opzioni", "Nome");
  EXPECT_EQ(fromUtf8, fromCp1252);
  EXPECT_EQ(IniReadValue("[Opzioni]\nNome=" + std::string(254, 'y') + "\n", "Opzioni", "Nome"),
            std::string(254, 'y'));
}

TEST(IniRead, EncodingDetection) {
  EXPECT_FALSE(IniBytesAreUtf8("[Opzioni]\nA=1\n"));  // plain ASCII: read either way
  EXPECT_TRUE(IniBytesAreUtf8("A=\xC3\xA0"));
  EXPECT_FALSE(IniBytesAreUtf8("A=\xE0"));
  EXPECT_TRUE(
      IniBytesAreUtf8("\xEF\xBB\xBF"
                      "A=1"));
  EXPECT_EQ(DecodeIniBytes("\xEF\xBB\xBF"
                           "A=\xC3\xA0"),
            "A=à");
  EXPECT_EQ(DecodeIniBytes("A=\xE0\x9D"), "A=à\xEF\xBF\xBD");
}

struct EditCase {
  const char* name;
  std::string before;
  const char* key;
  const char* value;
  std::string after;
};

class IniWriteTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(IniWriteTest, EditsOnlyWhatItMust) {
  const EditCase& c = GetParam();
  const auto out = IniWriteValue(c.before, "Opzioni", c.key, c.value);
  ASSERT_TRUE(out) << c.name;
  EXPECT_EQ(*out, c.after) << c.name;
  // Whatever was written reads back.
  EXPECT_EQ(IniReadValue(*out, "Opzioni", c.key), IniCleanName(c.value)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    HandWrittenFiles, IniWriteTest,
    ::testing::Values(
        EditCase{"new file", "", "Decimali", "2", "[Opzioni]\r\nDecimali=2\r\n"},
        EditCase{"replace in place", "[Opzioni]\nDecimali=3\nReport=0\n", "Decimali", "2",
                 "[Opzioni]\nDecimali=2\nReport=0\n"},
        EditCase{"line keeps its spelling and CR LF",
                 "; settings\r\n[opzioni]\r\n  decimali = 3 \r\nX=1\r\n", "DECIMALI", "4",
                 "; settings\r\n[opzioni]\r\ndecimali=4\r\nX=1\r\n"},
        EditCase{"new key after the last key line",
                 "[Opzioni]\nA=1\n\n; tail comment\n[Altro]\nB=2\n", "Decimali", "2",
                 "[Opzioni]\nA=1\nDecimali=2\n\n; tail comment\n[Altro]\nB=2\n"},
        EditCase{"new key in an empty section", "[Opzioni]\n[Altro]\nB=2\n", "Nome", "x",
                 "[Opzioni]\nNome=x\n[Altro]\nB=2\n"},
        EditCase{"new key in crlf file", "[Opzioni]\r\nA=1\r\n", "B", "2",
                 "[Opzioni]\r\nA=1\r\nB=2\r\n"},
        EditCase{"new key after a last line without line end", "[Opzioni]\r\nA=1", "B", "2",
                 "[Opzioni]\r\nA=1\r\nB=2\r\n"},
        EditCase{"new section at the end", "[Altro]\nB=2\n", "Report", "1",
                 "[Altro]\nB=2\n[Opzioni]\nReport=1\n"},
        EditCase{"new section after a last line without line end", "; only a comment", "Report",
                 "1", "; only a comment\r\n[Opzioni]\r\nReport=1\r\n"},
        EditCase{"new section in crlf file", "[Altro]\r\nB=2\r\n", "Report", "1",
                 "[Altro]\r\nB=2\r\n[Opzioni]\r\nReport=1\r\n"},
        EditCase{"first of two keys replaced", "[Opzioni]\nA=1\nA=2\n", "a", "9",
                 "[Opzioni]\nA=9\nA=2\n"},
        EditCase{"first of two sections used", "[Opzioni]\nA=1\n[X]\n[Opzioni]\nB=1\n", "B", "2",
                 "[Opzioni]\nA=1\nB=2\n[X]\n[Opzioni]\nB=1\n"},
        EditCase{"commented key is not the key", "[Opzioni]\n;Nome=old\n", "Nome", "new",
                 "[Opzioni]\nNome=new\n;Nome=old\n"},
        EditCase{"empty value", "[Opzioni]\nNome=Mario\n", "Nome", "", "[Opzioni]\nNome=\n"},
        EditCase{"byte-order mark kept", "\xEF\xBB\xBF[Opzioni]\nA=1\n", "A", "2",
                 "\xEF\xBB\xBF[Opzioni]\nA=2\n"},
        EditCase{"keys outside the section untouched", "A=1\n[Opzioni]\nA=1\n", "A", "5",
                 "A=1\n[Opzioni]\nA=5\n"}),
    CaseName<::testing::TestParamInfo<EditCase>>);

TEST(IniWrite, LineBreaksAndNulCannotInjectLines) {
  const auto out = IniWriteValue("[Opzioni]\n", "Opzioni", "Nome", "Mario\r\n[Hack]\nX=1\0Z"s);
  ASSERT_TRUE(out);
  EXPECT_EQ(*out, "[Opzioni]\nNome=Mario[Hack]X=1Z\n");
  const auto key = IniWriteValue("", "Opz\nioni", "No\r\nme", "v");
  ASSERT_TRUE(key);
  EXPECT_EQ(*key, "[Opzioni]\r\nNome=v\r\n");
}

TEST(IniWrite, RefusesNamesAnIniFileCannotHold) {
  for (const char* key : {"", "  ", "a=b", "[x", ";x", "#x", "\r\n"}) {
    EXPECT_FALSE(IniWriteValue("", "Opzioni", key, "v")) << key;
  }
  EXPECT_FALSE(IniWriteValue("", "a]b", "k", "v"));
  EXPECT_FALSE(IniWriteValue("", "", "k", "v"));
}

TEST(IniWrite, Windows1252RoundTrip) {
  const auto out = IniWriteValue("", "Opzioni", "Nome", "Società € 5");
  ASSERT_TRUE(out);
  EXPECT_EQ(*out, "[Opzioni]\r\nNome=Societ\xE0 \x80 5\r\n");  // one byte each
  EXPECT_EQ(IniReadValue(*out, "Opzioni", "Nome"), "Società € 5");
  // No Windows-1252 byte: the file is UTF-8 from then on, the text kept.
  const auto cjk = IniWriteValue("", "Opzioni", "Nome", "日本 ok");
  ASSERT_TRUE(cjk);
  EXPECT_EQ(*cjk, "[Opzioni]\r\nNome=日本 ok\r\n");
  EXPECT_EQ(IniReadValue(*cjk, "Opzioni", "Nome"), "日本 ok");
}

TEST(IniWrite, KeepsAUtf8FileUtf8) {
  const std::string before = "[Opzioni]\n; città\nNome=Società\n";
  const auto out = IniWriteValue(before, "Opzioni", "LogoNome", "Caffè €");
  ASSERT_TRUE(out);
  EXPECT_EQ(*out, "[Opzioni]\n; città\nNome=Società\nLogoNome=Caffè €\n");
  EXPECT_TRUE(IsValidUtf8(*out));
  EXPECT_EQ(IniReadValue(*out, "Opzioni", "Nome"), "Società");
  EXPECT_EQ(IniReadValue(*out, "Opzioni", "LogoNome"), "Caffè €");
  // Characters outside Windows-1252 too.
  EXPECT_EQ(IniReadValue(*IniWriteValue(before, "Opzioni", "X", "日"), "Opzioni", "X"), "日");
}

TEST(IniWrite, AnAsciiFileStaysWindows1252) {
  // Windows-1252 bytes that fit stay Windows-1252.
  const auto plain = IniWriteValue("[Opzioni]\nA=1\n", "Opzioni", "Nome", "Società");
  ASSERT_TRUE(plain);
  EXPECT_EQ(*plain, "[Opzioni]\nA=1\nNome=Societ\xE0\n");
  // "Ã©" is C3 A9 in Windows-1252, which is also valid UTF-8: written so, the
  // file would read back "é". It is written as UTF-8 instead.
  const auto out = IniWriteValue("[Opzioni]\nA=1\n", "Opzioni", "Nome", "Ã©");
  ASSERT_TRUE(out);
  EXPECT_EQ(*out, "[Opzioni]\nA=1\nNome=\xC3\x83\xC2\xA9\n");
  EXPECT_EQ(IniReadValue(*out, "Opzioni", "Nome"), "Ã©");
  // Where another line keeps the file from being UTF-8, nothing converts.
  const auto legacy = IniWriteValue("[Opzioni]\nA=\xE0\n", "Opzioni", "Nome", "Ã©");
  ASSERT_TRUE(legacy);
  EXPECT_EQ(*legacy, "[Opzioni]\nA=\xE0\nNome=\xC3\xA9\n");
  EXPECT_EQ(IniReadValue(*legacy, "Opzioni", "Nome"), "Ã©");
}

TEST(IniWrite, NoChangeLetsAWindows1252FileReadAsUtf8) {
  // "A=\xE0" keeps this Windows-1252 file from reading as UTF-8; once it is
  // replaced or removed, "B" (C3 A8: "Ã¨") must not turn into "è".
  const std::string before = "[Opzioni]\nA=\xE0\nB=\xC3\xA8\n";
  const auto replaced = IniWriteValue(before, "Opzioni", "A", "x");
  ASSERT_TRUE(replaced);
  EXPECT_EQ(IniReadValue(*replaced, "Opzioni", "B"), "Ã¨");
  EXPECT_EQ(IniReadValue(*replaced, "Opzioni", "A"), "x");
  EXPECT_EQ(IniReadValue(IniDeleteKey(before, "Opzioni", "A"), "Opzioni", "B"), "Ã¨");
  const std::string twoSections = "[Altro]\nA=\xE0\n[Opzioni]\nB=\xC3\xA8\n";
  EXPECT_EQ(IniReadValue(IniDeleteSection(twoSections, "Altro"), "Opzioni", "B"), "Ã¨");
  const auto section = IniReplaceSection(twoSections, "Altro", "A=1");
  ASSERT_TRUE(section);
  EXPECT_EQ(IniReadValue(*section, "Opzioni", "B"), "Ã¨");
  EXPECT_EQ(IniReadValue(*section, "Altro", "A"), "1");
  // A file that had to become UTF-8 anyway is converted once, not twice.
  const auto wide = IniReplaceSection(twoSections, "Altro", "A=Łódź");
  ASSERT_TRUE(wide);
  EXPECT_EQ(IniReadValue(*wide, "Opzioni", "B"), "Ã¨");
  EXPECT_EQ(IniReadValue(*wide, "Altro", "A"), "Łódź");
}

TEST(IniWrite, SameKeyTwiceLeavesOneLine) {
  auto out = IniWriteValue("", "Opzioni", "Decimali", "1");
  out = IniWriteValue(*out, "Opzioni", "Decimali", "3");
  ASSERT_TRUE(out);
  EXPECT_EQ(*out, "[Opzioni]\r\nDecimali=3\r\n");
}

TEST(IniDelete, KeyGoesOtherLinesStay) {
  const std::string before = "; top\r\n[Opzioni]\r\nA=1\r\n; keep\r\na=2\r\nB=3\r\n[X]\r\nA=4\r\n";
  EXPECT_EQ(IniDeleteKey(before, "Opzioni", "A"),
            "; top\r\n[Opzioni]\r\n; keep\r\nB=3\r\n[X]\r\nA=4\r\n");
  EXPECT_EQ(IniDeleteKey(before, "Opzioni", "Missing"), before);
  EXPECT_EQ(IniDeleteKey(before, "Nowhere", "A"), before);
  EXPECT_EQ(IniReadValue(IniDeleteKey(before, "Opzioni", "A"), "Opzioni", "A"), std::nullopt);
}

TEST(IniDelete, SectionGoesWithItsLines) {
  const std::string before = "; top\n[Opzioni]\nA=1\n; inner\n[X]\nB=2\n[opzioni]\nC=3";
  EXPECT_EQ(IniDeleteSection(before, "OPZIONI"), "; top\n[X]\nB=2\n");
  EXPECT_EQ(IniDeleteSection(before, "Y"), before);
  EXPECT_EQ(IniDeleteSection("\xEF\xBB\xBF[A]\nk=1\n[B]\n", "A"), "\xEF\xBB\xBF[B]\n");
}

TEST(IniSection, ListsKeyNames) {
  const std::string file = "[Opzioni]\nPrimoPiano=1\n;c=1\n Report = 0\n[X]\nZ=1\n";
  EXPECT_EQ(IniSectionKeyList(file, "opzioni"), "PrimoPiano\0Report\0"s);
  EXPECT_EQ(IniSectionKeyList(file, "Y"), std::nullopt);
  std::string many = "[S]\n";
  for (int i = 0; i < 40; ++i) many += "Key" + std::to_string(100 + i) + "=1\n";
  const auto list = IniSectionKeyList(many, "S");
  ASSERT_TRUE(list);
  EXPECT_EQ(list->size(), kIniKeyListMax);
  EXPECT_EQ(list->substr(0, 7), "Key100\0"s);
}

TEST(IniSection, ReplacesItsLines) {
  const std::string before = "[A]\r\nx=1\r\n[Opzioni]\r\nOld=1\r\n; c\r\n[B]\r\ny=2\r\n";
  const auto out = IniReplaceSection(before, "opzioni", "K=1\0L=2\n[Z]\n\0"s);
  ASSERT_TRUE(out);
  EXPECT_EQ(*out, "[A]\r\nx=1\r\n[Opzioni]\r\nK=1\r\nL=2\r\n[B]\r\ny=2\r\n");
  const auto fresh = IniReplaceSection("", "Opzioni", "K=1");
  ASSERT_TRUE(fresh);
  EXPECT_EQ(*fresh, "[Opzioni]\r\nK=1\r\n");
}

}  // namespace
}  // namespace numerina
