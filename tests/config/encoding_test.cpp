// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's encoding on disk: Windows-1252 while every value fits
// it, UTF-8 (the whole file, every value kept) once one does not.

#include <stdlib.h>

#include <gtest/gtest.h>

#include "base/utf8.h"
#include "config/ini.h"
#include "config/settings.h"
#include "tests/config/settings_folder.h"
#include "tests/support/testdir.h"

namespace numerina {
namespace {

using namespace std::string_literals;
using testing::ReadBytes;
using testing::WriteBytes;

class SettingsEncodingTest : public testing::SettingsFolderTest {};

// A file as the design's program leaves it: Windows-1252, CR LF, a comment.
const std::string kLegacy =
    "; Impostazioni \x80 citt\xE0\r\n"
    "[Opzioni]\r\n"
    "Decimali=2\r\n"
    "LogoNome=Caff\xE8 \x80 5\r\n"
    "[Altro]\r\n"
    "Voce=perch\xE9\r\n";

TEST_F(SettingsEncodingTest, ANameWindows1252LacksTurnsTheWholeFileUtf8) {
  WriteBytes(Ini(), kLegacy);
  const std::string path = dir_.Path() + "/Łódź/x.jpg";
  ScriviIni(kSection, kNome, "Ditta Łódź");
  ScriviIni(kSection, kBanner, path);
  EXPECT_EQ(LeggiIni(kSection, kNome), "Ditta Łódź");
  EXPECT_EQ(LeggiIni(kSection, kBanner), path);
  // What was there reads the same.
  EXPECT_EQ(LeggiIni(kSection, kLogoNome), "Caffè € 5");
  EXPECT_EQ(LeggiIni(kSection, kDecimali), "2");
  EXPECT_EQ(LeggiIni("Altro", "Voce"), "perché");
  const std::string bytes = ReadBytes(Ini());
  EXPECT_TRUE(IsValidUtf8(bytes));
  EXPECT_EQ(bytes,
            "; Impostazioni € città\r\n"
            "[Opzioni]\r\n"
            "Decimali=2\r\n"
            "LogoNome=Caffè € 5\r\n"
            "Nome=Ditta Łódź\r\n"
            "Banner=" +
                path +
                "\r\n"
                "[Altro]\r\n"
                "Voce=perché\r\n");
  // Later values, Windows-1252 ones included, are UTF-8 too.
  ScriviIni(kSection, kLogoNome, "Società è");
  EXPECT_EQ(LeggiIni(kSection, kLogoNome), "Società è");
  EXPECT_EQ(LeggiIni(kSection, kNome), "Ditta Łódź");
  EXPECT_TRUE(IsValidUtf8(ReadBytes(Ini())));
}

TEST_F(SettingsEncodingTest, AUtf8FileStaysUtf8) {
  const std::string utf8 = "[Opzioni]\r\nLogoNome=Caffè €\r\n";
  WriteBytes(Ini(), utf8);
  ScriviIni(kSection, kNome, "Ditta Łódź");
  EXPECT_EQ(ReadBytes(Ini()), utf8 + "Nome=Ditta Łódź\r\n");
  ScriviIni(kSection, kNome, "è");
  EXPECT_EQ(ReadBytes(Ini()), utf8 + "Nome=è\r\n");
}

TEST_F(SettingsEncodingTest, AFileWhoseValuesFitStaysWindows1252ByteForByte) {
  WriteBytes(Ini(), kLegacy);
  ScriviIni(kSection, kNome, "Società € è");
  EXPECT_EQ(ReadBytes(Ini()),
            "; Impostazioni \x80 citt\xE0\r\n"
            "[Opzioni]\r\n"
            "Decimali=2\r\n"
            "LogoNome=Caff\xE8 \x80 5\r\n"
            "Nome=Societ\xE0 \x80 \xE8\r\n"
            "[Altro]\r\n"
            "Voce=perch\xE9\r\n");
  EXPECT_EQ(LeggiIni(kSection, kNome), "Società € è");
}

TEST_F(SettingsEncodingTest, AWholeSectionWithSuchANameTurnsTheFileUtf8) {
  WriteBytes(Ini(), kLegacy);
  cIniFile ini;
  ini.Path(Ini());
  ini.Section("Altro");
  ini.INISection("Voce=Łódź\0Prima=è"s);
  EXPECT_EQ(ini.LastReturnCode(), 1);
  EXPECT_EQ(LeggiIni("Altro", "Voce"), "Łódź");
  EXPECT_EQ(LeggiIni("Altro", "Prima"), "è");
  EXPECT_EQ(LeggiIni(kSection, kLogoNome), "Caffè € 5");
}

}  // namespace
}  // namespace numerina
