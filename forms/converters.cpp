#include "forms/converters.h"

#include "categories/categories.h"
#include "engine/frame.h"
#include "forms/registry.h"

namespace merovane {
namespace {

// The toolkit's message box, as the engine's reporters take one.
class ToolkitMessageBox final : public MessageBox {
 public:
  void MsgBox(const std::string& prompt) override { merovane::MsgBox(prompt); }
};

// A category's conversion on the four controls the window hands over.
void convertonwindow(const CategoryRecord& category, const ListBox& source,
                     const ListBox& destination, const TextBox& sourcebox,
                     TextBox& destinationbox) {
  ToolkitMessageBox box;
  DisplayReporter reporter(category.failures, box);
  convert(category, source, destination, sourcebox, destinationbox, reporter);
}

// On the category's controls of `window`, for the converters called without controls.
void convertonwindow(const CategoryRecord& category, Form& window) {
  convertonwindow(category, window.sourcelist(category.id), window.destinationlist(category.id),
                  window.sourcebox(category.id), window.destinationbox(category.id));
}

}  // namespace

void convertarea() {
  convertonwindow(category(CategoryId::Area), frmmain());
}

void hideunitframes() {
  Form& window = frmmain();
  using enum CategoryId;
  // framearead, frameareas, frameenergys, frameenergyd, frameforced, frameforces, framelend,
  // framelens, framepowerd, framepowers, frametempd, frametemps, framepressd, frameprees,
  // frameweightd, frameweights, framevolumed, framevolumes, framespeedd, framespeeds,
  // framedensitys, framedensityd, framebits, framebitd
  for (Frame* frame : {
           &window.destinationframe(Area),        &window.sourceframe(Area),
           &window.sourceframe(Energy),           &window.destinationframe(Energy),
           &window.destinationframe(Force),       &window.sourceframe(Force),
           &window.destinationframe(Length),      &window.sourceframe(Length),
           &window.destinationframe(Power),       &window.sourceframe(Power),
           &window.destinationframe(Temperature), &window.sourceframe(Temperature),
           &window.destinationframe(Pressure),    &window.sourceframe(Pressure),
           &window.destinationframe(Weight),      &window.sourceframe(Weight),
           &window.destinationframe(Volume),      &window.sourceframe(Volume),
           &window.destinationframe(Speed),       &window.sourceframe(Speed),
           &window.sourceframe(Density),          &window.destinationframe(Density),
           &window.sourceframe(BitsAndBytes),     &window.destinationframe(BitsAndBytes),
       })
    frame->SetVisible(false);
}

void convertbits(ListBox& listbits, ListBox& listbitd, TextBox& txtbits, TextBox& txtbitd) {
  convertonwindow(category(CategoryId::BitsAndBytes), listbits, listbitd, txtbits, txtbitd);
}

void convertdensity() {
  convertonwindow(category(CategoryId::Density), frmmain());
}

void convertenergy() {
  convertonwindow(category(CategoryId::Energy), frmmain());
}

void convertforce() {
  convertonwindow(category(CategoryId::Force), frmmain());
}

void convertlength(ListBox& listlengths, ListBox& listlengthd, TextBox& txtfls, TextBox& txtfld) {
  convertonwindow(category(CategoryId::Length), listlengths, listlengthd, txtfls, txtfld);
}

void convertpower() {
  convertonwindow(category(CategoryId::Power), frmmain());
}

void convertpressure() {
  convertonwindow(category(CategoryId::Pressure), frmmain());
}

void convertspeed() {
  convertonwindow(category(CategoryId::Speed), frmmain());
}

void converttemp() {
  convertonwindow(category(CategoryId::Temperature), frmmain());
}

void convertvolume() {
  convertonwindow(category(CategoryId::Volume), frmmain());
}

void convertweight(ListBox& listweights, ListBox& listweightd, TextBox& txtweights,
                   TextBox& txtweightd) {
  convertonwindow(category(CategoryId::Weight), listweights, listweightd, txtweights, txtweightd);
}

}  // namespace merovane
