// The window's category table: the names of each category's controls, where its button stands,
// the keyboard order of its controls, and which list's Click a keystroke in its source box runs.
#pragma once

#include <span>

#include "core/form.h"

namespace merovane {

enum class Side { Source, Destination };

// One of a category's two unit frames with its list and text box.
struct UnitPanel {
  const char* frame;
  const char* list;
  const char* box;
  // Places in the window's keyboard order (TabIndex).
  int frametab;
  int listtab;
  int boxtab;
};

struct CategoryControls {
  CategoryId id;
  const char* button;
  // The button's place inside Frame1, in twips, and its place in the keyboard order.
  int buttonleft;
  int buttontop;
  int buttontab;
  UnitPanel source;
  UnitPanel destination;
  // The list whose Click handler a keystroke in the source box runs.
  Side keystrokelist;
  // False where a character the filter dropped runs no conversion (Energy).
  bool droppedcharacterconverts;

  const UnitPanel& panel(Side side) const { return side == Side::Source ? source : destination; }
};

// The twelve categories in CategoryId order.
std::span<const CategoryControls> categorycontrols();
const CategoryControls& categorycontrols(CategoryId id);

}  // namespace merovane
