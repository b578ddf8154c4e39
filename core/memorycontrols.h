// In-memory controls: what the command-line tool and the tests drive the converters through.
#pragma once

#include <string>
#include <vector>

#include "core/controls.h"

namespace merovane {

class MemoryListBox : public ListBox {
 public:
  explicit MemoryListBox(int count = 0) : count_(count) {}

  bool Selected(int index) const override { return index >= 0 && index == selected_; }
  int ListIndex() const override { return selected_; }

  // Selects one item; a position outside the list clears the selection.
  void select(int index) { selected_ = (index >= 0 && index < count_) ? index : -1; }

 private:
  int count_;
  int selected_ = -1;
};

class MemoryTextBox : public TextBox {
 public:
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override {
    text_ = text;
    ++writes_;
  }
  // How often a text was written, so callers can tell "unchanged" from "rewritten the same".
  int writes() const { return writes_; }

 private:
  std::string text_;
  int writes_ = 0;
};

// A frame is visible when created, as the window's unit frames are before the window loads.
class MemoryFrame : public Frame {
 public:
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }

 private:
  bool visible_ = true;
};

// Records every message instead of showing it.
class MemoryMessageBox : public MessageBox {
 public:
  struct Message {
    std::string prompt;
    std::string title;
  };
  void MsgBox(const std::string& prompt) override { messages_.push_back({prompt, kDefaultTitle}); }
  const std::vector<Message>& messages() const { return messages_; }
  void clear() { messages_.clear(); }

 private:
  std::vector<Message> messages_;
};

}  // namespace merovane
