// SPDX-License-Identifier: GPL-3.0-or-later
// numerina-tape [--decimals N] [--tape FILE] [--pdf FILE] [SCRIPT-FILE]
// numerina-tape --help | --version
// Replays a key script on the calculator without a window and prints what it
// shows; optionally writes the tape as the report's text export does, and
// its printed report as a PDF file (where the window is built).

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "report/export.h"
#include "tools/tape/runner.h"
#ifdef NUMERINA_TAPE_PDF
#include "tools/tape/pdf.h"
#endif

namespace {

constexpr const char* kUsage =
    "usage: numerina-tape [--decimals N] [--tape FILE] [--pdf FILE] [SCRIPT-FILE]\n";

constexpr const char* kHelp =
    "\n"
    "Replays a key script (from SCRIPT-FILE, or standard input when it is\n"
    "missing or -) on the calculator without a window and prints what it shows.\n"
    "\n"
    "  --decimals N  decimal places, 0 to 4 (default 2)\n"
    "  --tape FILE   also write the tape as a text file\n"
    "  --pdf FILE    also write the printed report as a PDF file\n"
    "  --help        show this help and exit\n"
    "  --version     show the version and exit\n"
    "\n"
    "Exit status: 0 done, 1 an output could not be written, 2 a usage or script error.\n"
    "See numerina-tape(1).\n";

// A script is typed keys: anything near this size is an endless or wrong
// stream (/dev/zero, a pipe that never ends), not a script.
constexpr std::size_t kMaxScriptBytes = std::size_t{64} << 20;

enum class ReadResult { Ok, Failed, TooLarge };

// Reads a whole stream, stopping one byte past the limit.
ReadResult ReadAll(std::FILE* f, std::string& out) {
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
    out.append(buf, n);
    if (out.size() > kMaxScriptBytes) return ReadResult::TooLarge;
  }
  return std::ferror(f) ? ReadResult::Failed : ReadResult::Ok;
}

int UsageError(const std::string& why) {
  std::cerr << "numerina-tape: " << why << '\n' << kUsage;
  return 2;
}

int ReadError(ReadResult result, const std::string& source) {
  if (result == ReadResult::TooLarge) {
    return UsageError(source + " is larger than 64 MiB, the limit for a script");
  }
  return UsageError("cannot read " + source);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace numerina;
  int decimals = 2;
  bool haveDecimals = false, haveTape = false, havePdf = false, haveScript = false;
  std::string tapePath, pdfPath, scriptPath;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (haveScript) return UsageError("nothing may follow the script file");
    if (arg == "--help") {
      std::cout << kUsage << kHelp;
      return 0;
    }
    if (arg == "--version") {
      std::cout << "numerina-tape " NUMERINA_VERSION "\n";
      return 0;
    }
    if (arg == "--decimals") {
      if (haveDecimals) return UsageError("--decimals given twice");
      if (i + 1 >= argc) return UsageError("--decimals needs a number");
      const std::string n = argv[++i];
      if (n.size() != 1 || n[0] < '0' || n[0] > '4') return UsageError("--decimals must be 0 to 4");
      decimals = n[0] - '0';
      haveDecimals = true;
    } else if (arg == "--tape") {
      if (haveTape) return UsageError("--tape given twice");
      if (i + 1 >= argc) return UsageError("--tape needs a file");
      tapePath = argv[++i];
      haveTape = true;
    } else if (arg == "--pdf") {
#ifndef NUMERINA_TAPE_PDF
      return UsageError(
          "--pdf needs the window's printing, which this build lacks: the window is not built");
#endif
      if (havePdf) return UsageError("--pdf given twice");
      if (i + 1 >= argc) return UsageError("--pdf needs a file");
      pdfPath = argv[++i];
      havePdf = true;
    } else if (arg != "-" && !arg.empty() && arg[0] == '-') {
      return UsageError("unknown option " + arg);
    } else {
      scriptPath = arg;
      haveScript = true;
    }
  }

  std::string script;
  if (!haveScript || scriptPath == "-") {
    const ReadResult read = ReadAll(stdin, script);
    if (read != ReadResult::Ok) return ReadError(read, "standard input");
  } else {
    std::FILE* f = std::fopen(scriptPath.c_str(), "rb");
    if (!f) return UsageError("cannot read " + scriptPath);
    const ReadResult read = ReadAll(f, script);
    std::fclose(f);
    if (read != ReadResult::Ok) return ReadError(read, scriptPath);
  }

  const tape::ParseResult parsed = tape::ParseScript(script);
  if (!parsed.error.empty()) {
    std::cerr << "numerina-tape: " << parsed.error << '\n';
    return 2;
  }

  std::ostringstream out;
  tape::ScriptHost host(out, decimals);
  Engine engine(host);
  engine.SetDecimalPlaces(decimals);
  engine.Initialise();
  tape::RunActions(engine, host, parsed.actions, out);
  tape::WriteSummary(engine, out);
  std::cout << out.str() << std::flush;
  if (!std::cout || std::fflush(stdout) != 0) {
    std::cerr << "numerina-tape: cannot write standard output\n";
    return 1;
  }

  if (haveTape && !SalvaReportFile(tapePath, engine.Pcalc().Text())) {
    std::cerr << "numerina-tape: cannot write the tape to " << tapePath << '\n';
    return 1;
  }
#ifdef NUMERINA_TAPE_PDF
  if (havePdf && !tape::WriteTapePdf(pdfPath, engine.Pcalc().Text())) {
    std::cerr << "numerina-tape: cannot write the report to " << pdfPath << '\n';
    return 1;
  }
#endif
  return 0;
}
