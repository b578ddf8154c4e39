// What must hold of the window after every random event: the chosen category's colours and
// frames, texts and selections that only the event itself may change, and destination texts that
// are what merovane-convert prints for the same text and units.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "forms/frmmain.h"
#include "forms/tests/guitest.h"
#include "forms/tests/randomevents/randomuser.h"

namespace merovane::guitest {

struct CategoryState {
  QString source;
  QString destination;
  int sourcerow = -1;
  int destinationrow = -1;
};

// The texts and selections of all twelve categories.
struct WindowState {
  std::array<CategoryState, kCategoryCount> categories;

  static WindowState of(FrmMain& window);
  const CategoryState& operator[](CategoryId id) const {
    return categories[static_cast<size_t>(id)];
  }
};

using ShownMessageBox = MessageBoxWatcher::Shown;

struct CheckCounts {
  // Events that run a conversion, and of those the ones with a unit selected in both lists.
  int converting = 0;
  int withunits = 0;
  // Events whose destination text was compared with what the tool printed.
  int comparedwithtool = 0;
  // Of those, the events that changed the destination text.
  int changeddestination = 0;
  int messageboxes = 0;
};

class WindowCheck {
 public:
  explicit WindowCheck(FrmMain& window) : window_(window) {}

  // What is wrong after an event; nothing when the window is as it must be. `current` is the
  // category whose button was clicked last.
  QStringList check(const WindowState& before, const Expectation& expected,
                    std::optional<CategoryId> current, const std::vector<ShownMessageBox>& boxes);
  const CheckCounts& counts() const { return counts_; }

 private:
  void checkbuttonsandframes(std::optional<CategoryId> current, bool clicked,
                             QStringList& problems);
  void checkunchanged(CategoryId id, const CategoryState& was, const CategoryState& now,
                      QStringList& problems);
  void checklists(CategoryId id, const CategoryState& was, const Expectation& expected,
                  QStringList& problems);
  void checkconversion(CategoryId id, const CategoryState& was, const CategoryState& now,
                       const Expectation& expected, const std::vector<ShownMessageBox>& boxes,
                       QStringList& problems);

  FrmMain& window_;
  CheckCounts counts_;
};

}  // namespace merovane::guitest
