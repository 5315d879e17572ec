// SPDX-License-Identifier: GPL-3.0-or-later
// startwatch: times programs from outside, on an X server. For each run it
// starts a program, waits for the first top-level window that gets mapped
// (a MapNotify on the root window: that is the moment it appears, at the
// place and size it was mapped with), and, if asked, reads the program's
// resident memory some time after the start. Programs are run alternately
// so that both see the same conditions.
//
//   startwatch [--runs N] [--rss-after SECONDS] [--dir FOLDER] NAME=PROGRAM ...
//
// Prints one line per run and the medians per program.

#include <X11/Xlib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
  std::string name;
  std::string path;
  std::vector<double> mapMs;
  std::vector<double> rssMiB;
};

struct Mapped {
  double ms = -1;
  int x = 0, y = 0, width = 0, height = 0;
};

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double ResidentMiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
  return -1;
}

// Waits for the first MapNotify of a top-level window after `start`.
Mapped WaitForMap(Display* dpy, Clock::time_point start, double timeoutMs) {
  Mapped m;
  const int fd = ConnectionNumber(dpy);
  for (;;) {
    while (XPending(dpy)) {
      XEvent ev;
      XNextEvent(dpy, &ev);
      if (ev.type != MapNotify || ev.xmap.override_redirect) continue;
      m.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      XWindowAttributes a;
      if (XGetWindowAttributes(dpy, ev.xmap.window, &a)) {
        m.x = a.x, m.y = a.y, m.width = a.width, m.height = a.height;
      }
      return m;
    }
    const double left =
        timeoutMs - std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (left <= 0) return m;
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd, &set);
    timeval tv{static_cast<long>(left / 1000), static_cast<long>(std::fmod(left, 1000.0) * 1000)};
    select(fd + 1, &set, nullptr, nullptr, &tv);
  }
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  int status = 0;
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid, &status, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 20;
  double rssAfter = 0;
  std::string dir;
  std::vector<Program> programs;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--runs" && i + 1 < argc)
      runs = std::atoi(argv[++i]);
    else if (a == "--rss-after" && i + 1 < argc)
      rssAfter = std::atof(argv[++i]);
    else if (a == "--dir" && i + 1 < argc)
      dir = argv[++i];
    else if (const auto eq = a.find('='); eq != std::string::npos)
      programs.push_back({a.substr(0, eq), a.substr(eq + 1), {}, {}});
    else {
      std::fprintf(stderr,
                   "usage: startwatch [--runs N] [--rss-after S] [--dir D] NAME=PROGRAM...\n");
      return 2;
    }
  }
  if (programs.empty()) return 2;
  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) {
    std::fprintf(stderr, "startwatch: cannot open the X display\n");
    return 1;
  }
  XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
  XSync(dpy, True);
  if (!dir.empty() && chdir(dir.c_str()) != 0) return 1;

  for (int run = 0; run < runs; ++run) {
    for (Program& p : programs) {
      XSync(dpy, True);  // forget events of earlier runs
      char* args[] = {p.path.data(), nullptr};
      pid_t pid = 0;
      const Clock::time_point start = Clock::now();
      if (posix_spawn(&pid, p.path.c_str(), nullptr, nullptr, args, environ) != 0) {
        std::fprintf(stderr, "startwatch: cannot start %s\n", p.path.c_str());
        return 1;
      }
      const Mapped m = WaitForMap(dpy, start, 10000);
      double rss = -1;
      if (rssAfter > 0) {
        std::this_thread::sleep_until(start + std::chrono::duration<double>(rssAfter));
        rss = ResidentMiB(pid);
      }
      Stop(pid);
      if (m.ms < 0) {
        std::fprintf(stderr, "startwatch: %s never mapped a window\n", p.name.c_str());
        return 1;
      }
      p.mapMs.push_back(m.ms);
      if (rss >= 0) p.rssMiB.push_back(rss);
      std::printf("run %2d  %-12s map %7.2f ms  at %d,%d  %dx%d", run + 1, p.name.c_str(), m.ms,
                  m.x, m.y, m.width, m.height);
      if (rss >= 0) std::printf("  rss %6.1f MiB", rss);
      std::printf("\n");
      std::fflush(stdout);
      // Let the server settle (unmap, destroy) before the next program.
      std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
  }
  std::printf("\nmedians over %d runs\n", runs);
  for (const Program& p : programs) {
    std::printf("  %-12s first map %7.2f ms", p.name.c_str(), Median(p.mapMs));
    if (!p.rssMiB.empty()) std::printf("   resident %6.1f MiB", Median(p.rssMiB));
    std::printf("\n");
  }
  XCloseDisplay(dpy);
  return 0;
}
