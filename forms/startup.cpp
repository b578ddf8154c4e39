#include "forms/startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "core/about.h"

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

// A message the toolkit gave while it started, held back until it is known whether it reached a
// display.
struct HeldMessage {
  QtMsgType type;
  QByteArray file, function, category;
  int line;
  QString text;
};

std::mutex heldlock;
std::vector<HeldMessage> held;
QtMessageHandler previoushandler = nullptr;

const char* pointer(const QByteArray& bytes) {
  return bytes.isNull() ? nullptr : bytes.constData();
}

// Passes the held messages on as they came. The caller holds heldlock.
void release() {
  for (const HeldMessage& message : held) {
    const QMessageLogContext context(pointer(message.file), message.line, pointer(message.function),
                                     pointer(message.category));
    previoushandler(message.type, context, message.text);
  }
  held.clear();
}

[[noreturn]] void nodisplay() {
  QStringList tried;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    if (!qEnvironmentVariableIsEmpty(name))
      tried << QString::fromLatin1(name) + u'=' + qEnvironmentVariable(name);
  }
  const QString reason = tried.isEmpty()
                             ? QStringLiteral("DISPLAY and WAYLAND_DISPLAY are unset")
                             : QStringLiteral("no answer from ") + tried.join(QStringLiteral(", "));
  print(stderr, QStringLiteral("merovane: no graphical display to open the window on (%1); run it "
                               "in a desktop session, or use merovane-convert on a terminal\n")
                    .arg(reason));
  // The toolkit is half started: nothing of it is taken down.
  std::_Exit(1);
}

void holdstartmessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  const std::lock_guard lock(heldlock);
  if (type != QtFatalMsg) {
    held.push_back({type, QByteArray(context.file), QByteArray(context.function),
                    QByteArray(context.category), context.line, text});
    return;
  }
  // The toolkit's last word when no platform, and so no display, could be opened. Asked for its
  // plugins' story (QT_DEBUG_PLUGINS), it tells it all.
  if (text.contains(QLatin1String("no Qt platform plugin could be initialized")) &&
      !qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS"))
    nodisplay();
  release();
  previoushandler(type, context, text);
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
    std::printf("merovane %s\n%s", kVersion, kCopyrightAndLicence);
    return 0;
  }
  return std::nullopt;
}

std::unique_ptr<QApplication> startapplication(int& argc, char** argv) {
  previoushandler = qInstallMessageHandler(holdstartmessages);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previoushandler);
  const std::lock_guard lock(heldlock);
  release();
  return application;
}

}  // namespace merovane
