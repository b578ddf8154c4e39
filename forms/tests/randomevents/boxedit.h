// What a one-line text box holds after an edit, worked out from its text, cursor and selection
// before the edit: the random-event test's own account of typing, pasting and deleting.
#pragma once

#include <QLineEdit>
#include <QString>

namespace merovane::guitest {

// A box holds at most this many characters (UTF-16 code units); what does not fit is dropped.
inline constexpr int kBoxCapacity = 32767;

struct BoxState {
  QString text;
  int cursor = 0;
  int selectionstart = -1;  // -1: nothing selected
  int selectionlength = 0;

  static BoxState of(const QLineEdit& box) {
    return {box.text(), box.cursorPosition(), box.selectionStart(),
            static_cast<int>(box.selectedText().size())};
  }
  bool hasselection() const { return selectionstart >= 0 && selectionlength > 0; }
  QString withoutselection() const {
    QString rest = text;
    if (hasselection()) rest.remove(selectionstart, selectionlength);
    return rest;
  }
};

// Typing or pasting replaces the selection, then inserts at that place as much of `inserted`
// as the box has room for.
inline QString afterinsert(const BoxState& box, const QString& inserted) {
  QString text = box.withoutselection();
  const int at = box.hasselection() ? box.selectionstart : box.cursor;
  const qsizetype room = kBoxCapacity - text.size();
  text.insert(at, inserted.left(room));
  return text;
}

// Backspace takes the selection, else the character before the cursor: both halves of a
// surrogate pair.
inline QString afterbackspace(const BoxState& box) {
  if (box.hasselection()) return box.withoutselection();
  if (box.cursor == 0) return box.text;
  const int before = box.cursor - 1;
  const bool pair = before > 0 && box.text.at(before).isLowSurrogate() &&
                    box.text.at(before - 1).isHighSurrogate();
  QString text = box.text;
  text.remove(pair ? before - 1 : before, pair ? 2 : 1);
  return text;
}

// Delete takes the selection, else the character after the cursor: both halves of a surrogate
// pair.
inline QString afterdelete(const BoxState& box) {
  if (box.hasselection()) return box.withoutselection();
  if (box.cursor >= box.text.size()) return box.text;
  const bool pair = box.cursor + 1 < box.text.size() && box.text.at(box.cursor).isHighSurrogate() &&
                    box.text.at(box.cursor + 1).isLowSurrogate();
  QString text = box.text;
  text.remove(box.cursor, pair ? 2 : 1);
  return text;
}

}  // namespace merovane::guitest
