// The window's controls on Qt widgets: the lists, text boxes and unit frames the converters and
// hideunitframes reach (core/controls.h), the category buttons whose faces show their back colour,
// and the modal message box.
#pragma once

#include <QColor>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <string>

#include "core/controls.h"

namespace merovane {

// A single-selection list of unit names. Its Click is every change of its selection by the
// user, with the mouse or the keyboard, and a click on the item already selected; each runs the
// click handler once. The user cannot take the selection away, only move it.
class UnitList : public QListWidget, public ListBox {
 public:
  explicit UnitList(QWidget* parent);
  ~UnitList() override;

  bool Selected(int index) const override;
  int ListIndex() const override;

  void setclickhandler(std::function<void()> handler) { onclick_ = std::move(handler); }
  // Runs the click handler, as the source box's keystrokes do; the selection stays as it is.
  void click();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;

 private:
  std::function<void()> onclick_;
  // Counts the handler's runs, so a press that changed the selection is not run twice.
  int clicks_ = 0;
};

// A one-line text box whose KeyPress handler sees every typed character first: a character the
// filter drops never reaches the text, and the handler learns whether it was kept after the box
// has taken it in. A key press whose text holds several characters types them one by one, as
// that many key presses. Keys that type nothing edit as usual and reach no handler.
class UnitBox : public QLineEdit, public TextBox {
 public:
  explicit UnitBox(QWidget* parent);

  std::string Text() const override;
  void SetText(const std::string& text) override;

  void setkeypresshandler(std::function<void(bool kept)> handler) {
    onkeypress_ = std::move(handler);
  }

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void(bool kept)> onkeypress_;
};

// A unit frame: hiding it hides its list and text box with it.
class UnitFrameBox : public QGroupBox, public Frame {
 public:
  UnitFrameBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}
  bool Visible() const override { return !isHidden(); }
  void SetVisible(bool visible) override { setVisible(visible); }
};

// A category button in the graphical style: its face is its back colour. To a screen reader it
// is a checkable button, checked while it is the chosen one; the button itself stays uncheckable,
// so that neither its look nor its clicks change.
class CategoryButton : public QPushButton {
 public:
  CategoryButton(const QString& caption, QWidget* parent);

  QColor BackColor() const { return backcolor_; }
  void setBackColor(const QColor& colour);

  bool chosen() const { return chosen_; }
  void setchosen(bool chosen);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QColor backcolor_;
  bool chosen_ = false;
};

// The toolkit's message box: modal, the prompt, one OK button and the default title.
class QtMessageBox : public MessageBox {
 public:
  explicit QtMessageBox(QWidget* parent) : parent_(parent) {}
  void MsgBox(const std::string& prompt) override;

 private:
  QWidget* parent_;
};

}  // namespace merovane
