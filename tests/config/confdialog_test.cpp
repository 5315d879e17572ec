// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog's rules without a window: the keys it writes and
// their order, what it reads back, the path ellipsis, the stored picture
// names and the restore's deletion.

#include "config/confdialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "config/ini.h"
#include "config/picture.h"
#include "config/settings.h"
#include "tests/config/settings_folder.h"
#include "tests/support/testdir.h"

namespace numerina {
namespace {

std::vector<std::string> KeysOf(
    const std::vector<std::pair<std::string_view, std::string>>& entries) {
  std::vector<std::string> keys;
  for (const auto& [k, v] : entries) keys.emplace_back(k);
  return keys;
}

TEST(SaveEntries, OrderAndEmptyPlaces) {
  ConfigValues v;
  v.primoPiano = false;
  v.bannerPos = 2;  // a place without a picture is written empty
  v.nome = "Studio";
  v.nomePos = 1;
  v.info = true;
  v.logoPic = "logo.gif";
  v.lines[3] = "quarta";
  const auto on = SaveEntries(v);
  EXPECT_EQ(KeysOf(on), (std::vector<std::string>{"PrimoPiano", "Banner", "BannerPos", "Nome",
                                                  "NomePos", "Info", "LogoPic", "LogoNome", "1",
                                                  "2", "3", "4", "5", "6", "7", "8", "9"}));
  EXPECT_EQ(on[0].second, "0");
  EXPECT_EQ(on[2].second, "");
  EXPECT_EQ(on[4].second, "1");
  EXPECT_EQ(on[5].second, "1");
  EXPECT_EQ(on[11].second, "quarta");
  EXPECT_EQ(on[12].second, " ");

  v.info = false;
  v.banner = "a.bmp";
  v.nome.clear();
  const auto off = SaveEntries(v);
  EXPECT_EQ(KeysOf(off), (std::vector<std::string>{"PrimoPiano", "Banner", "BannerPos", "Nome",
                                                   "NomePos", "Info"}));
  EXPECT_EQ(off[2].second, "2");
  EXPECT_EQ(off[4].second, "");
  EXPECT_EQ(off[5].second, "0");
}

class ConfigFileTest : public testing::SettingsFolderTest {
 protected:
  void Write(const std::string& text) {
    std::ofstream(SettingsFilePath(), std::ios::binary) << text;
  }
};

TEST_F(ConfigFileTest, ReadsEntriesOutsideTheListsAsNone) {
  EXPECT_FALSE(LeggiImpostazioni().has_value());
  Write("[Opzioni]\nBannerPos=7\nNomePos=2x\nPrimoPiano=\nInfo=1\n2=due\n");
  const std::optional<ConfigValues> v = LeggiImpostazioni();
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(v->bannerPos, 0);
  EXPECT_EQ(v->nomePos, 2);
  EXPECT_TRUE(v->primoPiano);
  EXPECT_EQ(v->lines[0], " ");
  EXPECT_EQ(v->lines[1], "due");
}

TEST_F(ConfigFileTest, ResetWritesEveryKeyAndRestoreDeletes) {
  AzzeraImpostazioni();
  ASSERT_TRUE(EsisteFile(SettingsFilePath()));
  for (std::string_view key : kAllKeys) EXPECT_EQ(LeggiIni(kSection, key), "") << key;
  EXPECT_TRUE(EliminaImpostazioni());
  EXPECT_FALSE(EsisteFile(SettingsFilePath()));
  EXPECT_FALSE(EliminaImpostazioni());  // nothing left to delete
}

TEST(PictureLimits, EachPlaceRefusesWithItsMessage) {
  EXPECT_EQ(PictureLimitOf(1)->refusal, MessageCode::PictureTooLargeBanner);
  EXPECT_EQ(PictureLimitOf(2)->refusal, MessageCode::PictureTooLargeTop);
  EXPECT_EQ(PictureLimitOf(3)->refusal, MessageCode::PictureTooLargeInfo);
}

TEST(PictureLimits, OnlyThreePlacesHaveLimits) {
  EXPECT_FALSE(PictureTooLarge(0, 5000, 5000));
  EXPECT_FALSE(PictureTooLarge(4, 5000, 5000));
  EXPECT_TRUE(PictureTooLarge(1, 114, 1));
  EXPECT_FALSE(PictureTooLarge(3, 276, 196));
}

TEST(NomeFile, ThePartAfterTheLastSlash) {
  EXPECT_EQ(NomeFile("/a/b/c.bmp"), "c.bmp");
  EXPECT_EQ(NomeFile("c.bmp"), "c.bmp");
  EXPECT_EQ(NomeFile("/a/"), "");
}

// One character, one unit of width.
double Chars(std::string_view s) { return static_cast<double>(s.size()); }

TEST(ShortenPath, KeepsTheFirstFolderAndTheName) {
  const std::string path = "/home/utente/immagini/lavoro/logo.bmp";
  EXPECT_EQ(ShortenPath(path, Chars, 100), path);
  EXPECT_EQ(ShortenPath(path, Chars, 18), "/home/.../logo.bmp");
  EXPECT_EQ(ShortenPath(path, Chars, 25), "/home/.../lavoro/logo.bmp");
  EXPECT_EQ(ShortenPath(path, Chars, 12), ".../logo.bmp");
  EXPECT_EQ(ShortenPath(path, Chars, 7), "....bmp");
  EXPECT_EQ(ShortenPath("/dir/nome-molto-lungo.bmp", Chars, 12), "...lungo.bmp");
  // An accented letter is never cut in half.
  EXPECT_EQ(ShortenPath("/x/società.bmp", Chars, 11), "...età.bmp");
  EXPECT_EQ(ShortenPath("/x/società.bmp", Chars, 8), "....bmp");
}

TEST(StoredPictureName, ProgramFolderOnlyWhileTheSettingsFolderHasNoSuchName) {
  testing::TempDir settings;
  SetSettingsFolderForTesting(settings.Path());
  const std::string name = "numerina-picture-test-" + std::to_string(::getpid()) + ".bmp";
  const std::string inProgram = CartellaProgramma() + "/" + name;
  std::ofstream(inProgram) << "x";
  EXPECT_EQ(StoredPictureName(inProgram), name);
  EXPECT_EQ(PicturePath(StoredPictureName(inProgram)), inProgram);
  // The same name in the settings folder would shadow it: the full path.
  std::ofstream(settings.File(name)) << "y";
  EXPECT_EQ(StoredPictureName(inProgram), inProgram);
  EXPECT_EQ(StoredPictureName(settings.File(name)), name);
  std::filesystem::remove(inProgram);
  SetSettingsFolderForTesting("");
}

}  // namespace
}  // namespace numerina
