// A random user of the real window: each call sends one event as a user makes it, through the
// toolkit's mouse and keyboard (clicks on buttons and list items, key presses in lists and boxes,
// pastes), and says what the window must show afterwards.
#pragma once

#include <QPoint>
#include <QString>
#include <map>
#include <optional>
#include <vector>

#include "forms/frmmain.h"
#include "forms/tests/randomevents/seededrandom.h"

namespace merovane::guitest {

// How many conversions of its category the event runs.
enum class Conversions {
  None,
  One,
  Two,
  // One when the list's selection moved, none when it stayed.
  OneIfSelectionMoved,
};

// Where a list's selection may be after the event. It never goes away once made.
struct ListExpectation {
  Side side = Side::Source;
  // Rows the selection may be at; empty: any row.
  std::vector<int> rows;
  // Whether it may also stay where it was.
  bool maystay = false;
};

struct Expectation {
  QString description;
  // The category whose button was clicked.
  std::optional<CategoryId> clickedcategory;
  Conversions conversions = Conversions::None;
  // The box the event edits, with the text it must hold afterwards; every other box keeps its text
  // unless a conversion writes it.
  std::optional<Side> editedbox;
  QString editedtext;
  // The list the event acts on; every other list keeps its selection.
  std::optional<ListExpectation> list;
  // What went wrong in making the event itself, as a context menu that did not open.
  QString failure;
};

class RandomUser {
 public:
  RandomUser(FrmMain& window, SeededRandom& random) : window_(window), random_(random) {}

  // One random event: a category click while no category is shown, else any event a user can
  // make on the shown category's controls or on the category buttons.
  Expectation act(std::optional<CategoryId> current);
  // Pastes a megabyte of mostly digits into one of the shown category's boxes.
  Expectation pastemegabyte(CategoryId current);

 private:
  struct Keystroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    // The character code the key types on a desktop; none for keys that only edit or move.
    std::optional<int> code;
    QString name;
  };

  Expectation clickcategory();
  Expectation clicklistitem(CategoryId id);
  Expectation rightclicklistitem(CategoryId id);
  Expectation movelistbykey(CategoryId id);
  Expectation typeintobox(CategoryId id);
  Expectation clickintobox(CategoryId id);
  Expectation clearbox(CategoryId id);
  Expectation paste(CategoryId id, const QString& text);

  Keystroke typingkey();
  Keystroke controlkey();
  Keystroke nontypingkey();
  QString randomtext(int length);
  // A number as a user would paste it: digits with perhaps a point.
  QString randomnumber();
  // Clicks into the box first when it lacks the focus, as a user must before typing.
  QString focusbox(UnitBox& box);
  QPoint pointin(const QRect& rect);
  QPoint pointinbox(const UnitBox& box);

  FrmMain& window_;
  SeededRandom& random_;
  // Where each box was last double-clicked.
  std::map<const UnitBox*, QPoint> lastdoubleclick_;
};

// A text for a failure message: control and non-ASCII characters escaped, long texts cut short.
QString shown(const QString& text);

}  // namespace merovane::guitest
