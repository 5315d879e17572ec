// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/commandline.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string_view>

namespace numerina::ui {
namespace {

constexpr std::string_view kUsage =
    "usage: numerina [--help] [--version] [Qt options]\n"
    "\n"
    "Office calculator with a paper tape. A second start shows the calculator\n"
    "that is already running.\n"
    "\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Qt's options are accepted, e.g. -platform NAME, -display DISPLAY, -style NAME.\n"
    "See numerina(1).\n";

// QGuiApplication's and QApplication's options: these are Qt's to read, so
// they must not be taken for unknown ones. Qt reads them with one dash or
// two, and some with the value after '=' (-style=NAME): that form passes for
// every option with a value, Qt ignores the ones it does not know so.
constexpr std::string_view kQtValueOptions[] = {"platform",
                                                "platformpluginpath",
                                                "platformtheme",
                                                "plugin",
                                                "qwindowgeometry",
                                                "geometry",
                                                "qwindowicon",
                                                "icon",
                                                "qwindowtitle",
                                                "title",
                                                "session",
                                                "display",
                                                "name",
                                                "style",
                                                "stylesheet",
                                                "visual",
                                                "ncols",
                                                "qmljsdebugger"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb",     "dograb",
                                         "sync",    "cmap",        "testability"};

bool Contains(const std::string_view* begin, const std::string_view* end, std::string_view name) {
  return std::find(begin, end, name) != end;
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::FILE* out,
                                     std::FILE* err) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help") {
      std::fwrite(kUsage.data(), 1, kUsage.size(), out);
      return 0;
    }
    if (arg == "--version") {
      std::fputs("numerina " NUMERINA_VERSION "\n", out);
      return 0;
    }
    // The window takes no file or word of its own; what is not an option
    // is left alone as it always was.
    if (arg.size() < 2 || arg[0] != '-') continue;
    std::string_view name = arg.substr(arg[1] == '-' ? 2 : 1);
    const auto eq = name.find('=');
    const bool inlineValue = eq != std::string_view::npos;
    if (inlineValue) name = name.substr(0, eq);
    if (Contains(std::begin(kQtValueOptions), std::end(kQtValueOptions), name)) {
      // The value is the next argument unless it came after '='.
      if (!inlineValue && name != "qmljsdebugger") ++i;
      continue;
    }
    if (!inlineValue && Contains(std::begin(kQtFlags), std::end(kQtFlags), name)) continue;
    std::fprintf(err, "numerina: unknown option %.*s\n", static_cast<int>(arg.size()), arg.data());
    std::fwrite(kUsage.data(), 1, kUsage.size(), err);
    return 2;
  }
  return std::nullopt;
}

}  // namespace numerina::ui
