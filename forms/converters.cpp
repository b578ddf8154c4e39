#include "forms/converters.h"

#include "categories/findbit.h"
#include "categories/finddensity.h"
#include "categories/findenergy.h"
#include "categories/findforce.h"
#include "categories/findlength.h"
#include "categories/findpower.h"
#include "categories/findpressure.h"
#include "categories/findspeed.h"
#include "categories/findtemp.h"
#include "categories/findvolume.h"
#include "categories/findweight1.h"
#include "categories/finsarea.h"
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
  convertonwindow(areacategory(), frmmain());
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
  convertonwindow(bitcategory(), listbits, listbitd, txtbits, txtbitd);
}

void convertdensity() {
  convertonwindow(densitycategory(), frmmain());
}

void convertenergy() {
  convertonwindow(energycategory(), frmmain());
}

void convertforce() {
  convertonwindow(forcecategory(), frmmain());
}

void convertlength(ListBox& listlengths, ListBox& listlengthd, TextBox& txtfls, TextBox& txtfld) {
  convertonwindow(lengthcategory(), listlengths, listlengthd, txtfls, txtfld);
}

void convertpower() {
  convertonwindow(powercategory(), frmmain());
}

void convertpressure() {
  convertonwindow(pressurecategory(), frmmain());
}

void convertspeed() {
  convertonwindow(speedcategory(), frmmain());
}

void converttemp() {
  convertonwindow(tempcategory(), frmmain());
}

void convertvolume() {
  convertonwindow(volumecategory(), frmmain());
}

void convertweight(ListBox& listweights, ListBox& listweightd, TextBox& txtweights,
                   TextBox& txtweightd) {
  convertonwindow(weightcategory(), listweights, listweightd, txtweights, txtweightd);
}

}  // namespace merovane
