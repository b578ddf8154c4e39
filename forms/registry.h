// The window's registry: the one main window the converters called without controls reach
// (frmmain), and the toolkit's message box their failures show in.
#pragma once

#include <string>

#include "core/controls.h"
#include "core/form.h"

namespace merovane {

// The application's one main window. Using it before a window was installed is a fault of the
// program's start-up, not of a conversion.
Form& frmmain();
// Installs the main window (nullptr removes it) and returns the one installed before, so a
// stand-in can put it back. The window outlives every converter call.
Form* setfrmmain(Form* window);

// The toolkit's message box: shows `prompt` with an OK button and the default title through the
// installed message box; without one the message goes nowhere.
void MsgBox(const std::string& prompt);
// Installs the message box MsgBox shows through; returns the one installed before.
MessageBox* setmessagebox(MessageBox* box);

}  // namespace merovane
