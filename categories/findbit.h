// Bits and Bytes: fourteen units from Bits(b) to Exabytes(EB), converted through a result grid
// of doubles.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/controls.h"
#include "core/conversiontable.h"
#include "core/unitname.h"

namespace merovane {

std::span<const std::string_view> bitunits();
// The symbols and other names its units answer to.
std::span<const UnitName> bitnames();
// Powers of two toward smaller units, 6-decimal fractions toward larger ones, and a chain of
// fractions rounded to 6 places where one fraction would be too small.
const ConversionTable& bittable();

// What sets Bits and Bytes apart in a conversion: its units, table, shape and failure display.
const Category& bitcategory();

// Shows in txtbitd the text of txtbits converted from listbits' unit to listbitd's unit. Any
// error is shown in a message box; an empty txtbits does nothing.
void convertbits(ListBox& listbits, ListBox& listbitd, TextBox& txtbits, TextBox& txtbitd);

}  // namespace merovane
