#include "categories/onwindow.h"

#include "core/engine.h"

namespace merovane {
namespace {

// The toolkit's message box, as the engine's reporters take one.
class ToolkitMessageBox final : public MessageBox {
 public:
  void MsgBox(const std::string& prompt) override { merovane::MsgBox(prompt); }
};

}  // namespace

void convertonwindow(const Category& category, const ListBox& source, const ListBox& destination,
                     const TextBox& sourcebox, TextBox& destinationbox) {
  ToolkitMessageBox box;
  DisplayReporter reporter(category.failures, box);
  convert(category, source, destination, sourcebox, destinationbox, reporter);
}

void convertonwindow(const Category& category, Form& window) {
  convertonwindow(category, window.sourcelist(category.id), window.destinationlist(category.id),
                  window.sourcebox(category.id), window.destinationbox(category.id));
}

}  // namespace merovane
