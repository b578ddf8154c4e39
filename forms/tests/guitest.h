// Helpers for the window's tests: a fresh window per test function, shown and active, and the
// clicks and key presses a user would make on its real widgets.
#pragma once

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>
#include <utility>
#include <vector>

#include "categories/categories.h"
#include "forms/frmmain.h"

namespace merovane::guitest {

inline CategoryId categoryid(int index) {
  return static_cast<CategoryId>(index);
}

// Shows a new window, built as the program builds it, and makes it the active one, so focus and
// Tab behave as on a desktop.
inline std::unique_ptr<FrmMain> openwindow() {
  auto window = std::make_unique<FrmMain>(FrmMain::Build::UnitFramesAfterFirstPaint);
  window->show();
  window->activateWindow();
  // Its unit frames, built after its first paint; a window that never builds them fails the tests
  // on their missing frames.
  static_cast<void>(
      QTest::qWaitFor([&] { return window->findChild<QWidget*>(QStringLiteral("frameareas")); }));
  return window;
}

inline QWidget* named(QWidget& window, const QString& name) {
  return window.findChild<QWidget*>(name);
}

inline QString focusname() {
  const QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus->objectName() : QString();
}

inline void clickbutton(FrmMain& window, CategoryId id) {
  QTest::mouseClick(&window.button(id), Qt::LeftButton);
}

// Clicks the item at `row` as a user would: scrolled into view, then a left click on it.
inline void clickrow(QListWidget& list, int row, Qt::KeyboardModifiers modifiers = {}) {
  QListWidgetItem* item = list.item(row);
  list.scrollToItem(item);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, list.visualItemRect(item).center());
}

// The row of `unit`, -1 when the list has none.
inline int rowof(const QListWidget& list, const QString& unit) {
  const QList<QListWidgetItem*> found = list.findItems(unit, Qt::MatchExactly);
  return found.isEmpty() ? -1 : list.row(found.first());
}

// Selects a row the way a program would, with no Click: the list's signals are blocked.
inline void selectsilently(QListWidget& list, int row) {
  const QSignalBlocker blocker(&list);
  list.setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

// Watches for modal message boxes while it lives: records each one's title, text and buttons and
// closes it with its OK button, so a test never blocks on one.
class MessageBoxWatcher {
 public:
  struct Shown {
    QString title;
    QString text;
    int buttons = 0;
    bool hasok = false;
  };

  // Polls every `intervalms`; 0 polls whenever the event loop (the box's own included) is idle.
  explicit MessageBoxWatcher(int intervalms = 5) {
    timer_.setInterval(intervalms);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
  }

  const std::vector<Shown>& shown() const { return shown_; }
  // What was shown since the last take.
  std::vector<Shown> take() { return std::exchange(shown_, {}); }

 private:
  void poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    shown_.push_back(
        {box->windowTitle(), box->text(), static_cast<int>(box->buttons().size()), ok != nullptr});
    if (ok != nullptr)
      ok->click();
    else
      box->reject();
  }

  QTimer timer_;
  std::vector<Shown> shown_;
};

}  // namespace merovane::guitest
