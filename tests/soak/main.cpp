// The soak: random commands on the desktop program until the steps or the minutes are used up.
//   ui_soak [--steps N] [--seed S] [--minutes M]
// With --minutes, runs of N steps (1000 by default) with fresh seeds follow each other until the
// time is up.

#include <unistd.h>
#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <random>
#include <string>

#include "soak.h"
#include "ui/recentfiles.h"

// Qt and fontconfig keep caches until the process ends; leaks in our own code are still reported.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\nleak:libQt6Core.so\nleak:libQt6Gui.so\nleak:libQt6Widgets.so\n"
         "leak:libglib-2.0.so\n";
}

namespace {

// The step noted last, for the crash handler, which may only call what is safe in a signal.
std::array<char, 512> NotedStep{};

void SayWhereItCrashed(int signal) {
  constexpr char prefix[] = "CRASHED at ";
  (void)!::write(STDOUT_FILENO, prefix, sizeof prefix - 1);
  (void)!::write(STDOUT_FILENO, NotedStep.data(), ::strnlen(NotedStep.data(), NotedStep.size()));
  (void)!::write(STDOUT_FILENO, "\n", 1);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

struct TArguments {
  long Steps = 1000;
  unsigned Seed = 1;
  double Minutes = 0;
};

bool ParseArguments(int argc, char* argv[], TArguments& arguments) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--steps") {
      arguments.Steps = std::strtol(value, nullptr, 10);
    } else if (name == "--seed") {
      arguments.Seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    } else if (name == "--minutes") {
      arguments.Minutes = std::strtod(value, nullptr);
    } else {
      return false;
    }
  }
  return argc % 2 == 1 && arguments.Steps > 0;
}

// One run with its own folder for the files it writes; prints its line and returns whether it
// passed.
bool RunSoak(long steps, unsigned seed) {
  const QTemporaryDir folder;
  ubic::soak::TSoak soak(seed, folder.path());
  if (soak.Run(steps)) {
    std::cout << steps << " steps, seed " << seed << ", 0 failures" << std::endl;
    return true;
  }
  std::cout << "FAILED at " << soak.Failure() << "\n"
            << soak.StepsDone() << " steps, seed " << seed << ", 1 failure" << std::endl;
  return false;
}

}  // namespace

void ubic::soak::NoteStep(const std::string& step) {
  const std::size_t length = std::min(step.size(), NotedStep.size() - 1);
  std::memcpy(NotedStep.data(), step.data(), length);
  NotedStep[length] = '\0';
}

int main(int argc, char* argv[]) {
  for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
    std::signal(signal, SayWhereItCrashed);
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TArguments arguments;
  if (!ParseArguments(argc, argv, arguments)) {
    std::cerr << "usage: ui_soak [--steps N] [--seed S] [--minutes M]\n";
    return 2;
  }
  QApplication application(argc, argv);
  const QTemporaryDir settings;
  ubic::KeepSettingsIn(settings.path());
  if (arguments.Minutes <= 0) return RunSoak(arguments.Steps, arguments.Seed) ? 0 : 1;
  const auto end = std::chrono::steady_clock::now() +
                   std::chrono::duration<double, std::ratio<60>>(arguments.Minutes);
  std::random_device device;
  while (std::chrono::steady_clock::now() < end) {
    if (!RunSoak(arguments.Steps, device())) return 1;
  }
  return 0;
}
