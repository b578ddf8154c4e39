#include "forms/tests/randomevents/randomuser.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <array>

#include "categories/categories.h"
#include "forms/tests/randomevents/boxedit.h"

namespace merovane::guitest {
namespace {

// The pieces pasted texts are made of besides digits: one character each, a surrogate pair for
// the emoji.
const std::array<QString, 27> kPastePieces = {
    QStringLiteral("."),      QStringLiteral("/"),      QStringLiteral("-"),
    QStringLiteral("+"),      QStringLiteral("e"),      QStringLiteral("E"),
    QStringLiteral(" "),      QStringLiteral(","),      QStringLiteral("x"),
    QStringLiteral("\t"),     QStringLiteral("\r"),     QStringLiteral("\n"),
    QStringLiteral("\x01"),   QStringLiteral("\x1b"),   QStringLiteral("\x7f"),
    QString(QChar(0)),        QStringLiteral("&"),      QStringLiteral("%"),
    QStringLiteral("\u00e9"), QStringLiteral("\u00df"), QStringLiteral("\u20ac"),
    QStringLiteral("\u00bd"), QStringLiteral("\uff15"), QStringLiteral("\u4e2d"),
    QStringLiteral("\u00a0"), QStringLiteral("\u2212"), QStringLiteral("\U0001F600"),
};

// Characters typed on keys of other scripts; each fails the filter.
const std::array<QString, 7> kForeignKeys = {
    QStringLiteral("\u00e9"),     QStringLiteral("\u00df"), QStringLiteral("\u20ac"),
    QStringLiteral("\u00bd"),     QStringLiteral("\uff15"), QStringLiteral("\u4e2d"),
    QStringLiteral("\U0001F600"),
};

// What AltGr types on some European keyboards; none passes the filter.
const std::array<char, 8> kAltGrCharacters = {'@', '{', '[', ']', '}', '\\', '|', '~'};

// The key that types a printable ASCII character: the character's own code for punctuation,
// the capital's for letters.
Qt::Key asciikey(char c) {
  return static_cast<Qt::Key>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

QString codename(int code) {
  if (code >= 32 && code < 127) return QStringLiteral("%1 '%2'").arg(code).arg(QChar(code));
  return QString::number(code);
}

QString boxstate(const BoxState& box) {
  QString text = QStringLiteral("text %1, cursor %2").arg(shown(box.text)).arg(box.cursor);
  if (box.hasselection())
    text += QStringLiteral(", selected %1+%2").arg(box.selectionstart).arg(box.selectionlength);
  return text;
}

}  // namespace

QString shown(const QString& text) {
  constexpr qsizetype kLimit = 48;
  QString out = QStringLiteral("\"");
  for (qsizetype at = 0; at < text.size() && at < kLimit; ++at) {
    const QChar c = text.at(at);
    if (c == u'"' || c == u'\\')
      out += QStringLiteral("\\") + c;
    else if (c.unicode() >= 32 && c.unicode() < 127)
      out += c;
    else
      out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
  }
  out += QChar(u'"');
  if (text.size() > kLimit) out += QStringLiteral("... (%1 characters)").arg(text.size());
  return out;
}

Expectation RandomUser::act(std::optional<CategoryId> current) {
  // Until a category is chosen, its buttons are all a user can reach.
  if (!current) return clickcategory();
  const int roll = random_.below(100);
  if (roll < 6) return clickcategory();
  if (roll < 28) return clicklistitem(*current);
  if (roll < 30) return rightclicklistitem(*current);
  if (roll < 44) return movelistbykey(*current);
  if (roll < 89) return typeintobox(*current);
  if (roll < 92) return clickintobox(*current);
  if (roll < 95) return clearbox(*current);
  return paste(*current, random_.percent(50) ? randomnumber() : randomtext(1 + random_.below(40)));
}

Expectation RandomUser::pastemegabyte(CategoryId current) {
  Expectation expected = paste(current, randomtext(1 << 20));
  expected.description.prepend(QStringLiteral("a megabyte: "));
  return expected;
}

Expectation RandomUser::clickcategory() {
  const CategoryId id = static_cast<CategoryId>(random_.below(kCategoryCount));
  CategoryButton& button = window_.button(id);
  const QPoint at = pointin(button.rect().adjusted(3, 3, -3, -3));
  QTest::mouseClick(&button, Qt::LeftButton, {}, at);
  Expectation expected;
  expected.description =
      QStringLiteral("click on %1 at (%2, %3)").arg(button.objectName()).arg(at.x()).arg(at.y());
  expected.clickedcategory = id;
  return expected;
}

Expectation RandomUser::clicklistitem(CategoryId id) {
  const Side side = random_.percent(50) ? Side::Source : Side::Destination;
  UnitList& list = window_.list(id, side);
  const int row = random_.below(list.count());
  QListWidgetItem* item = list.item(row);
  list.scrollToItem(item);
  const QPoint at = pointin(list.visualItemRect(item) & list.viewport()->rect());
  const int modifierroll = random_.below(100);
  const Qt::KeyboardModifiers modifiers = modifierroll < 80   ? Qt::NoModifier
                                          : modifierroll < 90 ? Qt::ControlModifier
                                                              : Qt::ShiftModifier;
  const bool twice = random_.percent(8);

  Expectation expected;
  if (twice) {
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, modifiers, at);
    expected.conversions = Conversions::Two;
  } else {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, at);
    expected.conversions = Conversions::One;
  }
  expected.description = QStringLiteral("%1left %2 on row %3 (%4) of %5 at (%6, %7)")
                             .arg(modifiers == Qt::ControlModifier ? QStringLiteral("Ctrl+")
                                  : modifiers == Qt::ShiftModifier ? QStringLiteral("Shift+")
                                                                   : QString())
                             .arg(twice ? QStringLiteral("double click") : QStringLiteral("click"))
                             .arg(row)
                             .arg(item->text())
                             .arg(list.objectName())
                             .arg(at.x())
                             .arg(at.y());
  expected.list = ListExpectation{side, {row}, false};
  return expected;
}

Expectation RandomUser::rightclicklistitem(CategoryId id) {
  const Side side = random_.percent(50) ? Side::Source : Side::Destination;
  UnitList& list = window_.list(id, side);
  const int row = random_.below(list.count());
  QListWidgetItem* item = list.item(row);
  list.scrollToItem(item);
  const QPoint at = pointin(list.visualItemRect(item) & list.viewport()->rect());
  QTest::mouseClick(list.viewport(), Qt::RightButton, {}, at);
  Expectation expected;
  expected.description =
      QStringLiteral("right click on row %1 of %2").arg(row).arg(list.objectName());
  // The right button selects nothing and clicks nothing.
  return expected;
}

Expectation RandomUser::movelistbykey(CategoryId id) {
  const Side side = random_.percent(50) ? Side::Source : Side::Destination;
  UnitList& list = window_.list(id, side);
  QString how;
  if (!list.hasFocus()) {
    list.setFocus(Qt::TabFocusReason);
    how = QStringLiteral("focus into %1 as by Tab, then ").arg(list.objectName());
  }
  const int current = list.currentRow();
  const int last = list.count() - 1;
  static constexpr std::array<std::pair<Qt::Key, const char*>, 6> kKeys = {{
      {Qt::Key_Up, "Up"},
      {Qt::Key_Down, "Down"},
      {Qt::Key_Home, "Home"},
      {Qt::Key_End, "End"},
      {Qt::Key_PageUp, "PageUp"},
      {Qt::Key_PageDown, "PageDown"},
  }};
  const auto& [key, name] = random_.pick(kKeys);
  QTest::keyClick(&list, key);

  ListExpectation moved{side, {}, true};
  if (key == Qt::Key_Home) moved.rows = {0};
  if (key == Qt::Key_End) moved.rows = {last};
  if (key == Qt::Key_Up && current >= 0) moved.rows = {std::max(current - 1, 0)};
  if (key == Qt::Key_Down && current >= 0) moved.rows = {std::min(current + 1, last)};
  Expectation expected;
  expected.description = QStringLiteral("%1key %2 in %3 (current row %4)")
                             .arg(how)
                             .arg(QLatin1String(name))
                             .arg(list.objectName())
                             .arg(current);
  expected.conversions = Conversions::OneIfSelectionMoved;
  expected.list = moved;
  return expected;
}

Expectation RandomUser::typeintobox(CategoryId id) {
  const Side side = random_.percent(75) ? Side::Source : Side::Destination;
  UnitBox& box = window_.box(id, side);
  const QString how = focusbox(box);
  const Keystroke key = random_.percent(75) ? typingkey() : nontypingkey();
  const BoxState before = BoxState::of(box);
  QTest::sendKeyEvent(QTest::Click, &box, key.key, key.text, key.modifiers);

  Expectation expected;
  expected.description = QStringLiteral("%1key %2 (types %3) in %4, %5")
                             .arg(how)
                             .arg(key.name)
                             .arg(key.code ? codename(*key.code) : QStringLiteral("nothing"))
                             .arg(box.objectName())
                             .arg(boxstate(before));
  expected.editedbox = side;
  if (!key.code) {
    expected.editedtext = key.key == Qt::Key_Delete ? afterdelete(before) : before.text;
    return expected;
  }
  // Backspace, the point, the slash and the digits join the text; every other character is
  // dropped.
  const int code = *key.code;
  const bool kept = code == 8 || (code >= '.' && code <= '9');
  expected.editedtext = !kept       ? before.text
                        : code == 8 ? afterbackspace(before)
                                    : afterinsert(before, QString(QChar(code)));
  // A source box converts on every typed character but a dropped one in Energy; a destination
  // box only filters.
  if (side == Side::Source && (kept || id != CategoryId::Energy))
    expected.conversions = Conversions::One;
  return expected;
}

Expectation RandomUser::clickintobox(CategoryId id) {
  const Side side = random_.percent(50) ? Side::Source : Side::Destination;
  UnitBox& box = window_.box(id, side);
  const QPoint at = pointinbox(box);
  const int roll = random_.below(100);
  QString what;
  if (roll < 70) {
    QTest::mouseClick(&box, Qt::LeftButton, {}, at);
    what = QStringLiteral("click");
  } else if (roll < 85) {
    QTest::mouseDClick(&box, Qt::LeftButton, {}, at);
    lastdoubleclick_[&box] = at;
    what = QStringLiteral("double click");
  } else {
    QTest::mouseClick(&box, Qt::LeftButton, Qt::ShiftModifier, at);
    what = QStringLiteral("Shift+click");
  }
  Expectation expected;
  expected.description =
      QStringLiteral("%1 into %2 at (%3, %4)").arg(what, box.objectName()).arg(at.x()).arg(at.y());
  expected.editedbox = side;
  expected.editedtext = box.text();
  return expected;
}

Expectation RandomUser::clearbox(CategoryId id) {
  const Side side = random_.percent(75) ? Side::Source : Side::Destination;
  UnitBox& box = window_.box(id, side);
  const QString how = focusbox(box);
  const QString before = box.text();
  // End, Shift+Home and Backspace: all of it selected, then taken away.
  QTest::keyClick(&box, Qt::Key_End);
  QTest::keyClick(&box, Qt::Key_Home, Qt::ShiftModifier);
  QTest::keyClick(&box, Qt::Key_Backspace);
  Expectation expected;
  expected.description = QStringLiteral("%1End, Shift+Home and Backspace in %2 holding %3")
                             .arg(how, box.objectName(), shown(before));
  expected.editedbox = side;
  expected.editedtext = QString();
  // Only the Backspace types a character: it converts the empty text.
  if (side == Side::Source) expected.conversions = Conversions::One;
  return expected;
}

Expectation RandomUser::paste(CategoryId id, const QString& text) {
  const Side side = random_.percent(70) ? Side::Source : Side::Destination;
  UnitBox& box = window_.box(id, side);
  QApplication::clipboard()->setText(text);
  Expectation expected;
  expected.editedbox = side;
  BoxState before;
  QString how;
  switch (random_.below(3)) {
    case 0: {
      // The box's context menu, its Paste entry clicked.
      const QPoint at = pointinbox(box);
      QTest::mouseClick(&box, Qt::RightButton, {}, at);
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QAction* pasteentry = nullptr;
      if (menu != nullptr)
        for (QAction* action : menu->actions())
          if (action->text().section(u'\t', 0, 0).remove(u'&') == QStringLiteral("Paste"))
            pasteentry = action;
      before = BoxState::of(box);
      how = QStringLiteral("Paste from the context menu of %1").arg(box.objectName());
      if (pasteentry == nullptr) {
        if (menu != nullptr) menu->close();
        expected.failure = QStringLiteral("no context menu with a Paste entry opened");
        break;
      }
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(pasteentry).center());
      if (QWidget* left = QApplication::activePopupWidget()) {
        left->close();
        expected.failure = QStringLiteral("the context menu stayed open");
      }
      break;
    }
    case 1:
      how = focusbox(box) + QStringLiteral("Shift+Insert in %1").arg(box.objectName());
      before = BoxState::of(box);
      QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
      break;
    default:
      how = QStringLiteral("paste() into %1").arg(box.objectName());
      before = BoxState::of(box);
      box.paste();
      break;
  }
  expected.description = QStringLiteral("%1 of %2, %3").arg(how, shown(text), boxstate(before));
  // Pasted text is not filtered and converts nothing; what does not fit is dropped.
  expected.editedtext = afterinsert(before, text);
  return expected;
}

RandomUser::Keystroke RandomUser::typingkey() {
  const int roll = random_.below(100);
  // Mostly digits and Backspace, so that many texts stay numbers worth converting.
  if (roll < 55) {
    const char digit = static_cast<char>('0' + random_.below(10));
    return {asciikey(digit), Qt::NoModifier, QString(QChar(digit)), digit, QString(QChar(digit))};
  }
  if (roll < 58) return {Qt::Key_Period, Qt::NoModifier, QStringLiteral("."), '.', "."};
  if (roll < 59) return {Qt::Key_Slash, Qt::NoModifier, QStringLiteral("/"), '/', "/"};
  if (roll < 71) return {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"), 8, "Backspace"};
  if (roll < 83) {
    const char c = static_cast<char>(32 + random_.below(95));
    return {asciikey(c), Qt::NoModifier, QString(QChar(c)), c, shown(QString(QChar(c)))};
  }
  if (roll < 93) return controlkey();
  if (roll < 97) {
    const QString& text = random_.pick(kForeignKeys);
    const Qt::Key key =
        text.size() == 1 ? static_cast<Qt::Key>(text.at(0).toUpper().unicode()) : Qt::Key_unknown;
    return {key, Qt::NoModifier, text, text.at(0).unicode(), shown(text)};
  }
  // AltGr, which desktops report as Ctrl+Alt with the character it types.
  const char c = random_.pick(kAltGrCharacters);
  return {Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, QString(QChar(c)), c,
          QStringLiteral("AltGr giving '%1'").arg(QChar(c))};
}

RandomUser::Keystroke RandomUser::controlkey() {
  const Qt::KeyboardModifiers control = Qt::ControlModifier;
  const Qt::KeyboardModifiers controlshift = Qt::ControlModifier | Qt::ShiftModifier;
  const int pick = random_.below(34);
  if (pick == 32)
    return {Qt::Key_Backspace, control, QStringLiteral("\x7f"), 127, "Ctrl+Backspace"};
  if (pick == 33) {
    // Some platforms report Ctrl+letter with the plain letter as its text.
    const int letter = random_.below(26);
    return {
        static_cast<Qt::Key>(Qt::Key_A + letter), control, QString(QChar('a' + letter)), letter + 1,

        QStringLiteral("Ctrl+%1 with text '%2'").arg(QChar('A' + letter)).arg(QChar('a' + letter))};
  }
  const int code = pick;
  const QString text(QChar(static_cast<char16_t>(code)));
  const bool otherkey = random_.percent(50);
  switch (code) {
    case 0:
      return {Qt::Key_At, controlshift, text, 0, "Ctrl+@"};
    case 8:
      if (otherkey) return {Qt::Key_Backspace, Qt::NoModifier, text, 8, "Backspace"};
      break;
    case 10:
      if (otherkey) return {Qt::Key_Return, control, text, 10, "Ctrl+Return"};
      break;
    case 13:
      if (otherkey) return {Qt::Key_Enter, Qt::KeypadModifier, text, 13, "keypad Enter"};
      return {Qt::Key_Return, Qt::NoModifier, text, 13, "Return"};
    case 27:
      if (otherkey) return {Qt::Key_BracketLeft, control, text, 27, "Ctrl+["};
      return {Qt::Key_Escape, Qt::NoModifier, text, 27, "Escape"};
    case 28:
      return {Qt::Key_Backslash, control, text, 28, "Ctrl+\\"};
    case 29:
      return {Qt::Key_BracketRight, control, text, 29, "Ctrl+]"};
    case 30:
      return {Qt::Key_AsciiCircum, controlshift, text, 30, "Ctrl+^"};
    case 31:
      return {Qt::Key_Underscore, controlshift, text, 31, "Ctrl+_"};
    default:
      break;
  }
  // Codes 1 to 26: Ctrl with the code's letter (Ctrl+H is 8, Ctrl+I 9, Ctrl+M 13).
  return {static_cast<Qt::Key>(Qt::Key_A + code - 1), control, text, code,
          QStringLiteral("Ctrl+%1").arg(QChar('A' + code - 1))};
}

RandomUser::Keystroke RandomUser::nontypingkey() {
  if (random_.percent(10)) {
    // Alt combinations are menu keys, not characters, whatever text they carry.
    const char c = random_.pick(std::array<char, 8>{'5', '0', '.', '/', 'a', 'z', '-', ' '});
    return {asciikey(c),
            Qt::AltModifier,
            QString(QChar(c)),
            {},
            QStringLiteral("Alt+%1").arg(shown(QString(QChar(c))))};
  }
  const Qt::KeyboardModifiers none = Qt::NoModifier;
  const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
  // Shift+Home and Shift+End twice each: a selection that the next key replaces.
  static const std::array<Keystroke, 19> kKeys = {{
      {Qt::Key_Left, none, {}, {}, "Left"},
      {Qt::Key_Right, none, {}, {}, "Right"},
      {Qt::Key_Up, none, {}, {}, "Up"},
      {Qt::Key_Down, none, {}, {}, "Down"},
      {Qt::Key_Home, none, {}, {}, "Home"},
      {Qt::Key_End, none, {}, {}, "End"},
      {Qt::Key_Delete, none, {}, {}, "Delete"},
      // Some keyboards report Delete with the DEL character as its text.
      {Qt::Key_Delete, none, QStringLiteral("\x7f"), {}, "Delete with text DEL"},
      {Qt::Key_Tab, none, QStringLiteral("\t"), {}, "Tab"},
      {Qt::Key_Backtab, shift, {}, {}, "Shift+Tab"},
      {Qt::Key_Left, shift, {}, {}, "Shift+Left"},
      {Qt::Key_Right, shift, {}, {}, "Shift+Right"},
      {Qt::Key_Home, shift, {}, {}, "Shift+Home"},
      {Qt::Key_Home, shift, {}, {}, "Shift+Home"},
      {Qt::Key_End, shift, {}, {}, "Shift+End"},
      {Qt::Key_End, shift, {}, {}, "Shift+End"},
      {Qt::Key_Left, Qt::ControlModifier, {}, {}, "Ctrl+Left"},
      {Qt::Key_Shift, shift, {}, {}, "Shift"},
      {Qt::Key_F2, none, {}, {}, "F2"},
  }};
  return random_.pick(kKeys);
}

QString RandomUser::randomtext(int length) {
  QString text;
  text.reserve(length + 1);
  while (text.size() < length) {
    if (random_.percent(70))
      text += QChar(u'0' + random_.below(10));
    else
      text += random_.pick(kPastePieces);
  }
  return text;
}

QString RandomUser::randomnumber() {
  QString text;
  const int digits = 1 + random_.below(12);
  const int point = random_.percent(40) ? random_.below(digits + 1) : -1;
  for (int at = 0; at < digits; ++at) {
    if (at == point) text += QChar(u'.');
    text += QChar(u'0' + random_.below(10));
  }
  return text;
}

QString RandomUser::focusbox(UnitBox& box) {
  if (box.hasFocus()) return {};
  const QPoint at = pointinbox(box);
  QTest::mouseClick(&box, Qt::LeftButton, {}, at);
  return QStringLiteral("click into %1 at (%2, %3), then ")
      .arg(box.objectName())
      .arg(at.x())
      .arg(at.y());
}

QPoint RandomUser::pointinbox(const UnitBox& box) {
  QPoint point = pointin(box.rect());
  // A press near a double click of a moment before selects the whole text (a triple click);
  // whether that moment has passed depends on the clock, so presses keep away from the spot
  // and a replay does what the first run did.
  const auto doubleclick = lastdoubleclick_.find(&box);
  if (doubleclick != lastdoubleclick_.end() &&
      (point - doubleclick->second).manhattanLength() < 2 * QApplication::startDragDistance()) {
    const int away = 2 * QApplication::startDragDistance();
    point.setX(point.x() >= away ? point.x() - away : point.x() + away);
  }
  return point;
}

QPoint RandomUser::pointin(const QRect& rect) {
  QPoint point(rect.left() + random_.below(std::max(1, rect.width())),
               rect.top() + random_.below(std::max(1, rect.height())));
  // QTest takes the point (0, 0) for "the widget's centre".
  if (point.isNull()) point.setX(1);
  return point;
}

}  // namespace merovane::guitest
