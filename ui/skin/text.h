// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core's texts (UTF-8 in std::string_view) as Qt strings.

#include <QString>

#include <string_view>

namespace numerina::ui {

inline QString ToQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace numerina::ui
