// What a screen reader learns of the category buttons: which one is chosen, not only its colour.
#include <QAccessible>
#include <QAccessibleActionInterface>

#include "forms/tests/guitest.h"

namespace merovane::guitest {
namespace {

QAccessible::State accessiblestate(QWidget& widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
  return face != nullptr ? face->state() : QAccessible::State();
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void theClickedButtonAloneIsChecked_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("checked");  // empty: none
    const struct {
      const char* name;
      QStringList clicks;
      const char* checked;
    } rows[] = {
        {"none yet", {}, ""},
        {"one", {"cmdtempmain"}, "cmdtempmain"},
        {"the same twice", {"cmdlenmain", "cmdlenmain"}, "cmdlenmain"},
        {"switched", {"cmdareamain", "cmdvolumemain"}, "cmdvolumemain"},
        {"back to the first", {"cmdbitmain", "cmdspeedmain", "cmdbitmain"}, "cmdbitmain"},
    };
    for (const auto& row : rows)
      QTest::newRow(row.name) << row.clicks << QString::fromLatin1(row.checked);
  }

  void theClickedButtonAloneIsChecked() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, checked);
    const auto window = openwindow();
    for (const QString& name : clicks)
      QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton);
    const QList<CategoryButton*> buttons = window->findChildren<CategoryButton*>();
    QCOMPARE(buttons.size(), 12);
    for (CategoryButton* button : buttons) {
      const QAccessible::State state = accessiblestate(*button);
      QVERIFY2(state.checkable, qPrintable(button->objectName()));
      QCOMPARE(static_cast<bool>(state.checked), button->objectName() == checked);
    }
  }

  // A screen reader names the button by its caption and chooses its category with Press.
  void pressingChoosesTheCategory() {
    const auto window = openwindow();
    auto* button = window->findChild<QPushButton*>(QStringLiteral("cmdbitmain"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
    QVERIFY(face != nullptr);
    QCOMPARE(face->role(), QAccessible::PushButton);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Bits and Bytes"));
    QAccessibleActionInterface* actions = face->actionInterface();
    QVERIFY(actions != nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(accessiblestate(*button).checked);
    QVERIFY(named(*window, QStringLiteral("framebits"))->isVisible());
  }
};

int runaccessibilitytests(int argc, char** argv) {
  AccessibilityTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace merovane::guitest

#include "accessibilitytest.moc"
