// The yardstick for the window's start-up: a bare Qt Widgets window showing one bold label.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QLabel label(QStringLiteral("Merovane"));
  QFont font = label.font();
  font.setBold(true);
  label.setFont(font);
  label.show();
  return application.exec();
}
