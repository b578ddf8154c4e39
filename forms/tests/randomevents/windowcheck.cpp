#include "forms/tests/randomevents/windowcheck.h"

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <sstream>

#include "categories/categories.h"
#include "cli/convert.h"

namespace merovane::guitest {
namespace {

const QColor kButtonGrey(186, 186, 186);
const QColor kHighlightBlue(216, 228, 248);

QString caption(CategoryId id) {
  const std::string_view text = category(id).caption;
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString colourname(const QColor& colour) {
  return QStringLiteral("RGB(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

bool showsmessageboxes(CategoryId id) {
  return id == CategoryId::BitsAndBytes || id == CategoryId::Weight;
}

// What `merovane-convert --tables -- CATEGORY TEXT FROM TO` prints, run in this process: the
// window's figures.
struct ToolAnswer {
  int exitcode = 2;
  QString printed;  // without its newline
  QString error;    // the failed conversion's description, as a message box shows it
};

QString withoutnewline(const std::string& text) {
  QString line = QString::fromStdString(text);
  if (line.endsWith(u'\n')) line.chop(1);
  return line;
}

ToolAnswer asktool(CategoryId id, const QString& text, const QString& from, const QString& to) {
  std::ostringstream out;
  std::ostringstream err;
  // After "--" a pasted text such as "-e5" is the value, not an option.
  const int exitcode = runconvert({"--tables", "--", caption(id).toStdString(), text.toStdString(),
                                   from.toStdString(), to.toStdString()},
                                  out, err);
  // The tool names the value before the description, and after a type mismatch says what a
  // number looks like: "...cannot convert "1/2": Type mismatch (write numbers like ...)".
  const std::string message = err.str();
  const std::string failed = "merovane-convert: cannot convert ";
  const size_t description = message.rfind("\": ");
  std::string shown = message.starts_with(failed) && description != std::string::npos
                          ? message.substr(description + 3)
                          : std::string();
  if (const size_t hint = shown.find(" (write numbers like "); hint != std::string::npos)
    shown.erase(hint);
  const QString error = withoutnewline(shown);
  return {exitcode, withoutnewline(out.str()), error};
}

QString describe(const ToolAnswer& answer) {
  return QStringLiteral("the tool exits %1 printing %2, error %3")
      .arg(answer.exitcode)
      .arg(shown(answer.printed), shown(answer.error));
}

}  // namespace

WindowState WindowState::of(FrmMain& window) {
  WindowState state;
  for (int at = 0; at < kCategoryCount; ++at) {
    const CategoryId id = static_cast<CategoryId>(at);
    state.categories[static_cast<size_t>(at)] = {
        window.box(id, Side::Source).text(), window.box(id, Side::Destination).text(),
        window.list(id, Side::Source).ListIndex(), window.list(id, Side::Destination).ListIndex()};
  }
  return state;
}

QStringList WindowCheck::check(const WindowState& before, const Expectation& expected,
                               std::optional<CategoryId> current,
                               const std::vector<ShownMessageBox>& boxes) {
  QStringList problems;
  if (!expected.failure.isEmpty()) problems << expected.failure;
  counts_.messageboxes += static_cast<int>(boxes.size());
  checkbuttonsandframes(current, expected.clickedcategory.has_value(), problems);
  const WindowState after = WindowState::of(window_);
  for (int at = 0; at < kCategoryCount; ++at) {
    const CategoryId id = static_cast<CategoryId>(at);
    if (id != current) checkunchanged(id, before[id], after[id], problems);
  }
  if (!boxes.empty() && (!current || !showsmessageboxes(*current)))
    problems << QStringLiteral("%1 message box(es) in %2, first %3")
                    .arg(boxes.size())
                    .arg(current ? caption(*current) : QStringLiteral("no category"))
                    .arg(shown(boxes.front().text));
  if (current) {
    checklists(*current, before[*current], expected, problems);
    checkconversion(*current, before[*current], after[*current], expected, boxes, problems);
  }
  return problems;
}

void WindowCheck::checkbuttonsandframes(std::optional<CategoryId> current, bool clicked,
                                        QStringList& problems) {
  int blue = 0;
  for (int at = 0; at < kCategoryCount; ++at) {
    const CategoryId id = static_cast<CategoryId>(at);
    const QColor colour = window_.button(id).BackColor();
    const QColor wanted = id == current ? kHighlightBlue : kButtonGrey;
    if (colour == kHighlightBlue) ++blue;
    if (colour != wanted)
      problems << QStringLiteral("%1 is %2, not %3")
                      .arg(window_.button(id).objectName(), colourname(colour), colourname(wanted));
    for (const Side side : {Side::Source, Side::Destination}) {
      const QGroupBox& frame = window_.frame(id, side);
      if (frame.isVisible() != (id == current))
        problems << QStringLiteral("%1 is %2")
                        .arg(frame.objectName(), frame.isVisible() ? QStringLiteral("visible")
                                                                   : QStringLiteral("hidden"));
    }
  }
  if (blue != (current ? 1 : 0)) problems << QStringLiteral("%1 buttons are blue").arg(blue);
  if (!clicked) return;

  const QWidget* focus = QApplication::focusWidget();
  if (focus != &window_.box(*current, Side::Source))
    problems << QStringLiteral("the focus is on %1, not in the source box")
                    .arg(focus != nullptr ? focus->objectName() : QStringLiteral("nothing"));
  // The faces as drawn show the colours: a point just inside each button's border.
  QWidget* frame1 = window_.button(*current).parentWidget();
  const QImage drawn = frame1->grab().toImage();
  for (int at = 0; at < kCategoryCount; ++at) {
    const CategoryButton& button = window_.button(static_cast<CategoryId>(at));
    const QColor face = drawn.pixelColor(button.geometry().topLeft() + QPoint(5, 5));
    if (face != button.BackColor())
      problems << QStringLiteral("%1 is drawn %2 with back colour %3")
                      .arg(button.objectName(), colourname(face), colourname(button.BackColor()));
  }
}

void WindowCheck::checkunchanged(CategoryId id, const CategoryState& was, const CategoryState& now,
                                 QStringList& problems) {
  const QString sourcebox = window_.box(id, Side::Source).objectName();
  const QString destinationbox = window_.box(id, Side::Destination).objectName();
  const QString sourcelist = window_.list(id, Side::Source).objectName();
  const QString destinationlist = window_.list(id, Side::Destination).objectName();
  const auto compare = [&](const QString& name, const QString& then, const QString& after) {
    if (after != then)
      problems << QStringLiteral("%1 of a hidden category went from %2 to %3")
                      .arg(name, shown(then), shown(after));
  };
  compare(sourcebox, was.source, now.source);
  compare(destinationbox, was.destination, now.destination);
  compare(sourcelist, QString::number(was.sourcerow), QString::number(now.sourcerow));
  compare(destinationlist, QString::number(was.destinationrow),
          QString::number(now.destinationrow));
}

void WindowCheck::checklists(CategoryId id, const CategoryState& was, const Expectation& expected,
                             QStringList& problems) {
  for (const Side side : {Side::Source, Side::Destination}) {
    const UnitList& list = window_.list(id, side);
    const int then = side == Side::Source ? was.sourcerow : was.destinationrow;
    const int now = list.ListIndex();
    const QString name = list.objectName();
    if (list.selectedItems().size() > 1)
      problems
          << QStringLiteral("%1 has %2 items selected").arg(name).arg(list.selectedItems().size());
    for (int row = 0; row < list.count(); ++row)
      if (list.Selected(row) != (row == now))
        problems << QStringLiteral("%1: Selected(%2) disagrees with ListIndex %3")
                        .arg(name)
                        .arg(row)
                        .arg(now);
    if (then >= 0 && now < 0) problems << QStringLiteral("%1 lost its selection").arg(name);

    if (expected.list && expected.list->side == side) {
      const std::vector<int>& rows = expected.list->rows;
      const bool allowed = (expected.list->maystay && now == then) ||
                           (rows.empty() ? now >= 0 : std::ranges::count(rows, now) > 0);
      if (!allowed) {
        QStringList wanted;
        for (const int row : rows) wanted << QString::number(row);
        problems << QStringLiteral("%1 is at row %2 (was %3), expected %4%5")
                        .arg(name)
                        .arg(now)
                        .arg(then)
                        .arg(rows.empty() ? QStringLiteral("any row") : wanted.join(u'/'))
                        .arg(expected.list->maystay ? QStringLiteral(" or where it was")
                                                    : QString());
      }
    } else if (now != then) {
      problems << QStringLiteral("%1 moved from row %2 to %3").arg(name).arg(then).arg(now);
    }
  }
}

void WindowCheck::checkconversion(CategoryId id, const CategoryState& was, const CategoryState& now,
                                  const Expectation& expected,
                                  const std::vector<ShownMessageBox>& boxes,
                                  QStringList& problems) {
  const QString sourcebox = window_.box(id, Side::Source).objectName();
  const QString destinationbox = window_.box(id, Side::Destination).objectName();

  const QString wantedsource =
      expected.editedbox == Side::Source ? expected.editedtext : was.source;
  if (now.source != wantedsource)
    problems << QStringLiteral("%1 holds %2, expected %3")
                    .arg(sourcebox, shown(now.source), shown(wantedsource));
  if (expected.editedbox == Side::Destination) {
    // A destination box only filters: what it holds is the edit, never a conversion.
    if (now.destination != expected.editedtext)
      problems << QStringLiteral("%1 holds %2, expected %3")
                      .arg(destinationbox, shown(now.destination), shown(expected.editedtext));
    if (!boxes.empty())
      problems << QStringLiteral("a message box after an edit of a destination box");
    return;
  }

  Conversions conversions = expected.conversions;
  if (conversions == Conversions::OneIfSelectionMoved) {
    const bool moved = expected.list && (expected.list->side == Side::Source
                                             ? now.sourcerow != was.sourcerow
                                             : now.destinationrow != was.destinationrow);
    conversions = moved ? Conversions::One : Conversions::None;
  }
  if (conversions == Conversions::None) {
    if (now.destination != was.destination)
      problems << QStringLiteral("%1 went from %2 to %3 on an event that converts nothing")
                      .arg(destinationbox, shown(was.destination), shown(now.destination));
    if (!boxes.empty())
      problems << QStringLiteral("a message box on an event that converts nothing: %1")
                      .arg(shown(boxes.front().text));
    return;
  }

  // The tool converts the text with the two selected units; with a list unselected nothing is
  // written.
  const CategoryRecord& entry = category(id);
  const auto unit = [&](int row) {
    return QString::fromUtf8(entry.units[static_cast<size_t>(row)].data(),
                             static_cast<qsizetype>(entry.units[static_cast<size_t>(row)].size()));
  };
  const bool selected = now.sourcerow >= 0 && now.destinationrow >= 0;
  const ToolAnswer answer =
      selected ? asktool(id, now.source, unit(now.sourcerow), unit(now.destinationrow))
               : ToolAnswer{};
  const bool written = selected && answer.exitcode == 0;
  ++counts_.converting;
  if (selected) ++counts_.withunits;
  if (written) {
    ++counts_.comparedwithtool;
    if (now.destination != was.destination) ++counts_.changeddestination;
  }
  const QString context = QStringLiteral("%1 %2 from row %3 to row %4: %5")
                              .arg(sourcebox, shown(now.source))
                              .arg(now.sourcerow)
                              .arg(now.destinationrow)
                              .arg(selected ? describe(answer) : QStringLiteral("no tool run"));
  // A conversion that the tool completes writes its text; one that fails or has no pair to
  // show leaves the box as it was.
  const QString wanted = written ? answer.printed : was.destination;
  if (now.destination != wanted)
    problems << QStringLiteral("%1 holds %2, expected %3; %4")
                    .arg(destinationbox, shown(now.destination), shown(wanted), context);

  if (!showsmessageboxes(id)) return;
  // These converters work out every pair before they look at the lists, so whether they fail,
  // and with which description, does not depend on the units.
  const ToolAnswer failure = selected ? answer : asktool(id, now.source, unit(0), unit(0));
  const bool fails = failure.exitcode == 1 && !failure.error.isEmpty();
  // One box for each conversion that fails.
  const size_t wantedboxes = !fails ? 0 : conversions == Conversions::Two ? 2 : 1;
  if (boxes.size() != wantedboxes)
    problems << QStringLiteral("%1 message box(es), expected %2; %3")
                    .arg(boxes.size())
                    .arg(wantedboxes)
                    .arg(selected ? context : describe(failure));
  for (const ShownMessageBox& box : boxes) {
    const bool okonly = box.hasok && box.buttons == 1;
    if (box.title != QStringLiteral("Merovane") || box.text != failure.error || !okonly)
      problems << QStringLiteral("message box titled %1 saying %2%3, expected %4")
                      .arg(shown(box.title), shown(box.text),
                           okonly ? QString() : QStringLiteral(" without a lone OK button"),
                           shown(failure.error));
  }
}

}  // namespace merovane::guitest
