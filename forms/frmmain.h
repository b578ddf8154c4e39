// frmmain: the one main window. A frame of twelve category buttons and, below it, the 24 unit
// frames of which only the current category's two are shown. The current category has no variable
// of its own: it is the blue button, which screen readers hear as the checked one, and the visible
// pair of frames.
#pragma once

#include <QGroupBox>
#include <QWidget>
#include <array>

#include "core/form.h"
#include "forms/categorycontrols.h"
#include "forms/qtcontrols.h"

namespace merovane {

class FrmMain : public QWidget, public Form {
 public:
  // What the constructor builds. The 24 unit frames are hidden until a category is chosen, and
  // building them is most of the window's cost: the program builds them right after the window's
  // first paint, so that it shows sooner. Reaching for any unit frame's control builds them at
  // once, hidden as the load event leaves them.
  enum class Build { Whole, UnitFramesAfterFirstPaint };

  // Builds the window, installs it as frmmain() with its message box, and runs Form_Load.
  explicit FrmMain(Build build = Build::Whole);
  ~FrmMain() override;

  ListBox& sourcelist(CategoryId id) override { return list(id, Side::Source); }
  ListBox& destinationlist(CategoryId id) override { return list(id, Side::Destination); }
  TextBox& sourcebox(CategoryId id) override { return box(id, Side::Source); }
  TextBox& destinationbox(CategoryId id) override { return box(id, Side::Destination); }
  Frame& sourceframe(CategoryId id) override { return frame(id, Side::Source); }
  Frame& destinationframe(CategoryId id) override { return frame(id, Side::Destination); }

  // Paints all twelve category buttons grey.
  void colorsetforbutton();

  CategoryButton& button(CategoryId id) { return *panel(id).button; }
  UnitFrameBox& frame(CategoryId id, Side side);
  UnitList& list(CategoryId id, Side side);
  UnitBox& box(CategoryId id, Side side);

 private:
  struct UnitFrame {
    UnitFrameBox* frame = nullptr;
    UnitList* list = nullptr;
    UnitBox* box = nullptr;
  };
  struct CategoryPanel {
    CategoryButton* button = nullptr;
    UnitFrame source, destination;
  };

  CategoryPanel& panel(CategoryId id) { return panels_[static_cast<size_t>(id)]; }
  UnitFrame& unitframe(CategoryId id, Side side);

  void paintEvent(QPaintEvent* event) override;

  void buildcategoryframe();
  void ensureunitframes();
  void buildunitframes();
  void buildunitframe(const CategoryControls& controls, Side side);
  void setkeyboardorder();
  void centreonscreen();

  void Form_Load();
  // The Click handler of a category button.
  void categoryclick(CategoryId id);
  // The Click handler of either unit list of a category: runs the category's converter, on the
  // window's own controls where it takes them.
  void listclick(CategoryId id);
  // The KeyPress handler of a source box, after its filter: runs the named list's Click.
  void sourcekeypress(CategoryId id, bool kept);

  std::array<CategoryPanel, kCategoryCount> panels_;
  bool unitframesbuilt_ = false;
  bool unitframesafterpaint_ = false;
  QtMessageBox messagebox_{this};
};

}  // namespace merovane
