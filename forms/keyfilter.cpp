#include "forms/keyfilter.h"

#include <QKeyEvent>

namespace merovane {

std::optional<int> typedcharacter(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  // Alt combinations are menu keys on the desktop, not characters; Ctrl+Alt is AltGr there.
  const bool alt = modifiers.testFlag(Qt::AltModifier);
  const bool control = modifiers.testFlag(Qt::ControlModifier) && !alt;
  const int key = event.key();

  switch (key) {
    case Qt::Key_Backspace:
      return control ? 127 : 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return control ? 10 : 13;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return std::nullopt;
    default:
      break;
  }
  const QString text = event.text();
  // AltGr arrives as Ctrl+Alt with the character it types: that character is typed like any
  // other, so the filter sees it; without it the box would take the text in unfiltered.
  if (alt) {
    const bool altgr =
        modifiers.testFlag(Qt::ControlModifier) && !text.isEmpty() && text.at(0).isPrint();
    if (altgr) return text.at(0).unicode();
    return std::nullopt;
  }
  // Some platforms report Ctrl+C with the plain letter as text; the character is its control code.
  if (control) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
    // Ctrl+@, Ctrl+[, Ctrl+\, Ctrl+], Ctrl+^ and Ctrl+_ type the control codes 0 and 27 to 31.
    if (text.size() == 1 && text.at(0).unicode() < 32) return text.at(0).unicode();
    return std::nullopt;
  }
  if (text.isEmpty()) return std::nullopt;
  const int code = text.at(0).unicode();
  // Some keyboards report Delete as the DEL character; it edits, it types nothing.
  if (code == 127) return std::nullopt;
  return code;
}

QStringList severalcharacters(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.size() < 2) return {};
  // A key types its text when it would type "0" given that text: not Backspace, Enter, Escape,
  // Delete or Tab, no Ctrl code and no Alt combination, whatever its text.
  const QKeyEvent probe(QEvent::KeyPress, event.key(), event.modifiers(), QStringLiteral("0"));
  if (typedcharacter(probe) != '0') return {};
  QStringList characters;
  for (qsizetype at = 0; at < text.size();) {
    const bool pair =
        text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate();
    const qsizetype length = pair ? 2 : 1;
    characters.append(text.mid(at, length));
    at += length;
  }
  if (characters.size() < 2) return {};
  return characters;
}

}  // namespace merovane
