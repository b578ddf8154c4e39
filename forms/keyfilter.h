// What a key press types into a text box, as the boxes' KeyPress handlers see it, and which of
// those characters a box accepts.
#pragma once

#include <QStringList>
#include <optional>

class QKeyEvent;

namespace merovane {

// The character code a key press types: the toolkit's text for the key, with Backspace as 8,
// Enter as 13, Escape as 27, Ctrl+letter as its control code (Ctrl+C 3, Ctrl+V 22) and the other
// Ctrl keys that type a control code as that code (Ctrl+] 29). Keys that type nothing (arrows,
// Home, End, Delete, Tab, Shift, Alt combinations) give no code; AltGr (Ctrl+Alt) gives the
// character it types.
std::optional<int> typedcharacter(const QKeyEvent& event);

// The characters of a key press that types its text (a plain key or AltGr) when that text holds
// more than one, a surrogate pair as one: such a press stands for one key press per character.
// Empty for every other key press, which types at most typedcharacter's character.
QStringList severalcharacters(const QKeyEvent& event);

// Whether a typed character may join a box's text: Backspace, ".", "/" and the digits.
constexpr bool passesfilter(int code) {
  return code == 8 || (code >= 46 && code <= 57);
}

}  // namespace merovane
