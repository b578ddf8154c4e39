#include "categories/onwindow.h"

#include "core/engine.h"
#include "core/form.h"

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

void convertonfrmmain(const Category& category) {
  Form& form = frmmain();
  convertonwindow(category, form.sourcelist(category.id), form.destinationlist(category.id),
                  form.sourcebox(category.id), form.destinationbox(category.id));
}

}  // namespace merovane
