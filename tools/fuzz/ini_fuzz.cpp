// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the INI reader and writer and the settings rules.
// Each input is a section name, a key name, a value and the file's bytes;
// the target checks what must hold for any file:
//   - reading never fails and gives UTF-8 of at most 254 characters;
//   - a write reads back as the cleaned value, leaves every other key's
//     value and the other sections as they read before, and is idempotent;
//   - a deleted key or section reads as missing;
//   - the settings rules give values in their ranges.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "base/utf8.h"
#include "config/initext.h"
#include "config/settings.h"

namespace {

using namespace numerina;

void Check(bool ok) {
  if (!ok) std::abort();
}

std::string Expected(const std::string& value) {
  std::string clean = IniCleanValue(value);
  const auto first = clean.find_first_not_of(" \t\v\f\r");
  if (first == std::string::npos) return {};
  clean = clean.substr(first, clean.find_last_not_of(" \t\v\f\r") - first + 1);
  return CutChars(std::move(clean), kIniValueMax);
}

// True when (s2, k2) names the same key as (s1, k1): a file holding only
// that key answers for both.
bool SameKey(const std::string& s1, const std::string& k1, const std::string& s2,
             const std::string& k2) {
  const auto probe = IniWriteValue("", s1, k1, "marker");
  return probe && IniReadValue(*probe, s2, k2) == std::optional<std::string>("marker");
}

bool SameSection(const std::string& s1, const std::string& s2) { return SameKey(s1, "k", s2, "k"); }

// The names of the file's headers, found the simple way; any text will do
// as a probe.
std::vector<std::string> SectionNames(const std::string& file) {
  std::vector<std::string> names;
  const std::string text = DecodeIniBytes(file);
  std::size_t pos = 0;
  while (pos < text.size() && names.size() < 8) {
    auto end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(pos, end - pos);
    const auto open = line.find('[');
    if (open != std::string::npos)
      names.push_back(line.substr(open + 1, line.find(']') - open - 1));
    pos = end + 1;
  }
  return names;
}

void CheckSettingsRules(const std::string& v) {
  const double n = LeadingNumber(v);
  Check(!std::isnan(n));
  const int d = DecimaliFromSetting(v);
  Check(d >= 0 && d <= 4);
  if (const auto p = PosizioneFromSetting(v)) {
    Check(std::isfinite(p->top) && std::isfinite(p->left));
  }
  BannerPosFromSetting(v);
  NomePosFromSetting(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string section = in.ConsumeRandomLengthString(24);
  const std::string key = in.ConsumeRandomLengthString(24);
  const std::string value = in.ConsumeRandomLengthString(400);
  const std::string file = in.ConsumeRemainingBytesAsString();

  CheckSettingsRules(value);
  Check(IsValidUtf8(DecodeIniBytes(file)));
  if (const auto v = IniReadValue(file, section, key)) {
    Check(IsValidUtf8(*v) && CharCount(*v) <= kIniValueMax);
  }
  IniSectionKeyList(file, section);

  const auto out = IniWriteValue(file, section, key, value);
  if (!out) {
    // Refused only for names an INI line cannot carry.
    const std::string s = IniCleanName(section), k = IniCleanName(key);
    Check(s.empty() || s.find(']') != s.npos || k.empty() || k.find('=') != k.npos || k[0] == '[' ||
          k[0] == ';' || k[0] == '#');
    return 0;
  }
  Check(IniReadValue(*out, section, key) == std::optional<std::string>(Expected(value)));
  Check(IniWriteValue(*out, section, key, value) == out);

  // Every other key of every section reads as before, and every other
  // section keeps its key list.
  for (const std::string& probeSection : SectionNames(file)) {
    const auto keys = IniSectionKeyList(file, probeSection);
    if (!SameSection(section, probeSection)) {
      Check(keys == IniSectionKeyList(*out, probeSection));
    }
    if (!keys) continue;
    std::size_t pos = 0;
    for (auto nul = keys->find('\0'); nul != std::string::npos; nul = keys->find('\0', pos)) {
      const std::string probeKey = keys->substr(pos, nul - pos);
      pos = nul + 1;
      if (SameKey(section, key, probeSection, probeKey)) continue;
      Check(IniReadValue(file, probeSection, probeKey) ==
            IniReadValue(*out, probeSection, probeKey));
    }
  }

  Check(!IniReadValue(IniDeleteKey(*out, section, key), section, key));
  const std::string withoutSection = IniDeleteSection(*out, section);
  Check(!IniSectionKeyList(withoutSection, section));
  Check(!IniReadValue(withoutSection, section, key));
  return 0;
}
