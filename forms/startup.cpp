#include "forms/startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include "api/quote.h"
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

// A value from the environment or the toolkit, echoed as merovane-convert echoes names: quoted, and
// with the characters that would rewrite the terminal or forge a line escaped.
QString echoed(const QByteArray& value) {
  return QString::fromStdString(quoted(std::string_view(value.constData(), value.size())));
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

[[noreturn]] void fail(const QString& message) {
  print(stderr, QStringLiteral("merovane: %1\n").arg(message));
  // The toolkit is half started: nothing of it is taken down.
  std::_Exit(1);
}

[[noreturn]] void nodisplay(const QString& reason) {
  fail(QStringLiteral("no graphical display to open the window on (%1); run it in a desktop "
                      "session, or use merovane-convert on a terminal")
           .arg(reason));
}

// A Wayland display's socket lies in XDG_RUNTIME_DIR unless WAYLAND_DISPLAY gives its whole path.
bool waylandunreachable() {
  return qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") &&
         !qEnvironmentVariable("WAYLAND_DISPLAY").startsWith(u'/');
}

// Without XDG_RUNTIME_DIR the Wayland client library prints its own error when the toolkit tries
// Wayland; when nothing else is left to try, the start is refused in one line before that.
void checkwayland() {
  if (!waylandunreachable()) return;
  const QStringList platforms =
      qEnvironmentVariable("QT_QPA_PLATFORM").split(u';', Qt::SkipEmptyParts);
  const bool waylandfirst = platforms.isEmpty()
                                ? !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                : platforms.first().startsWith(QLatin1String("wayland"));
  // The toolkit's own choice falls back on X11.
  const bool fallback =
      (platforms.isEmpty() || platforms.size() > 1) && !qEnvironmentVariableIsEmpty("DISPLAY");
  if (waylandfirst && !fallback)
    nodisplay(QStringLiteral("XDG_RUNTIME_DIR is unset, and Wayland's socket lies in it"));
}

// The platform QT_QPA_PLATFORM (or -platform) named, when the toolkit has no such platform: its
// name, and the platforms available that its last word lists.
void checkplatform(const QString& fatal) {
  const QLatin1String notfound("Could not find the Qt platform plugin \"");
  for (const HeldMessage& message : held) {
    const qsizetype at = message.text.indexOf(notfound);
    if (at < 0) continue;
    const qsizetype from = at + notfound.size();
    const QString name = message.text.mid(from, message.text.indexOf(u'"', from) - from);
    const QLatin1String listed("Available platform plugins are: ");
    const qsizetype list = fatal.indexOf(listed);
    QString text = list < 0 ? QString() : fatal.mid(list + listed.size()).trimmed();
    if (text.endsWith(u'.')) text.chop(1);
    QStringList available = text.split(QStringLiteral(", "), Qt::SkipEmptyParts);
    available.sort();
    fail(QStringLiteral("no platform %1 to open the window on; the platforms available are: %2")
             .arg(echoed(name.toUtf8()), available.isEmpty()
                                             ? QStringLiteral("none")
                                             : available.join(QStringLiteral(", "))));
  }
}

[[noreturn]] void nodisplay() {
  QStringList tried;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    if (!qEnvironmentVariableIsEmpty(name))
      tried << QString::fromLatin1(name) + u'=' + echoed(qgetenv(name));
  }
  const QString reason = tried.isEmpty()
                             ? QStringLiteral("DISPLAY and WAYLAND_DISPLAY are unset")
                             : QStringLiteral("no answer from ") + tried.join(QStringLiteral(", "));
  nodisplay(reason);
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
      !qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS")) {
    checkplatform(text);
    nodisplay();
  }
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
  QByteArray text;
  if (parser.isSet(help))
    text = parser.helpText().toLocal8Bit();
  else if (parser.isSet(version))
    text = QByteArray("merovane ") + kVersion + '\n' + kCopyrightAndLicence;
  else
    return std::nullopt;
  // A full disk or a closed standard output fails the call, in one line with the first reason.
  errno = 0;
  const bool written = std::fputs(text.constData(), stdout) >= 0;
  const int reason = errno;
  if (std::fflush(stdout) == 0 && written) return 0;
  const int failure = reason != 0 ? reason : errno;
  std::fprintf(stderr, "merovane: cannot write the %s: %s\n",
               parser.isSet(help) ? "help" : "version",
               failure != 0 ? std::strerror(failure) : "the output failed");
  return 1;
}

std::unique_ptr<QApplication> startapplication(int& argc, char** argv) {
  checkwayland();
  previoushandler = qInstallMessageHandler(holdstartmessages);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previoushandler);
  const std::lock_guard lock(heldlock);
  release();
  return application;
}

}  // namespace merovane
