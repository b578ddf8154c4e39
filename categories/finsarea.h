// Area: twelve units from Square centimeters to Square miles, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Area apart in a conversion: its units, table, shape and failure display.
const Category& areacategory();

// Shows in txtfad the text of txtfas converted from listareas' unit to listaread's unit. Silent
// on every error, an empty txtfas included.
void convertarea();

// Hides all 24 unit frames of the main window, in the window's own order; the frame of category
// buttons is not touched.
void hideunitframes();

}  // namespace merovane
