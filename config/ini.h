// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file access: the small INI file object, and the two calls
// every reader and writer of a setting uses. There is no cache: each read
// reads the file, each write rewrites it (see base/safefile.h).

#include <cstdint>
#include <string>
#include <string_view>

namespace numerina {

// One INI file access: set Path, Section and Key (and Default if wanted),
// then read or write Value. Setting a property only stores the text; the
// file is touched by Value, INISection, DeleteValue and DeleteSection.
class cIniFile {
 public:
  // 1 when the last write through this object reached the disk, 0 when it
  // failed; 0 in a fresh object. Reads leave it as it is.
  std::int32_t LastReturnCode() const { return lastReturnCode_; }

  const std::string& Default() const { return default_; }
  void Default(std::string value) { default_ = std::move(value); }
  const std::string& Path() const { return path_; }
  void Path(std::string value) { path_ = std::move(value); }
  const std::string& Key() const { return key_; }
  void Key(std::string value) { key_ = std::move(value); }
  const std::string& Section() const { return section_; }
  void Section(std::string value) { section_ = std::move(value); }

  // The key's value, cut to 254 characters; Default (cut the same way) when
  // the file, the section or the key is missing.
  std::string Value() const;
  // Writes the key; NUL, CR and LF are dropped from the value.
  void Value(std::string_view value);

  // Removes the key from the section.
  void DeleteValue();
  // Removes the section with all its lines.
  void DeleteSection();

  // The key names of the section, each followed by a NUL (cut to 253
  // characters); the empty text for a missing section.
  std::string INISection() const;
  // Replaces the section's lines with content: "key=value" pieces separated
  // by NUL, CR or LF.
  void INISection(std::string_view content);

 private:
  void Store(bool ok) { lastReturnCode_ = ok ? 1 : 0; }

  std::string path_;
  std::string key_;
  std::string section_;
  std::string default_;
  std::int32_t lastReturnCode_ = 0;
};

// The folder of the running executable, links resolved, never ending in "/"
// (the root folder gives the empty text, so that a file name is always
// joined with exactly one "/").
std::string CartellaProgramma();

// The folder that holds the settings file, the one place that decides it:
// - the program's folder when it holds "voldrin.ini" (writable or not);
// - else the program's folder when the user may write it and the program is
//   not an installed copy (marked by a file "numerina.installed" beside it);
// - else UserSettingsFolder(), created by the first ScriviIni.
// A test may set another folder instead.
std::string SettingsFolder();
// $XDG_CONFIG_HOME/numerina when that variable holds an absolute path, else
// $HOME/.config/numerina.
std::string UserSettingsFolder();
// Points the settings file at another folder; "" restores the default. For
// tests only: the programs offer no way to move the settings.
void SetSettingsFolderForTesting(std::string folder);

// SettingsFolder() + "/voldrin.ini".
std::string SettingsFilePath();

// True when path names an existing regular file (through links); false for
// folders, missing files and on any error.
bool EsisteFile(const std::string& path);

// At start-up, before the first read: a rewrite in place of the settings
// file that was cut short (a kill, a power cut) is undone, so that the file
// holds either all of its old content or all of the new. False when that
// could not be done (the copy of the old content stays for the next start).
bool RipristinaIni();

// The value of key in section of the settings file; the empty text when the
// file, the section or the key is missing.
std::string LeggiIni(std::string_view section, std::string_view key);

// Writes key = value into section of the settings file, creating the file,
// the section and the key as needed. A failure is silent: the old file stays
// as it was.
void ScriviIni(std::string_view section, std::string_view key, std::string_view value);

// Drops the trailing "/" of a folder name ("/" itself becomes "").
std::string WithoutTrailingSlash(std::string folder);

}  // namespace numerina
