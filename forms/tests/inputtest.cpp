// Keystroke filtering, the conversions that list clicks and keystrokes run, and the message box.
#include <QClipboard>

#include "core/runtime.h"
#include "forms/tests/guitest.h"

namespace merovane::guitest {

class InputTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window = openwindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }
  void cleanup() { window.reset(); }

  void filterKeepsOnlyDigitsPointSlashAndBackspace_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");   // typed first, key by key
    QTest::addColumn<bool>("selectall");  // the text selected before the key
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    const int none = Qt::NoModifier;
    const int control = Qt::ControlModifier;
    const struct {
      const char* name;
      const char* typed;
      bool selectall;
      int key;
      int modifiers;
      const char* expected;
    } rows[] = {
        {"letter", "12", false, Qt::Key_A, none, "12"},
        {"capital E", "12", false, Qt::Key_E, Qt::ShiftModifier, "12"},
        {"space", "12", false, Qt::Key_Space, none, "12"},
        {"comma", "12", false, Qt::Key_Comma, none, "12"},
        {"minus", "12", false, Qt::Key_Minus, none, "12"},
        {"plus", "12", false, Qt::Key_Plus, none, "12"},
        {"Enter", "12", false, Qt::Key_Return, none, "12"},
        {"keypad Enter", "12", false, Qt::Key_Enter, Qt::KeypadModifier, "12"},
        {"Escape", "12", false, Qt::Key_Escape, none, "12"},
        {"Ctrl+C", "12", true, Qt::Key_C, control, "12"},
        {"Ctrl+V", "12", true, Qt::Key_V, control, "12"},
        {"Ctrl+X", "12", true, Qt::Key_X, control, "12"},
        {"Ctrl+A", "12", false, Qt::Key_A, control, "12"},
        {"Ctrl+Z", "12", false, Qt::Key_Z, control, "12"},
        {"Ctrl+Backspace", "12", false, Qt::Key_Backspace, control, "12"},
        {"digit", "12", false, Qt::Key_5, none, "125"},
        {"zero", "12", false, Qt::Key_0, none, "120"},
        {"keypad digit", "12", false, Qt::Key_7, Qt::KeypadModifier, "127"},
        {"point", "12", false, Qt::Key_Period, none, "12."},
        {"slash", "12", false, Qt::Key_Slash, none, "12/"},
        {"Backspace", "12", false, Qt::Key_Backspace, none, "1"},
        {"Home", "12", false, Qt::Key_Home, none, "12"},
    };
    for (const char* box : {"txtfls", "txtfld"})
      for (const auto& row : rows)
        QTest::addRow("%s %s", box, row.name)
            << box << row.typed << row.selectall << row.key << row.modifiers << row.expected;
  }

  void filterKeepsOnlyDigitsPointSlashAndBackspace() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, selectall);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);

    clickbutton(*window, CategoryId::Length);
    auto* edit = window->findChild<QLineEdit*>(box);
    edit->setFocus();
    QTest::keyClicks(edit, typed);
    if (selectall) edit->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("99"));

    QTest::keyClick(edit, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(edit->text(), expected);
    QCOMPARE(edit->hasSelectedText(), selectall);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("99"));
  }

  // Keys that type no character edit as usual and convert nothing.
  void keysThatTypeNothingEditWithoutConverting() {
    clickbutton(*window, CategoryId::Length);
    UnitBox& source = window->box(CategoryId::Length, Side::Source);
    UnitBox& destination = window->box(CategoryId::Length, Side::Destination);
    selectsilently(window->list(CategoryId::Length, Side::Source), 5);
    selectsilently(window->list(CategoryId::Length, Side::Destination), 5);
    source.setText(QStringLiteral("123"));
    destination.setText(QStringLiteral("x"));
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_Shift})
      QTest::keyClick(&source, key);
    QTest::keyClick(&source, Qt::Key_Home);
    QTest::keyClick(&source, Qt::Key_Delete);
    QCOMPARE(source.text(), QStringLiteral("23"));
    QCOMPARE(destination.text(), QStringLiteral("x"));
  }

  void droppedCharacterConvertsExceptInEnergy_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<bool>("converts");
    for (int at = 0; at < kCategoryCount; ++at) {
      const CategoryId id = categoryid(at);
      QTest::newRow(std::string(category(id).caption).c_str()) << at << (id != CategoryId::Energy);
    }
  }

  // The same unit on both sides shows the value itself, so "7" reaches the destination box
  // exactly when a conversion runs.
  void droppedCharacterConvertsExceptInEnergy() {
    QFETCH(int, category);
    QFETCH(bool, converts);
    const CategoryId id = categoryid(category);

    clickbutton(*window, id);
    UnitBox& source = window->box(id, Side::Source);
    UnitBox& destination = window->box(id, Side::Destination);
    source.setText(QStringLiteral("7"));
    selectsilently(window->list(id, Side::Source), 0);
    selectsilently(window->list(id, Side::Destination), 0);
    destination.setText(QStringLiteral("x"));

    QTest::keyClick(&source, Qt::Key_A);
    QCOMPARE(source.text(), QStringLiteral("7"));
    QCOMPARE(destination.text(), converts ? QStringLiteral("7") : QStringLiteral("x"));

    // A kept character converts in every category, the text after the keystroke.
    destination.setText(QStringLiteral("x"));
    QTest::keyClick(&source, Qt::Key_1);
    QCOMPARE(destination.text(), QStringLiteral("71"));

    // The destination box only filters.
    destination.setFocus();
    QTest::keyClick(&destination, Qt::Key_5);
    QTest::keyClick(&destination, Qt::Key_A);
    QCOMPARE(destination.text(), QStringLiteral("715"));
  }

  void severalCharactersTypeAsOneKeyPressEach_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");  // of one key event
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    const int none = Qt::NoModifier;
    const struct {
      const char* name;
      CategoryId id;
      int modifiers;
      const char* text;
      const char *source, *destination;
    } rows[] = {
        {"digit then letter", CategoryId::Length, none, "5a", "75", "75"},
        {"letter then digit", CategoryId::Length, none, "a5", "75", "75"},
        {"two digits", CategoryId::Length, none, "12", "712", "712"},
        {"digit then Backspace", CategoryId::Length, none, "5\b", "7", "7"},
        {"Backspace then digit", CategoryId::Length, none, "\b5", "5", "5"},
        {"DEL types nothing", CategoryId::Length, none,
         "5\x7f"
         "6",
         "756", "756"},
        {"two letters", CategoryId::Length, none, "ab", "7", "7"},
        {"AltGr", CategoryId::Length, Qt::ControlModifier | Qt::AltModifier, "5a", "75", "75"},
        {"Energy digit then letter", CategoryId::Energy, none, "5a", "75", "75"},
        {"Energy letter then digit", CategoryId::Energy, none, "a5", "75", "75"},
        {"Energy two letters", CategoryId::Energy, none, "ab", "7", "x"},
    };
    for (const auto& row : rows)
      QTest::newRow(row.name) << static_cast<int>(row.id) << row.modifiers
                              << QString::fromLatin1(row.text) << row.source << row.destination;
  }

  // The same unit on both sides shows the value itself: the destination box holds what the last
  // conversion read, or "x" when none ran.
  void severalCharactersTypeAsOneKeyPressEach() {
    QFETCH(int, category);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QString, source);
    QFETCH(QString, destination);
    const CategoryId id = categoryid(category);

    clickbutton(*window, id);
    UnitBox& box = window->box(id, Side::Source);
    selectsilently(window->list(id, Side::Source), 0);
    selectsilently(window->list(id, Side::Destination), 0);
    box.setText(QStringLiteral("7"));
    window->box(id, Side::Destination).setText(QStringLiteral("x"));

    QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, text,
                        Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box.text(), source);
    QCOMPARE(window->box(id, Side::Destination).text(), destination);
  }

  void convertsFromKeystrokesAndClicks_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected");
    const struct {
      CategoryId id;
      const char *typed, *from, *to, *expected;
    } rows[] = {
        {CategoryId::Area, "1", "Square miles", "Acres", "640"},
        {CategoryId::BitsAndBytes, "1", "Kilobytes(KB)", "Bits(b)", "8192"},
        {CategoryId::Density, "1", "Slugs/cubic foot", "Kilograms/cubic meters", "515.317882"},
        {CategoryId::Energy, "1", "Calories", "Joules", "4.1868"},
        {CategoryId::Force, "1", "Kilogram force", "Newtons", "9.80665"},
        {CategoryId::Length, "1", "Miles", "Meters", "1609.344"},
        {CategoryId::Weight, "1", "Kilograms", "Pounds", "2.20462262"},
        {CategoryId::Power, "1", "Horsepower(metric)", "Watts", "735.4988"},
        {CategoryId::Pressure, "1", "Atmospheres", "Pascals", "101325"},
        {CategoryId::Speed, "1", "Knots", "Kilometers/hour", "1.852"},
        {CategoryId::Temperature, "100", "Celsius", "Fahrenheit", "212"},
        {CategoryId::Volume, "1", "Cubic feet", "Cubic inches", "1728"},
    };
    for (const auto& row : rows)
      QTest::newRow(std::string(category(row.id).caption).c_str())
          << static_cast<int>(row.id) << row.typed << row.from << row.to << row.expected;
  }

  void convertsFromKeystrokesAndClicks() {
    QFETCH(int, category);
    QFETCH(QString, typed);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    const CategoryId id = categoryid(category);

    clickbutton(*window, id);
    UnitList& sourcelist = window->list(id, Side::Source);
    UnitList& destinationlist = window->list(id, Side::Destination);
    const UnitBox& destination = window->box(id, Side::Destination);
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QCOMPARE(window->box(id, Side::Source).text(), typed);
    QCOMPARE(destination.text(), QString());

    const int fromrow = rowof(sourcelist, from);
    const int torow = rowof(destinationlist, to);
    QVERIFY2(fromrow >= 0 && torow >= 0, "unit not in the list");
    clickrow(sourcelist, fromrow);
    // One list without a selection: nothing is written.
    QCOMPARE(destination.text(), QString());
    clickrow(destinationlist, torow);
    QCOMPARE(destination.text(), expected);
  }

  void everyKeystrokeConvertsTheTextItLeaves() {
    clickbutton(*window, CategoryId::Length);
    UnitList& from = window->list(CategoryId::Length, Side::Source);
    UnitList& to = window->list(CategoryId::Length, Side::Destination);
    UnitBox& source = window->box(CategoryId::Length, Side::Source);
    const UnitBox& destination = window->box(CategoryId::Length, Side::Destination);
    clickrow(from, rowof(from, "Kilometers"));
    clickrow(to, rowof(to, "Meters"));
    QCOMPARE(destination.text(), QString());  // an empty box converts nothing

    const struct {
      Qt::Key key;
      const char* source;
      const char* destination;
    } steps[] = {
        {Qt::Key_1, "1", "1000"},
        {Qt::Key_5, "15", "15000"},
        {Qt::Key_Period, "15.", "15000"},
        {Qt::Key_5, "15.5", "15500"},
        {Qt::Key_Backspace, "15.", "15000"},
        {Qt::Key_Backspace, "15", "15000"},
        {Qt::Key_Backspace, "1", "1000"},
        {Qt::Key_Backspace, "", "1000"},
    };
    source.setFocus();
    for (const auto& step : steps) {
      QTest::keyClick(&source, step.key);
      QCOMPARE(source.text(), QString::fromLatin1(step.source));
      QCOMPARE(destination.text(), QString::fromLatin1(step.destination));
    }
  }

  void emptySourceBoxConvertsNothing_data() {
    QTest::addColumn<int>("category");
    for (int at = 0; at < kCategoryCount; ++at)
      QTest::newRow(std::string(category(categoryid(at)).caption).c_str()) << at;
  }

  void emptySourceBoxConvertsNothing() {
    QFETCH(int, category);
    const CategoryId id = categoryid(category);
    const MessageBoxWatcher watcher;
    clickbutton(*window, id);
    window->box(id, Side::Destination).setText(QStringLiteral("x"));
    clickrow(window->list(id, Side::Source), 0);
    clickrow(window->list(id, Side::Destination), 1);
    QCOMPARE(window->box(id, Side::Destination).text(), QStringLiteral("x"));
    QCOMPARE(watcher.shown().size(), size_t{0});
  }

  // Every Click of a Weight list with "1/2" in txtweights shows the error once: so the count of
  // message boxes is the count of Clicks.
  void weightShowsTheErrorOncePerClick() {
    clickbutton(*window, CategoryId::Weight);
    window->box(CategoryId::Weight, Side::Source).setText(QStringLiteral("1/2"));
    UnitBox& destination = window->box(CategoryId::Weight, Side::Destination);
    destination.setText(QStringLiteral("x"));
    UnitList& list = window->list(CategoryId::Weight, Side::Source);

    const struct {
      const char* action;
      std::function<void()> act;
      int selected;
    } steps[] = {
        {"a click on an item", [&] { clickrow(list, 2); }, 2},
        {"a click on the selected item", [&] { clickrow(list, 2); }, 2},
        {"a Ctrl+click on the selected item", [&] { clickrow(list, 2, Qt::ControlModifier); }, 2},
        {"the Down key", [&] { QTest::keyClick(&list, Qt::Key_Down); }, 3},
        {"the Up key", [&] { QTest::keyClick(&list, Qt::Key_Up); }, 2},
        {"a right click on another item",
         [&] {
           QTest::mouseClick(list.viewport(), Qt::RightButton, {},
                             list.visualItemRect(list.item(0)).center());
         },
         2},
    };
    const int expectedboxes[] = {1, 1, 1, 1, 1, 0};
    for (size_t at = 0; at < std::size(steps); ++at) {
      const MessageBoxWatcher watcher;
      steps[at].act();
      QCOMPARE(list.ListIndex(), steps[at].selected);
      QVERIFY2(watcher.shown().size() == static_cast<size_t>(expectedboxes[at]),
               qPrintable(QStringLiteral("%1: %2 message boxes")
                              .arg(steps[at].action)
                              .arg(watcher.shown().size())));
      for (const auto& shown : watcher.shown()) {
        QCOMPARE(shown.title, QStringLiteral("Merovane"));
        QCOMPARE(shown.text, QString::fromLatin1(kTypeMismatch));
        QCOMPARE(shown.buttons, 1);
        QVERIFY(shown.hasok);
      }
      QCOMPARE(destination.text(), QStringLiteral("x"));
    }
  }

  // The slash passes the filter, and the conversion it runs fails on "1/".
  void weightKeystrokeRunsItsConverter() {
    clickbutton(*window, CategoryId::Weight);
    UnitBox& source = window->box(CategoryId::Weight, Side::Source);
    const MessageBoxWatcher watcher;
    QTest::keyClick(&source, Qt::Key_1);
    QCOMPARE(watcher.shown().size(), size_t{0});
    QTest::keyClick(&source, Qt::Key_Slash);
    QCOMPARE(source.text(), QStringLiteral("1/"));
    QCOMPARE(watcher.shown().size(), size_t{1});
  }

  void areaFailsSilently() {
    clickbutton(*window, CategoryId::Area);
    window->box(CategoryId::Area, Side::Source).setText(QStringLiteral("1/2"));
    window->box(CategoryId::Area, Side::Destination).setText(QStringLiteral("x"));
    const MessageBoxWatcher watcher;
    clickrow(window->list(CategoryId::Area, Side::Source), 1);
    clickrow(window->list(CategoryId::Area, Side::Destination), 2);
    QCOMPARE(watcher.shown().size(), size_t{0});
    QCOMPARE(window->box(CategoryId::Area, Side::Destination).text(), QStringLiteral("x"));
  }

 private:
  std::unique_ptr<FrmMain> window;
};

int runinputtests(int argc, char** argv) {
  InputTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace merovane::guitest

#include "inputtest.moc"
