// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file on disk: LeggiIni, ScriviIni and cIniFile.

#include "config/ini.h"

#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "base/safefile.h"
#include "config/settings.h"
#include "tests/config/settings_folder.h"
#include "tests/support/testdir.h"

namespace numerina {
namespace {

using namespace std::string_literals;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

class SettingsFileTest : public testing::SettingsFolderTest {};

TEST_F(SettingsFileTest, TheFileLiesInTheSettingsFolder) {
  EXPECT_EQ(SettingsFolder(), dir_.Path());
  EXPECT_EQ(SettingsFilePath(), dir_.Path() + "/voldrin.ini");
  SetSettingsFolderForTesting(dir_.Path() + "/");
  EXPECT_EQ(SettingsFilePath(), dir_.Path() + "/voldrin.ini");  // one "/" only
  SetSettingsFolderForTesting("");
  EXPECT_EQ(SettingsFolder(), CartellaProgramma());
}

TEST_F(SettingsFileTest, NoFileReadsEmptyAndFirstWriteCreatesIt) {
  EXPECT_EQ(LeggiIni(kSection, kDecimali), "");
  EXPECT_FALSE(EsisteFile(Ini()));
  ScriviIni(kSection, kDecimali, "2");
  EXPECT_TRUE(EsisteFile(Ini()));
  EXPECT_EQ(ReadBytes(Ini()), "[Opzioni]\r\nDecimali=2\r\n");
  EXPECT_EQ(LeggiIni(kSection, kDecimali), "2");
}

TEST_F(SettingsFileTest, SameKeyTwiceLeavesOneLineWithTheSecondValue) {
  ScriviIni(kSection, kDecimali, "2");
  ScriviIni(kSection, kDecimali, "4");
  EXPECT_EQ(ReadBytes(Ini()), "[Opzioni]\r\nDecimali=4\r\n");
}

TEST_F(SettingsFileTest, ValuesAreCleanedAndCut) {
  ScriviIni(kSection, kNome, "Ma\0ri\0\0o"s);
  EXPECT_EQ(LeggiIni(kSection, kNome), "Mario");
  ScriviIni(kSection, kNome, "");
  EXPECT_EQ(ReadBytes(Ini()), "[Opzioni]\r\nNome=\r\n");  // the key stays, empty
  EXPECT_EQ(LeggiIni(kSection, kNome), "");
  const std::string longValue = std::string(200, 'a') + std::string(100, 'b');
  ScriviIni(kSection, kLogoNome, longValue);
  EXPECT_NE(ReadBytes(Ini()).find(longValue), std::string::npos);  // stored whole
  EXPECT_EQ(LeggiIni(kSection, kLogoNome), longValue.substr(0, 254));
}

TEST_F(SettingsFileTest, SocietaIsOneByteOnDisk) {
  ScriviIni(kSection, kLogoNome, "Società");
  EXPECT_EQ(ReadBytes(Ini()), "[Opzioni]\r\nLogoNome=Societ\xE0\r\n");
  EXPECT_EQ(LeggiIni(kSection, kLogoNome), "Società");
}

TEST_F(SettingsFileTest, EveryReadReadsTheFile) {
  ScriviIni(kSection, kReport, "1");
  EXPECT_EQ(LeggiIni(kSection, kReport), "1");
  WriteBytes(Ini(), "[Opzioni]\r\nReport=0\r\n");  // changed behind the program's back
  EXPECT_EQ(LeggiIni(kSection, kReport), "0");
}

TEST_F(SettingsFileTest, AHandWrittenFileKeepsItsOtherLines) {
  const std::string before =
      "\xEF\xBB\xBF; edited by hand\r\n[altro]\r\nx = 1\r\n\r\n[OPZIONI]\r\n"
      "  primopiano = 0  \r\n; a note\r\nUnknown=?\r\n";
  WriteBytes(Ini(), before);
  EXPECT_EQ(LeggiIni(kSection, kPrimoPiano), "0");
  ScriviIni(kSection, kPrimoPiano, "1");
  ScriviIni(kSection, kPosizione, "1500,3000");
  EXPECT_EQ(ReadBytes(Ini()),
            "\xEF\xBB\xBF; edited by hand\r\n[altro]\r\nx = 1\r\n\r\n[OPZIONI]\r\n"
            "primopiano=1\r\n; a note\r\nUnknown=?\r\nPosizione=1500,3000\r\n");
}

TEST_F(SettingsFileTest, AUtf8FileFromALinuxEditor) {
  WriteBytes(Ini(), "[Opzioni]\nLogoNome=Caffè Società\n");
  EXPECT_EQ(LeggiIni(kSection, kLogoNome), "Caffè Società");
  ScriviIni(kSection, kNome, "Niccolò");
  EXPECT_EQ(ReadBytes(Ini()), "[Opzioni]\nLogoNome=Caffè Società\nNome=Niccolò\n");
}

TEST_F(SettingsFileTest, AllKeysInTheirOrder) {
  for (std::string_view key : kAllKeys) ScriviIni(kSection, key, "");
  std::string expected = "[Opzioni]\r\n";
  for (std::string_view key : kAllKeys) expected.append(key).append("=\r\n");
  EXPECT_EQ(ReadBytes(Ini()), expected);
}

TEST_F(SettingsFileTest, AFailedWriteIsSilentAndKeepsTheOldFile) {
  const std::string before = "[Opzioni]\r\nDecimali=3\r\nNome=Societ\xE0\r\n";
  WriteBytes(Ini(), before);
  for (SafeFileStep failing : {SafeFileStep::Write, SafeFileStep::Sync, SafeFileStep::Rename}) {
    SetSafeFileFaultForTesting([failing](SafeFileStep s) { return s == failing; });
    cIniFile ini;
    ini.Path(Ini());
    ini.Section("Opzioni");
    ini.Key("Decimali");
    ini.Value("1");
    EXPECT_EQ(ini.LastReturnCode(), 0);
    EXPECT_EQ(ReadBytes(Ini()), before);
    EXPECT_EQ(dir_.Entries(), std::set<std::string>{"voldrin.ini"});
  }
}

TEST_F(SettingsFileTest, NoTemporaryFileMeansWritingInPlace) {
  WriteBytes(Ini(), "[Opzioni]\nDecimali=3\n");
  SetSafeFileFaultForTesting([](SafeFileStep s) { return s == SafeFileStep::CreateTemp; });
  ScriviIni(kSection, kDecimali, "0");
  EXPECT_EQ(ReadBytes(Ini()), "[Opzioni]\nDecimali=0\n");
}

// A file the program creates has the design's CR LF line ends, wherever it
// is created; a file it keeps keeps its own.
TEST_F(SettingsFileTest, ANewFileHasCrLfLineEnds) {
  std::filesystem::create_directory(dir_.File("shared"));
  ASSERT_EQ(::symlink("shared/made.ini", Ini().c_str()), 0);  // dangling
  ScriviIni(kSection, kReport, "0");
  ScriviIni("Altro", "k", "v");
  EXPECT_TRUE(std::filesystem::is_symlink(Ini()));
  EXPECT_EQ(ReadBytes(dir_.File("shared/made.ini")), "[Opzioni]\r\nReport=0\r\n[Altro]\r\nk=v\r\n");
  WriteBytes(dir_.File("shared/made.ini"), "[Opzioni]\nReport=0\n");
  ScriviIni(kSection, kDecimali, "2");
  EXPECT_EQ(ReadBytes(dir_.File("shared/made.ini")), "[Opzioni]\nReport=0\nDecimali=2\n");
}

TEST_F(SettingsFileTest, ASymbolicLinkIsWrittenThrough) {
  std::filesystem::create_directory(dir_.File("shared"));
  WriteBytes(dir_.File("shared/real.ini"), "[Opzioni]\nReport=1\n");
  ASSERT_EQ(::symlink("shared/real.ini", Ini().c_str()), 0);
  ScriviIni(kSection, kReport, "0");
  EXPECT_TRUE(std::filesystem::is_symlink(Ini()));
  EXPECT_EQ(ReadBytes(dir_.File("shared/real.ini")), "[Opzioni]\nReport=0\n");
}

TEST_F(SettingsFileTest, AFolderInThePlaceOfTheFile) {
  std::filesystem::create_directory(Ini());
  EXPECT_FALSE(EsisteFile(Ini()));
  EXPECT_EQ(LeggiIni(kSection, kNome), "");
  cIniFile ini;
  ini.Path(Ini());
  ini.Section("Opzioni");
  ini.Key("Nome");
  ini.Value("x");
  EXPECT_EQ(ini.LastReturnCode(), 0);
  EXPECT_TRUE(std::filesystem::is_directory(Ini()));
}

TEST_F(SettingsFileTest, IniFileMembers) {
  cIniFile ini;
  EXPECT_EQ(ini.LastReturnCode(), 0);
  ini.Path(Ini());
  ini.Section("Opzioni");
  ini.Key("Decimali");
  EXPECT_EQ(ini.Path(), Ini());
  EXPECT_EQ(ini.Section(), "Opzioni");
  EXPECT_EQ(ini.Key(), "Decimali");
  EXPECT_FALSE(EsisteFile(Ini()));  // setting properties touches nothing

  EXPECT_EQ(ini.Value(), "");
  ini.Default("7");
  EXPECT_EQ(ini.Default(), "7");
  EXPECT_EQ(ini.Value(), "7");  // missing file
  ini.Value("3");
  EXPECT_EQ(ini.LastReturnCode(), 1);
  EXPECT_EQ(ini.Value(), "3");
  ini.Key("Report");
  EXPECT_EQ(ini.Value(), "7");  // missing key
  ini.Value("1");
  EXPECT_EQ(ini.INISection(), "Decimali\0Report\0"s);

  ini.Key("Decimali");
  ini.DeleteValue();  // removes the key, does not write "0"
  EXPECT_EQ(ini.LastReturnCode(), 1);
  EXPECT_EQ(ReadBytes(Ini()), "[Opzioni]\r\nReport=1\r\n");

  ini.INISection("PrimoPiano=0\0Nome=Mario"s);
  EXPECT_EQ(ReadBytes(Ini()), "[Opzioni]\r\nPrimoPiano=0\r\nNome=Mario\r\n");

  ini.Section("Altro");
  ini.Key("k");
  ini.Value("v");
  ini.Section("Opzioni");
  ini.DeleteSection();
  EXPECT_EQ(ini.LastReturnCode(), 1);
  EXPECT_EQ(ReadBytes(Ini()), "[Altro]\r\nk=v\r\n");
  EXPECT_EQ(ini.INISection(), "");

  ini.Path(dir_.File("no/such/folder/voldrin.ini"));
  ini.Value("x");
  EXPECT_EQ(ini.LastReturnCode(), 0);
}

TEST(ProgramFolder, TrailingSlashIsDropped) {
  EXPECT_EQ(WithoutTrailingSlash("/"), "");
  EXPECT_EQ(WithoutTrailingSlash("/opt/numerina/"), "/opt/numerina");
  EXPECT_EQ(WithoutTrailingSlash("/opt/numerina"), "/opt/numerina");
}

TEST(ProgramFolder, EsisteFileWantsAPlainFile) {
  TempDir dir;
  WriteBytes(dir.File("f"), "x");
  EXPECT_TRUE(EsisteFile(dir.File("f")));
  EXPECT_FALSE(EsisteFile(dir.Path()));
  EXPECT_FALSE(EsisteFile(dir.File("missing")));
  EXPECT_FALSE(EsisteFile(""));
  ASSERT_EQ(::symlink("f", dir.File("link").c_str()), 0);
  EXPECT_TRUE(EsisteFile(dir.File("link")));
}

// Runs the probe program, which prints its CartellaProgramma().
std::string RunProbe(const std::string& path) {
  FILE* pipe = ::popen(("'" + path + "'").c_str(), "r");
  if (pipe == nullptr) return "<popen failed>";
  std::string out;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
  ::pclose(pipe);
  return out;
}

TEST(ProgramFolder, IsTheExecutablesFolderWithLinksResolved) {
  const std::filesystem::path probe = NUMERINA_FOLDER_PROBE;
  const std::string real = std::filesystem::canonical(probe).parent_path().string();
  EXPECT_EQ(RunProbe(probe.string()), real + "\n");

  TempDir dir;
  // Started through a link to the program, and through a linked folder.
  ASSERT_EQ(::symlink(probe.c_str(), dir.File("probe-link").c_str()), 0);
  ASSERT_EQ(::symlink(real.c_str(), dir.File("folder-link").c_str()), 0);
  EXPECT_EQ(RunProbe(dir.File("probe-link")), real + "\n");
  EXPECT_EQ(RunProbe(dir.File("folder-link/") + probe.filename().string()), real + "\n");
}

}  // namespace
}  // namespace numerina
