#include "forms/qtcontrols.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>

#include "forms/keyfilter.h"

namespace merovane {

UnitList::UnitList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  // A selection changed by a program that blocks the list's signals runs nothing; the window
  // itself never changes a selection.
  connect(this, &QListWidget::itemSelectionChanged, this, [this] { click(); });
}

UnitList::~UnitList() {
  // Taking the items down runs no Click.
  blockSignals(true);
}

bool UnitList::Selected(int index) const {
  const QListWidgetItem* entry = item(index);
  return entry != nullptr && entry->isSelected();
}

int UnitList::ListIndex() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.first());
}

void UnitList::click() {
  ++clicks_;
  if (onclick_) onclick_();
}

void UnitList::mousePressEvent(QMouseEvent* event) {
  // Only the left button selects, as in a desktop list box.
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  const int before = clicks_;
  QListWidget::mousePressEvent(event);
  // A press on the item already selected changes nothing but is a Click all the same.
  const QListWidgetItem* pressed = itemAt(event->position().toPoint());
  if (clicks_ == before && pressed != nullptr && pressed->isSelected()) click();
}

void UnitList::mouseDoubleClickEvent(QMouseEvent* event) {
  // A double click arrives as a press, then this in place of the second press.
  mousePressEvent(event);
}

void UnitList::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  QListWidget::mouseReleaseEvent(event);
}

void UnitList::mouseMoveEvent(QMouseEvent* event) {
  // Dragging with the left button moves the selection along; other buttons select nothing.
  if (!event->buttons().testFlag(Qt::LeftButton)) {
    event->accept();
    return;
  }
  QListWidget::mouseMoveEvent(event);
}

QItemSelectionModel::SelectionFlags UnitList::selectionCommand(const QModelIndex& index,
                                                               const QEvent* event) const {
  // A click below the last item leaves the selection as it is.
  if (!index.isValid()) return QItemSelectionModel::NoUpdate;
  const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
  // Ctrl+click or Ctrl+Space would deselect; here they select, like a plain click.
  if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
  return flags;
}

UnitBox::UnitBox(QWidget* parent) : QLineEdit(parent) {
  // Composed text would reach the box without a key press and so without the filter.
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

std::string UnitBox::Text() const {
  return text().toStdString();
}

void UnitBox::SetText(const std::string& text) {
  setText(QString::fromStdString(text));
}

bool UnitBox::event(QEvent* event) {
  // A key that types a character belongs to the box, so that no shortcut (copy, paste, undo,
  // select all) takes it before the filter sees it.
  if (event->type() == QEvent::ShortcutOverride) {
    const QKeyEvent& key = *static_cast<QKeyEvent*>(event);
    if (typedcharacter(key) || !severalcharacters(key).isEmpty()) {
      event->accept();
      return true;
    }
  }
  return QLineEdit::event(event);
}

void UnitBox::keyPressEvent(QKeyEvent* event) {
  const QStringList characters = severalcharacters(*event);
  if (!characters.isEmpty()) {
    // Each character is typed as a key press of its own: filtered, taken in and handled in turn.
    for (const QString& character : characters) {
      QKeyEvent single(QEvent::KeyPress, Qt::Key_unknown, event->modifiers(), character);
      keyPressEvent(&single);
    }
    event->accept();
    return;
  }
  const std::optional<int> code = typedcharacter(*event);
  if (!code) {
    // An Alt combination types nothing, yet carries its key's text (Alt+5 carries "5"), which
    // the line edit would take in past the filter; it is left to the window as a menu key.
    const QString text = event->text();
    if (event->modifiers().testFlag(Qt::AltModifier) && !text.isEmpty() && text.at(0).isPrint()) {
      event->ignore();
      return;
    }
    QLineEdit::keyPressEvent(event);
    return;
  }
  const bool kept = passesfilter(*code);
  if (kept && *code == 8 && event->key() != Qt::Key_Backspace) {
    // Ctrl+H types a Backspace too, which the line edit knows only from its own key.
    backspace();
    event->accept();
  } else if (kept) {
    QLineEdit::keyPressEvent(event);
  } else {
    event->accept();
  }
  if (onkeypress_) onkeypress_(kept);
}

namespace {

// A category button as screen readers see it: a push button that can be pressed, and checkable.
class CategoryButtonInterface : public QAccessibleWidget {
 public:
  explicit CategoryButtonInterface(CategoryButton* button)
      : QAccessibleWidget(button, QAccessible::PushButton) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && button().accessibleName().isEmpty()) return button().text();
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = button().chosen();
    state.pressed = button().isDown();
    return state;
  }

  QStringList actionNames() const override {
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    if (button().isEnabled()) button().animateClick();
  }

 private:
  CategoryButton& button() const { return *static_cast<CategoryButton*>(widget()); }
};

// Consulted before the toolkit's own interfaces, which would see a plain, uncheckable button.
QAccessibleInterface* categorybuttoninterface(const QString&, QObject* object) {
  auto* button = dynamic_cast<CategoryButton*>(object);
  return button != nullptr ? new CategoryButtonInterface(button) : nullptr;
}

}  // namespace

CategoryButton::CategoryButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  [[maybe_unused]] static const bool installed =
      (QAccessible::installFactory(categorybuttoninterface), true);
  // Setting the caption made an interface for the plain QPushButton this was then; the next query
  // makes the category button's own.
  QAccessible::deleteAccessibleInterface(
      QAccessible::uniqueId(QAccessible::queryAccessibleInterface(this)));
}

void CategoryButton::setchosen(bool chosen) {
  if (chosen == chosen_) return;
  chosen_ = chosen;
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
}

void CategoryButton::setBackColor(const QColor& colour) {
  backcolor_ = colour;
  // A raised face of exactly this colour, sunk while pressed.
  const QString face = colour.name();
  setStyleSheet(
      QStringLiteral("QPushButton { background-color: %1; color: black;"
                     " border: 2px solid; border-color: #ffffff #696969 #696969 #ffffff; }"
                     "QPushButton:pressed { border-color: #696969 #ffffff #ffffff #696969; }")
          .arg(face));
}

void CategoryButton::keyPressEvent(QKeyEvent* event) {
  // Enter clicks the button that has the focus.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void QtMessageBox::MsgBox(const std::string& prompt) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kDefaultTitle),
                  QString::fromStdString(prompt), QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace merovane
