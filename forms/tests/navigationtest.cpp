// The window at start, category buttons, layout, colours, fonts and the keyboard order.
#include <QFontInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QLineEdit>
#include <QSet>

#include "forms/application.h"
#include "forms/tests/guitest.h"

namespace merovane::guitest {
namespace {

const QColor kButtonGrey(186, 186, 186);
const QColor kHighlightBlue(216, 228, 248);
const QColor kFrameGrey(224, 224, 224);

const QStringList kButtons = {"cmdareamain",  "cmdbitmain",   "cmddensitymain", "cmdenergymain",
                              "cmdforcemain", "cmdlenmain",   "cmdmassmain",    "cmdpowermain",
                              "cmdpressmain", "cmdspeedmain", "cmdtempmain",    "cmdvolumemain"};
// Source and destination frames, in CategoryId order.
const QStringList kFrames = {
    "frameareas",   "framearead",   "framebits",   "framebitd",   "framedensitys", "framedensityd",
    "frameenergys", "frameenergyd", "frameforces", "frameforced", "framelens",     "framelend",
    "frameweights", "frameweightd", "framepowers", "framepowerd", "frameprees",    "framepressd",
    "framespeeds",  "framespeedd",  "frametemps",  "frametempd",  "framevolumes",  "framevolumed"};

int pixels(int twips) {
  return qRound(twips / 15.0);
}

QColor backcolor(FrmMain& window, const QString& name) {
  auto* button = window.findChild<CategoryButton*>(name);
  return button != nullptr ? button->BackColor() : QColor();
}

qsizetype colourcount(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  QSet<QRgb> colours;
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) colours.insert(argb.pixel(x, y));
  return colours.size();
}

}  // namespace

class NavigationTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window = openwindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }
  void cleanup() { window.reset(); }

  void opensWithGreyButtonsAndNoUnitFrame() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Merovane"));
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(named(*window, "Frame1")->isVisible());
    for (const QString& name : kButtons) QCOMPARE(backcolor(*window, name), kButtonGrey);
    for (const QString& name : kFrames) {
      QWidget* frame = named(*window, name);
      QVERIFY2(frame != nullptr, qPrintable(name));
      QVERIFY2(!frame->isVisible(), qPrintable(name));
    }
  }

  // The window's icon holds two images at 256 x 256 (its sizes list one per image): the picture
  // in full colour, the one drawn, and as a 256-colour palette image.
  void iconHoldsFullColourAnd256ColourImages() {
    QCOMPARE(window->windowIcon().availableSizes(), QList<QSize>(2, QSize(256, 256)));
    QVERIFY(colourcount(window->windowIcon().pixmap(256).toImage()) > 256);
    QList<QImage> images;
    for (const char* file : kIconImages) {
      images.append(QImageReader(QString::fromLatin1(file)).read());
      QCOMPARE(images.last().size(), QSize(256, 256));
    }
    QCOMPARE(images[0].format(), QImage::Format_Indexed8);
    QVERIFY(colourcount(images[0]) <= 256);
    QVERIFY(colourcount(images[1]) > 256);
  }

  void categoryClickShowsOnlyItsFrames_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("sourceframe");
    QTest::addColumn<QString>("destinationframe");
    QTest::addColumn<QString>("sourcebox");
    const struct {
      CategoryId id;
      const char *button, *sourceframe, *destinationframe, *sourcebox;
    } rows[] = {
        {CategoryId::Area, "cmdareamain", "frameareas", "framearead", "txtfas"},
        {CategoryId::BitsAndBytes, "cmdbitmain", "framebits", "framebitd", "txtbits"},
        {CategoryId::Density, "cmddensitymain", "framedensitys", "framedensityd", "txtdensitys"},
        {CategoryId::Energy, "cmdenergymain", "frameenergys", "frameenergyd", "txtenergyfs"},
        {CategoryId::Force, "cmdforcemain", "frameforces", "frameforced", "txtfforces"},
        {CategoryId::Length, "cmdlenmain", "framelens", "framelend", "txtfls"},
        {CategoryId::Weight, "cmdmassmain", "frameweights", "frameweightd", "txtweights"},
        {CategoryId::Power, "cmdpowermain", "framepowers", "framepowerd", "txtfpowers"},
        {CategoryId::Pressure, "cmdpressmain", "frameprees", "framepressd", "txtpressfs"},
        {CategoryId::Speed, "cmdspeedmain", "framespeeds", "framespeedd", "txtspeeds"},
        {CategoryId::Temperature, "cmdtempmain", "frametemps", "frametempd", "txtftemps"},
        {CategoryId::Volume, "cmdvolumemain", "framevolumes", "framevolumed", "txtvolumes"},
    };
    for (const auto& row : rows)
      QTest::newRow(row.button) << static_cast<int>(row.id) << row.button << row.sourceframe
                                << row.destinationframe << row.sourcebox;
  }

  void categoryClickShowsOnlyItsFrames() {
    QFETCH(int, category);
    QFETCH(QString, button);
    QFETCH(QString, sourceframe);
    QFETCH(QString, destinationframe);
    QFETCH(QString, sourcebox);

    // Another category first, so the click must also take its colour and frames away.
    clickbutton(*window, categoryid((category + 5) % kCategoryCount));
    QTest::mouseClick(qobject_cast<QPushButton*>(named(*window, button)), Qt::LeftButton);

    for (const QString& name : kButtons)
      QCOMPARE(backcolor(*window, name), name == button ? kHighlightBlue : kButtonGrey);
    for (const QString& name : kFrames)
      QCOMPARE(named(*window, name)->isVisible(), name == sourceframe || name == destinationframe);
    QCOMPARE(focusname(), sourcebox);
    QCOMPARE(qobject_cast<QGroupBox*>(named(*window, sourceframe))->title(),
             QStringLiteral("Source Unit"));
    QCOMPARE(qobject_cast<QGroupBox*>(named(*window, destinationframe))->title(),
             QStringLiteral("Destination Unit"));
    // Both lists hold the category's units, none selected.
    for (const Side side : {Side::Source, Side::Destination}) {
      const UnitList& list = window->list(categoryid(category), side);
      QCOMPARE(static_cast<size_t>(list.count()),
               merovane::category(categoryid(category)).units.size());
      QCOMPARE(list.ListIndex(), -1);
    }
  }

  void lengthListsHoldItsUnitsInOrder() {
    for (const Side side : {Side::Source, Side::Destination}) {
      const UnitList& list = window->list(CategoryId::Length, side);
      QCOMPARE(list.count(), 22);
      QCOMPARE(list.item(0)->text(), QStringLiteral("Angstroms"));
      QCOMPARE(list.item(5)->text(), QStringLiteral("Meters"));
      QCOMPARE(list.item(21)->text(), QStringLiteral("Light years"));
    }
  }

  void secondClickOnlyMovesTheFocusBack() {
    clickbutton(*window, CategoryId::Length);
    window->box(CategoryId::Length, Side::Source).setText("12");
    clickrow(window->list(CategoryId::Length, Side::Destination), 3);
    QCOMPARE(focusname(), QStringLiteral("listlengthd"));

    clickbutton(*window, CategoryId::Length);
    QCOMPARE(focusname(), QStringLiteral("txtfls"));
    QCOMPARE(backcolor(*window, "cmdlenmain"), kHighlightBlue);
    QVERIFY(named(*window, "framelens")->isVisible());
    QVERIFY(named(*window, "framelend")->isVisible());
    QCOMPARE(window->box(CategoryId::Length, Side::Source).text(), QStringLiteral("12"));
    QCOMPARE(window->list(CategoryId::Length, Side::Destination).ListIndex(), 3);
  }

  void returningToACategoryShowsItAsItWasLeft() {
    clickbutton(*window, CategoryId::Length);
    UnitList& from = window->list(CategoryId::Length, Side::Source);
    UnitList& to = window->list(CategoryId::Length, Side::Destination);
    clickrow(from, rowof(from, "Miles"));
    clickrow(to, rowof(to, "Meters"));
    window->box(CategoryId::Length, Side::Source).setFocus();
    QTest::keyClicks(&window->box(CategoryId::Length, Side::Source), "1");
    QCOMPARE(window->box(CategoryId::Length, Side::Destination).text(), QStringLiteral("1609.344"));

    clickbutton(*window, CategoryId::Area);
    QVERIFY(!named(*window, "framelens")->isVisible());
    clickbutton(*window, CategoryId::Length);
    QCOMPARE(window->box(CategoryId::Length, Side::Source).text(), QStringLiteral("1"));
    QCOMPARE(window->box(CategoryId::Length, Side::Destination).text(), QStringLiteral("1609.344"));
    QCOMPARE(from.ListIndex(), rowof(from, "Miles"));
    QCOMPARE(to.ListIndex(), rowof(to, "Meters"));
  }

  void tabVisitsTheCategoryInKeyboardOrder_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<QStringList>("visits");  // from the source box on, back to it
    QTest::newRow("Area") << static_cast<int>(CategoryId::Area)
                          << (QStringList{"listaread", "txtfad"} + kButtons +
                              QStringList{"listareas", "txtfas"});
    QTest::newRow("Bits and Bytes")
        << static_cast<int>(CategoryId::BitsAndBytes)
        << (QStringList{"txtbitd", "listbits", "listbitd"} + kButtons + QStringList{"txtbits"});
    QTest::newRow("Density") << static_cast<int>(CategoryId::Density)
                             << (QStringList{"txtdensityd", "listdensitys", "listdensityd"} +
                                 kButtons + QStringList{"txtdensitys"});
    QTest::newRow("Force") << static_cast<int>(CategoryId::Force)
                           << (kButtons +
                               QStringList{"listforced", "txtfforced", "listforces", "txtfforces"});
    QTest::newRow("Weight") << static_cast<int>(CategoryId::Weight)
                            << (QStringList{"txtweightd", "listweights", "listweightd"} + kButtons +
                                QStringList{"txtweights"});
    QTest::newRow("Temperature") << static_cast<int>(CategoryId::Temperature)
                                 << (kButtons + QStringList{"listtempd", "txtftempd", "listtemps",
                                                            "txtftemps"});
  }

  void tabVisitsTheCategoryInKeyboardOrder() {
    QFETCH(int, category);
    QFETCH(QStringList, visits);
    clickbutton(*window, categoryid(category));
    QStringList visited;
    for (qsizetype step = 0; step < visits.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << focusname();
    }
    QCOMPARE(visited, visits);
  }

  void layoutIsInTwipsAtFifteenToAPixel_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");  // left, top, width, height inside the container
    const struct {
      const char* name;
      int left, top, width, height;
    } rows[] = {
        {"Frame1", 120, 120, 10335, 1695},      {"cmdareamain", 240, 360, 1575, 495},
        {"cmdmassmain", 1920, 360, 1575, 495},  {"cmdspeedmain", 8640, 360, 1575, 495},
        {"cmdpowermain", 240, 960, 1575, 495},  {"cmddensitymain", 8640, 960, 1575, 495},
        {"cmdtempmain", 3600, 960, 1575, 495},  {"frameareas", 120, 1920, 5000, 4095},
        {"framearead", 5520, 1920, 5000, 4095}, {"framebitd", 5520, 1920, 5000, 4095},
        {"frameprees", 120, 1920, 5000, 4095},  {"txtfas", 120, 360, 4575, 375},
        {"txtfad", 120, 360, 4575, 375},        {"listareas", 120, 840, 4575, 2940},
        {"listdensitys", 120, 840, 4575, 2940}, {"listdensityd", 120, 960, 4575, 2700},
        {"txtdensityd", 120, 360, 4575, 375},
    };
    for (const auto& row : rows)
      QTest::newRow(row.name) << row.name << QRect(row.left, row.top, row.width, row.height);
  }

  void layoutIsInTwipsAtFifteenToAPixel() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const QWidget* widget = named(*window, name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), QRect(pixels(twips.x()), pixels(twips.y()), pixels(twips.width()),
                                       pixels(twips.height())));
  }

  void clientAreaIsFixed() {
    const QSize client(pixels(10620), pixels(6150));
    QCOMPARE(window->size(), client);
    QCOMPARE(window->minimumSize(), client);
    QCOMPARE(window->maximumSize(), client);
  }

  void facesShowTheirColours() {
    clickbutton(*window, CategoryId::Area);
    const struct {
      QWidget* widget;
      QPoint at;
      QColor colour;
    } probes[] = {
        {&window->button(CategoryId::Area), {4, 16}, kHighlightBlue},
        {&window->button(CategoryId::Volume), {4, 16}, kButtonGrey},
        {named(*window, "Frame1"), {pixels(1815) + 2, 40}, kFrameGrey},  // between two buttons
        {named(*window, "frameareas"), {pixels(5000) - 12, 150}, kFrameGrey},
        {window.get(), {pixels(10620) - 3, pixels(6150) - 3}, Qt::white},
    };
    for (const auto& probe : probes)
      QCOMPARE(probe.widget->grab().toImage().pixelColor(probe.at), probe.colour);
  }

  void fontsAreTheWindowsOwn_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelsize");  // 8.25 and 9.75 points at 96 dots per inch
    QTest::newRow("Frame1") << "Frame1"
                            << "MS Sans Serif" << 11;
    QTest::newRow("frameareas") << "frameareas"
                                << "MS Sans Serif" << 11;
    QTest::newRow("cmdareamain") << "cmdareamain"
                                 << "Arial" << 13;
    QTest::newRow("txtfas") << "txtfas"
                            << "MS Sans Serif" << 11;
    QTest::newRow("listareas") << "listareas"
                               << "MS Sans Serif" << 13;
    QTest::newRow("listdensityd") << "listdensityd"
                                  << "MS Sans Serif" << 13;
  }

  void fontsAreTheWindowsOwn() {
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(int, pixelsize);
    const QFont font = named(*window, name)->font();
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pixelSize(), pixelsize);
    QVERIFY(font.bold());
    // A sans-serif stand-in where the platform lacks the font itself.
    const QString shown = QFontInfo(font).family();
    QVERIFY2(QStringList({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans",
                          "Arimo", "Nimbus Sans", "DejaVu Sans"})
                 .contains(shown),
             qPrintable(shown));
  }

  void everyControlSaysItsCategoryAndSide_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessible");
    const char* rows[][2] = {
        {"txtfls", "Length source value"},
        {"listlengths", "Length source unit"},
        {"txtfld", "Length destination value"},
        {"listlengthd", "Length destination unit"},
        {"txtbitd", "Bits and Bytes destination value"},
        {"listbits", "Bits and Bytes source unit"},
        {"txtenergyfs", "Energy source value"},
        {"listpressd", "Pressure destination unit"},
        {"txtftemps", "Temperature source value"},
        {"listdensityd", "Density destination unit"},
    };
    for (const auto& row : rows) QTest::newRow(row[0]) << row[0] << row[1];
  }

  void everyControlSaysItsCategoryAndSide() {
    QFETCH(QString, name);
    QFETCH(QString, accessible);
    const QWidget* widget = named(*window, name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->accessibleName(), accessible);
  }

 private:
  std::unique_ptr<FrmMain> window;
};

int runnavigationtests(int argc, char** argv) {
  NavigationTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace merovane::guitest

#include "navigationtest.moc"
