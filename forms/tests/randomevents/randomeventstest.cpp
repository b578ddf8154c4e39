// Ten thousand seeded random user events on the real window: category clicks, list clicks and
// list keys, keystrokes of every kind in the boxes, pastes (once a megabyte), each followed by a
// check of the whole window. MEROVANE_SEED replays another seed; a failure names the seed, the
// event's number and what the event was.
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "forms/application.h"
#include "forms/tests/guitest.h"
#include "forms/tests/randomevents/randomuser.h"
#include "forms/tests/randomevents/seededrandom.h"
#include "forms/tests/randomevents/windowcheck.h"

namespace merovane::guitest {
namespace {

constexpr int kEvents = 10000;
// An event that takes longer than this has hung.
constexpr std::chrono::seconds kHang{30};

// A fingerprint of the events' descriptions (FNV-1a), the same in every process: a replay that
// does what the first run did ends with the same one.
class Fingerprint {
 public:
  void add(const QString& text) {
    for (const QChar c : text) value_ = (value_ ^ c.unicode()) * 1099511628211ull;
  }
  unsigned long long value() const { return value_; }

 private:
  unsigned long long value_ = 14695981039346656037ull;
};

// Ends the program with the seed and the event's number when one event runs too long, since a
// hung event never returns to report itself.
class Watchdog {
 public:
  explicit Watchdog(std::uint64_t seed) : seed_(seed), thread_([this] { watch(); }) {}
  ~Watchdog() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
  }
  // `previous` describes the event before it, the last one known to have ended.
  void started(int event, const QString& previous) {
    {
      const std::lock_guard lock(mutex_);
      event_ = event;
      previous_ = previous.toStdString();
    }
    wake_.notify_one();
  }

 private:
  void watch() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
      const int event = event_;
      if (!wake_.wait_for(lock, kHang, [&] { return stopping_ || event_ != event; }) && event > 0) {
        std::fprintf(stderr,
                     "seed %llu, event %d hangs; the event before it: %s\n"
                     "replay: MEROVANE_SEED=%llu\n",
                     static_cast<unsigned long long>(seed_), event, previous_.c_str(),
                     static_cast<unsigned long long>(seed_));
        std::abort();
      }
    }
  }

  std::uint64_t seed_;
  std::mutex mutex_;
  std::condition_variable wake_;
  int event_ = 0;
  std::string previous_;
  bool stopping_ = false;
  std::thread thread_;
};

// The offscreen platform warns at each context menu that it cannot raise windows or grab the
// keyboard; those warnings are dropped, every other message goes on to the test's own handler.
QtMessageHandler testhandler = nullptr;

void quietplatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
    return;
  testhandler(type, context, message);
}

QString failurereport(std::uint64_t seed, int event, const Expectation& expected,
                      const QStringList& problems, const std::deque<QString>& recent) {
  QString report = QStringLiteral("seed %1, event %2: %3\n  %4")
                       .arg(seed)
                       .arg(event)
                       .arg(expected.description, problems.join(QStringLiteral("\n  ")));
  report += QStringLiteral("\n  the events before it:");
  for (const QString& earlier : recent) report += QStringLiteral("\n    ") + earlier;
  report += QStringLiteral("\n  replay: MEROVANE_SEED=%1").arg(seed);
  return report;
}

}  // namespace

class RandomEventsTest : public QObject {
  Q_OBJECT

 private slots:
  void randomEventsKeepTheWindowConsistent() {
    const std::uint64_t seed = chosenseed();
    qInfo("seed %llu (MEROVANE_SEED chooses another)", static_cast<unsigned long long>(seed));
    SeededRandom random(seed);
    testhandler = qInstallMessageHandler(quietplatform);
    const auto restorehandler = qScopeGuard([] { qInstallMessageHandler(testhandler); });
    const std::unique_ptr<FrmMain> window = openwindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    MessageBoxWatcher closer(0);
    RandomUser user(*window, random);
    WindowCheck check(*window);
    Watchdog watchdog(seed);

    // As the window opens: every button grey, no unit frame.
    std::optional<CategoryId> current;
    const QStringList opening =
        check.check(WindowState::of(*window), Expectation{}, current, closer.take());
    QVERIFY2(opening.isEmpty(), qPrintable(opening.join(QStringLiteral("; "))));

    const int megabyteat = kEvents / 5 + random.below(kEvents / 2);
    std::deque<QString> recent;
    Fingerprint fingerprint;
    QElapsedTimer total;
    total.start();
    for (int event = 1; event <= kEvents; ++event) {
      watchdog.started(event, recent.empty() ? QString() : recent.back());
      const WindowState before = WindowState::of(*window);
      QElapsedTimer took;
      took.start();
      const Expectation expected =
          event == megabyteat && current ? user.pastemegabyte(*current) : user.act(current);
      // Paints, deferred deletions and anything else the event left queued.
      QCoreApplication::processEvents();
      if (event == megabyteat)
        qInfo("event %d, %s: %lld ms, the box keeps %lld characters", event,
              qPrintable(expected.description.left(60)), static_cast<long long>(took.elapsed()),
              static_cast<long long>(expected.editedtext.size()));
      if (expected.clickedcategory) current = expected.clickedcategory;

      const std::vector<ShownMessageBox> boxes = closer.take();
      // A desktop gives the window back its activation when a message box closes; the
      // offscreen platform leaves it to the program.
      if (!boxes.empty() && QApplication::activeWindow() != window.get()) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
      }
      const QStringList problems = check.check(before, expected, current, boxes);
      if (!problems.isEmpty())
        QFAIL(qPrintable(failurereport(seed, event, expected, problems, recent)));
      fingerprint.add(expected.description);
      recent.push_back(QStringLiteral("%1: %2").arg(event).arg(expected.description));
      if (recent.size() > 6) recent.pop_front();
    }
    const CheckCounts& counts = check.counts();
    qInfo(
        "%d events in %lld ms, fingerprint %016llx; %d converting, %d of them with both units; %d "
        "destination texts compared with merovane-convert's, %d of them new; %d message boxes",
        kEvents, static_cast<long long>(total.elapsed()), fingerprint.value(), counts.converting,
        counts.withunits, counts.comparedwithtool, counts.changeddestination, counts.messageboxes);
  }
};

}  // namespace merovane::guitest

int main(int argc, char** argv) {
  // A malformed seed is refused before anything starts.
  merovane::guitest::chosenseed();
  QApplication application(argc, argv);
  merovane::setupapplication(application);
  merovane::guitest::RandomEventsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "randomeventstest.moc"
