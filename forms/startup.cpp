#include "forms/startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace merovane {
namespace {

// The toolkit's own options, which the window's application takes out of the command line as it
// starts: the name, and whether a value follows.
constexpr struct {
  const char* name;
  bool value;
} kToolkitOptions[] = {
    {"platform", true},      {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true},
    {"qmljsdebugger", true}, {"qwindowgeometry", true},
    {"qwindowicon", true},   {"qwindowtitle", true},
    {"reverse", false},      {"session", true},
    {"display", true},       {"geometry", true},
    {"style", true},         {"stylesheet", true},
    {"widgetcount", false},
};

void print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

std::optional<int> readcommandline(int& argc, char** argv) {
  // Names the program in the usage line; unlike the window's application it needs no display.
  const QCoreApplication core(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Merovane, a desktop unit converter: twelve categories, exact results as you type.\n"
      "The window needs a graphical display (X11 or Wayland); on a terminal, use "
      "merovane-convert."));
  // The toolkit's options are single-dash words: -platform, -style, -reverse.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  // Not addHelpOption(): its --help-all lists the toolkit's options only once a window's
  // application exists, which needs a display.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays this help."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  for (const auto& toolkit : kToolkitOptions) {
    QCommandLineOption option(QString::fromLatin1(toolkit.name), QString(),
                              toolkit.value ? QStringLiteral("value") : QString());
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }

  QString error;
  if (!parser.parse(QCoreApplication::arguments()))
    error = parser.errorText();
  else if (!parser.positionalArguments().isEmpty())
    error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
  if (!error.isEmpty()) {
    print(stderr, QStringLiteral("merovane: %1\nTry 'merovane --help'.\n").arg(error));
    return 2;
  }
  if (parser.isSet(help)) {
    print(stdout, parser.helpText());
    return 0;
  }
  if (parser.isSet(version)) {
    std::fputs("merovane " MEROVANE_VERSION "\nLicence: MIT\n", stdout);
    return 0;
  }
  return std::nullopt;
}

}  // namespace merovane
