// The controls a converter touches, as a small interface of our own. The window implements them
// with real widgets; the command-line tool and the tests use the in-memory ones.
#pragma once

#include <string>

namespace merovane {

// The title every message box carries when its caller passes none.
inline constexpr const char* kDefaultTitle = "Merovane";

// A single-selection list of unit names.
class ListBox {
 public:
  virtual ~ListBox() = default;
  // True exactly for the one selected item; false for every item of a list without a selection.
  virtual bool Selected(int index) const = 0;
  // The position of the selected item, -1 when none.
  virtual int ListIndex() const = 0;
};

// A one-line text box.
class TextBox {
 public:
  virtual ~TextBox() = default;
  // The whole current text (possibly empty), UTF-8.
  virtual std::string Text() const = 0;
  // Replaces the whole text.
  virtual void SetText(const std::string& text) = 0;
};

// A frame that shows or hides itself with everything inside it.
class Frame {
 public:
  virtual ~Frame() = default;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
};

// A modal message box with a prompt, one OK button and the default title; returns when closed.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void MsgBox(const std::string& prompt) = 0;
};

}  // namespace merovane
