// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/keylog.h"

#if defined(NUMERINA_KEYLOG) && NUMERINA_KEYLOG
#include <cstdio>
#include <ctime>

namespace numerina::ui {

void KeyLog(std::string_view kind, std::string_view text) {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  const long long us = static_cast<long long>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
  std::fprintf(stderr, "%lld %.*s %.*s\n", us, static_cast<int>(kind.size()), kind.data(),
               static_cast<int>(text.size()), text.data());
  std::fflush(stderr);
}

}  // namespace numerina::ui
#endif
