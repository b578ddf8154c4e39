// The part of the finsarea module that reaches the main window's frames.
#pragma once

namespace merovane {

// Hides all 24 unit frames; the frame of category buttons stays as it is.
void hideunitframes();

}  // namespace merovane
