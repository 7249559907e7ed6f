#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>

#include "foundation/version.h"
#include "mainform.h"
#include "print/reportpdf.h"
#include "questions.h"
#include "singleinstance.h"
#include "translations.h"

namespace {

constexpr std::size_t kHelpWidth = 80;
constexpr std::string_view kOptionIndent = "                ";

// Text in lines of at most kHelpWidth characters, broken at blanks, each after kOptionIndent.
std::string IndentedLines(const std::string& text) {
  const std::string indent(kOptionIndent);
  std::string lines;
  std::string line;
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    if (!line.empty() && indent.size() + line.size() + 1 + word.size() > kHelpWidth) {
      lines += indent + line + "\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  return lines + indent + line + "\n";
}

// The sections are listed from the table the option is read with, so that none is missing.
std::string Usage() {
  return "usage: ubic [FILE...]\n"
         "       ubic --report-pdf OUT.pdf MODEL [--sections LIST]\n"
         "       ubic --help | --version\n"
         "\n"
         "Ubic: qualitative multi-attribute decision making.\n"
         "\n"
         "  FILE          A model file (.ubm, .xml or .kvx) to open in a window of its own;\n"
         "                when Ubic runs already, that program opens it.\n"
         "  --report-pdf  Writes the report of MODEL as the PDF file OUT.pdf, without a window.\n" +
         IndentedLines("LIST chooses sections, separated by commas: " +
                       ubic::ReportSectionNames(ubic::NamedReportSections()) +
                       ". Unless it is given: " +
                       ubic::ReportSectionNames(ubic::DefaultPdfSections()) + ".") +
         "  --help        Prints this text.\n"
         "  --version     Prints the version.\n"
         "\n"
         "The options of the Qt toolkit, such as -platform NAME, are taken as well.\n";
}

constexpr const char* kNoDisplay =
    "ubic: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
    "Without a display, use ubic-cli for models on the command line, or\n"
    "ubic --report-pdf OUT.pdf MODEL for a report as PDF; ubic --help tells more.\n";

// The platform plugin asked for by -platform NAME or QT_QPA_PLATFORM; empty when none is.
std::string_view ChosenPlatform(int argc, char* argv[]) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
      return argv[i + 1];
  }
  const char* variable = std::getenv("QT_QPA_PLATFORM");
  return variable != nullptr ? variable : "";
}

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// Whether the windows would have no display server to go to. Qt itself gives up with an abort
// then; plugins such as offscreen or vnc need no server.
bool LacksDisplay(int argc, char* argv[]) {
  if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY")) return false;
  const std::string_view platform = ChosenPlatform(argc, argv);
  return platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland");
}

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before Qt starts, so that they work without a display.
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::fputs(Usage().c_str(), stdout);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("ubic %s\n", ubic::kVersionText);
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "--report-pdf") == 0) {
    // No window opens: the offscreen platform serves unless another is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.remove(0, 2);
    return ubic::RunReportPdf(arguments, stderr);
  }
  if (LacksDisplay(argc, argv)) {
    std::fputs(kNoDisplay, stderr);
    return 1;
  }
  QApplication application(argc, argv);
  ubic::InstallTranslations(QLocale());
  ubic::NameApplication();
  QStringList files = QApplication::arguments();
  files.removeFirst();
  const QString instance = ubic::InstanceName();
  if (!files.isEmpty() && ubic::SendToRunningInstance(instance, files)) return 0;
  ubic::TMessageBoxQuestions questions;
  ubic::TMainForm mainForm(questions, files);
  const ubic::TInstanceServer server(
      instance, [&mainForm](const QStringList& others) { mainForm.OpenFilesOfAnotherStart(others); });
  mainForm.show();
  mainForm.activateWindow();
  return QApplication::exec();
}
