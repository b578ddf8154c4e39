#include "forms/frmmain.h"

#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

#include "categories/categories.h"
#include "forms/application.h"
#include "forms/converters.h"
#include "forms/registry.h"

namespace merovane {
namespace {

// Positions and sizes are laid out in twips, 15 to a pixel.
constexpr int pixels(int twips) {
  return (twips + 7) / 15;
}
QRect twipsrect(int left, int top, int width, int height) {
  return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

constexpr int kClientWidth = 10620;
constexpr int kClientHeight = 6150;
constexpr QRect kCategoryFrame{120, 120, 10335, 1695};  // left, top, width, height in twips
constexpr int kButtonWidth = 1575;
constexpr int kButtonHeight = 495;
constexpr int kUnitFrameTop = 1920;
constexpr int kSourceFrameLeft = 120;
constexpr int kDestinationFrameLeft = 5520;
constexpr int kUnitFrameWidth = 5000;
constexpr int kUnitFrameHeight = 4095;
constexpr int kInnerLeft = 120;
constexpr int kInnerWidth = 4575;
constexpr int kBoxTop = 360;
constexpr int kBoxHeight = 375;
constexpr int kListTop = 840;
constexpr int kListHeight = 2940;
// listdensityd alone sits lower and is shorter.
constexpr int kDensityDestinationListTop = 960;
constexpr int kDensityDestinationListHeight = 2700;

const QColor kWhite(255, 255, 255);
const QColor kFrameGrey(224, 224, 224);
const QColor kCreatedButtonGrey(192, 192, 192);
const QColor kButtonGrey(186, 186, 186);
const QColor kHighlightBlue(216, 228, 248);

void setbackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

// A frame filled with its back colour from edge to edge, with an etched border that its caption
// breaks at the top left.
void paintframe(QGroupBox& frame, const QColor& colour) {
  setbackground(frame, colour);
  frame.setStyleSheet(
      QStringLiteral("QGroupBox { background-color: %1; border: 2px groove #a0a0a0;"
                     " margin-top: 6px; }"
                     "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                     " left: 6px; padding: 0px 2px; }")
          .arg(colour.name()));
}

QString qtext(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FrmMain::FrmMain(Build build) {
  setObjectName(QStringLiteral("frmmain"));
  setWindowTitle(QStringLiteral("Merovane"));
  setWindowIcon(merovaneicon());
  setFixedSize(pixels(kClientWidth), pixels(kClientHeight));
  setbackground(*this, kWhite);

  buildcategoryframe();
  if (build == Build::Whole) {
    unitframesbuilt_ = true;
    buildunitframes();
  } else {
    unitframesafterpaint_ = true;
    setkeyboardorder();
  }
  centreonscreen();

  setfrmmain(this);
  setmessagebox(&messagebox_);
  Form_Load();
}

FrmMain::~FrmMain() {
  setmessagebox(nullptr);
  setfrmmain(nullptr);
}

UnitFrameBox& FrmMain::frame(CategoryId id, Side side) {
  return *unitframe(id, side).frame;
}

UnitList& FrmMain::list(CategoryId id, Side side) {
  return *unitframe(id, side).list;
}

UnitBox& FrmMain::box(CategoryId id, Side side) {
  return *unitframe(id, side).box;
}

FrmMain::UnitFrame& FrmMain::unitframe(CategoryId id, Side side) {
  ensureunitframes();
  return side == Side::Source ? panel(id).source : panel(id).destination;
}

void FrmMain::ensureunitframes() {
  if (unitframesbuilt_) return;
  unitframesbuilt_ = true;
  buildunitframes();
  // Hidden as the load event leaves them (this window's own, whichever window frmmain() is).
  for (const CategoryPanel& each : panels_) {
    each.source.frame->hide();
    each.destination.frame->hide();
  }
}

void FrmMain::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (unitframesafterpaint_) {
    unitframesafterpaint_ = false;
    // Once this paint is on the screen.
    QTimer::singleShot(0, this, &FrmMain::ensureunitframes);
  }
}

void FrmMain::buildcategoryframe() {
  auto* frame1 = new QGroupBox(QStringLiteral("Choose CategoryRecord"), this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  frame1->setGeometry(twipsrect(kCategoryFrame.left(), kCategoryFrame.top(), kCategoryFrame.width(),
                                kCategoryFrame.height()));
  frame1->setFont(mssansserif(8.25));
  paintframe(*frame1, kFrameGrey);

  for (const CategoryControls& controls : categorycontrols()) {
    auto* button = new CategoryButton(qtext(category(controls.id).caption), frame1);
    button->setObjectName(QString::fromLatin1(controls.button));
    button->setGeometry(
        twipsrect(controls.buttonleft, controls.buttontop, kButtonWidth, kButtonHeight));
    button->setFont(arial(9.75));
    button->setBackColor(kCreatedButtonGrey);
    const CategoryId id = controls.id;
    connect(button, &QPushButton::clicked, this, [this, id] { categoryclick(id); });
    panel(id).button = button;
  }
}

void FrmMain::buildunitframes() {
  for (const CategoryControls& controls : categorycontrols()) {
    buildunitframe(controls, Side::Source);
    buildunitframe(controls, Side::Destination);
  }
  setkeyboardorder();
}

void FrmMain::buildunitframe(const CategoryControls& controls, Side side) {
  const UnitPanel& names = controls.panel(side);
  const CategoryRecord& entry = category(controls.id);
  const bool source = side == Side::Source;
  const QString caption = qtext(entry.caption);

  auto* frame = new UnitFrameBox(
      source ? QStringLiteral("Source Unit") : QStringLiteral("Destination Unit"), this);
  frame->setObjectName(QString::fromLatin1(names.frame));
  frame->setGeometry(twipsrect(source ? kSourceFrameLeft : kDestinationFrameLeft, kUnitFrameTop,
                               kUnitFrameWidth, kUnitFrameHeight));
  frame->setFont(mssansserif(8.25));
  paintframe(*frame, kFrameGrey);

  auto* box = new UnitBox(frame);
  box->setObjectName(QString::fromLatin1(names.box));
  box->setGeometry(twipsrect(kInnerLeft, kBoxTop, kInnerWidth, kBoxHeight));
  box->setFont(mssansserif(8.25));
  box->setAccessibleName(
      caption + (source ? QStringLiteral(" source value") : QStringLiteral(" destination value")));

  auto* list = new UnitList(frame);
  list->setObjectName(QString::fromLatin1(names.list));
  const bool lowered = controls.id == CategoryId::Density && !source;
  list->setGeometry(twipsrect(kInnerLeft, lowered ? kDensityDestinationListTop : kListTop,
                              kInnerWidth, lowered ? kDensityDestinationListHeight : kListHeight));
  list->setFont(mssansserif(9.75));
  list->setAccessibleName(
      caption + (source ? QStringLiteral(" source unit") : QStringLiteral(" destination unit")));
  for (std::string_view unit : entry.units) list->addItem(qtext(unit));

  const CategoryId id = controls.id;
  // Both lists of a category run its converter.
  list->setclickhandler([this, id] { listclick(id); });
  // Destination boxes only filter.
  if (source) box->setkeypresshandler([this, id](bool kept) { sourcekeypress(id, kept); });

  unitframe(id, side) = {frame, list, box};
}

void FrmMain::setkeyboardorder() {
  std::vector<std::pair<int, QWidget*>> order;
  for (const CategoryControls& controls : categorycontrols()) {
    order.emplace_back(controls.buttontab, &button(controls.id));
    if (!unitframesbuilt_) continue;
    for (const Side side : {Side::Source, Side::Destination}) {
      const UnitPanel& names = controls.panel(side);
      order.emplace_back(names.listtab, &list(controls.id, side));
      order.emplace_back(names.boxtab, &box(controls.id, side));
    }
  }
  std::sort(order.begin(), order.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t at = 1; at < order.size(); ++at) setTabOrder(order[at - 1].second, order[at].second);
}

void FrmMain::centreonscreen() {
  if (const QScreen* display = screen()) {
    QRect placed = frameGeometry();
    placed.moveCenter(display->availableGeometry().center());
    move(placed.topLeft());
  }
}

void FrmMain::colorsetforbutton() {
  for (const CategoryId id :
       {CategoryId::Area, CategoryId::BitsAndBytes, CategoryId::Density, CategoryId::Energy,
        CategoryId::Force, CategoryId::Length, CategoryId::Weight, CategoryId::Power,
        CategoryId::Pressure, CategoryId::Speed, CategoryId::Temperature, CategoryId::Volume})
    button(id).setBackColor(kButtonGrey);
}

void FrmMain::Form_Load() {
  colorsetforbutton();
  // Frames not built yet are hidden as they are built.
  if (unitframesbuilt_) hideunitframes();
}

void FrmMain::categoryclick(CategoryId id) {
  colorsetforbutton();
  button(id).setBackColor(kHighlightBlue);
  for (const CategoryPanel& each : panels_) each.button->setchosen(each.button == &button(id));
  hideunitframes();
  frame(id, Side::Source).setVisible(true);
  frame(id, Side::Destination).setVisible(true);
  box(id, Side::Source).setFocus();
}

void FrmMain::listclick(CategoryId id) {
  const auto controls = [&](auto convert) {
    convert(list(id, Side::Source), list(id, Side::Destination), box(id, Side::Source),
            box(id, Side::Destination));
  };
  switch (id) {
    case CategoryId::Area:
      return convertarea();
    case CategoryId::BitsAndBytes:
      return controls(convertbits);
    case CategoryId::Density:
      return convertdensity();
    case CategoryId::Energy:
      return convertenergy();
    case CategoryId::Force:
      return convertforce();
    case CategoryId::Length:
      return controls(convertlength);
    case CategoryId::Weight:
      return controls(convertweight);
    case CategoryId::Power:
      return convertpower();
    case CategoryId::Pressure:
      return convertpressure();
    case CategoryId::Speed:
      return convertspeed();
    case CategoryId::Temperature:
      return converttemp();
    case CategoryId::Volume:
      return convertvolume();
    case CategoryId::Time:
    case CategoryId::Angle:
    case CategoryId::FuelEconomy:
    case CategoryId::DataRate:
    case CategoryId::Frequency:
    case CategoryId::Acceleration:
      return;  // the command line's and the library's alone: the window has no such list
  }
}

void FrmMain::sourcekeypress(CategoryId id, bool kept) {
  const CategoryControls& controls = categorycontrols(id);
  if (!kept && !controls.droppedcharacterconverts) return;
  list(id, controls.keystrokelist).click();
}

}  // namespace merovane
