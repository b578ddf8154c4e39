// The Qt controls on their own: which character a key press types, and when a list clicks.
#include <QKeyEvent>

#include "forms/keyfilter.h"
#include "forms/qtcontrols.h"
#include "forms/tests/guitest.h"

namespace merovane::guitest {

class ControlsTest : public QObject {
  Q_OBJECT

 private slots:
  // Platforms differ in the text they report for Ctrl+letter: the control code or the letter.
  void typedCharacterIsTheKeysCode_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");  // -1: the key types no character
    const int none = Qt::NoModifier;
    const int control = Qt::ControlModifier;
    const struct {
      const char* name;
      int key;
      int modifiers;
      const char* text;
      int code;
    } rows[] = {
        {"digit", Qt::Key_7, none, "7", 55},
        {"keypad digit", Qt::Key_7, Qt::KeypadModifier, "7", 55},
        {"point", Qt::Key_Period, none, ".", 46},
        {"slash", Qt::Key_Slash, none, "/", 47},
        {"minus", Qt::Key_Minus, none, "-", 45},
        {"letter", Qt::Key_A, none, "a", 97},
        {"capital", Qt::Key_A, Qt::ShiftModifier, "A", 65},
        {"space", Qt::Key_Space, none, " ", 32},
        {"Backspace", Qt::Key_Backspace, none, "\b", 8},
        {"Backspace without text", Qt::Key_Backspace, none, "", 8},
        {"Enter", Qt::Key_Return, none, "\r", 13},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
        {"Escape", Qt::Key_Escape, none, "\x1b", 27},
        {"Ctrl+C as a control code", Qt::Key_C, control, "\x03", 3},
        {"Ctrl+C as a letter", Qt::Key_C, control, "c", 3},
        {"Ctrl+V", Qt::Key_V, control, "v", 22},
        {"Ctrl+X", Qt::Key_X, control, "", 24},
        {"Ctrl+A", Qt::Key_A, control, "a", 1},
        {"Ctrl+Z", Qt::Key_Z, control, "z", 26},
        {"Ctrl+Shift+V", Qt::Key_V, control | Qt::ShiftModifier, "V", 22},
        {"Ctrl+digit", Qt::Key_1, control, "1", -1},
        {"Alt+digit", Qt::Key_1, Qt::AltModifier, "1", -1},
        {"Delete", Qt::Key_Delete, none, "\x7f", -1},
        {"Tab", Qt::Key_Tab, none, "\t", -1},
        {"Left", Qt::Key_Left, none, "", -1},
        {"Home", Qt::Key_Home, none, "", -1},
        {"Shift", Qt::Key_Shift, Qt::ShiftModifier, "", -1},
    };
    for (const auto& row : rows)
      QTest::newRow(row.name) << row.key << row.modifiers << QString::fromLatin1(row.text)
                              << row.code;
  }

  void typedCharacterIsTheKeysCode() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(typedcharacter(event).value_or(-1), code);
  }

  void filterPassesBackspacePointSlashAndDigits() {
    for (int code = 0; code < 256; ++code) {
      const bool expected = code == 8 || code == '.' || code == '/' || (code >= '0' && code <= '9');
      QVERIFY2(passesfilter(code) == expected, qPrintable(QString::number(code)));
    }
  }

  // Each Click the user makes runs the handler exactly once.
  void listClicksOncePerUserSelection() {
    QWidget holder;
    holder.resize(200, 200);
    UnitList list(&holder);
    list.setGeometry(0, 0, 200, 200);
    list.addItems({"a", "b", "c", "d", "e"});
    int clicks = 0;
    list.setclickhandler([&] { ++clicks; });
    holder.show();
    QVERIFY(QTest::qWaitForWindowExposed(&holder));
    QCOMPARE(list.ListIndex(), -1);
    QVERIFY(!list.Selected(0));
    list.setFocus();

    const auto at = [&](int row) { return list.visualItemRect(list.item(row)).center(); };
    const auto click = [&](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint where) {
      return [&list, button, modifiers, where] {
        QTest::mouseClick(list.viewport(), button, modifiers, where);
      };
    };
    const auto key = [&](Qt::Key pressed, Qt::KeyboardModifiers modifiers = {}) {
      return [&list, pressed, modifiers] { QTest::keyClick(&list, pressed, modifiers); };
    };
    const struct {
      const char* action;
      std::function<void()> act;
      int clicks;
      int selected;
    } steps[] = {
        {"a click on an item", click(Qt::LeftButton, {}, at(1)), 1, 1},
        {"a click on the selected item", click(Qt::LeftButton, {}, at(1)), 1, 1},
        {"a Ctrl+click on the selected item", click(Qt::LeftButton, Qt::ControlModifier, at(1)), 1,
         1},
        {"a double click on another item",
         [&] { QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at(3)); }, 2, 3},
        {"a right click", click(Qt::RightButton, {}, at(0)), 0, 3},
        {"a click below the items", click(Qt::LeftButton, {}, QPoint(100, 190)), 0, 3},
        {"the Down key", key(Qt::Key_Down), 1, 4},
        {"the Down key on the last item", key(Qt::Key_Down), 0, 4},
        {"the Home key", key(Qt::Key_Home), 1, 0},
        {"a typed initial", key(Qt::Key_C), 1, 2},
        {"Ctrl+Space on the selected item", key(Qt::Key_Space, Qt::ControlModifier), 0, 2},
        {"a program's click", [&] { list.click(); }, 1, 2},
    };
    for (const auto& step : steps) {
      clicks = 0;
      step.act();
      QVERIFY2(clicks == step.clicks,
               qPrintable(QStringLiteral("%1: %2 clicks").arg(step.action).arg(clicks)));
      QVERIFY2(list.ListIndex() == step.selected, step.action);
      for (int row = 0; row < list.count(); ++row)
        QCOMPARE(list.Selected(row), row == step.selected);
    }
    QVERIFY(!list.Selected(-1));
    QVERIFY(!list.Selected(list.count()));
  }

  void textBoxReadsAndWritesItsWholeText() {
    QWidget holder;
    UnitBox box(&holder);
    QCOMPARE(box.Text(), std::string());
    box.SetText("1609.344");
    QCOMPARE(box.text(), QStringLiteral("1609.344"));
    box.setText(QStringLiteral("2.5E-07"));
    QCOMPARE(box.Text(), std::string("2.5E-07"));
    QVERIFY(!box.testAttribute(Qt::WA_InputMethodEnabled));
  }
};

int runcontrolstests(int argc, char** argv) {
  ControlsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace merovane::guitest

#include "controlstest.moc"
