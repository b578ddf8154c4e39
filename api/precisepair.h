// What the API's conversions share in precise mode: a pair's map from the category's data, and
// the check of a caller's options.
#pragma once

#include "api/conversion.h"

namespace merovane {

// The precise map from unit `from` to unit `to` of `category` (positions in its list), or from
// and to the scale's multiples of them.
PreciseMap precisemap(const CategoryRecord& category, int from, int to, Scale scale = {});

// Throws std::out_of_range when the options ask for digits outside kFewestDigits..kMostDigits.
void checkoptions(const Options& options);

}  // namespace merovane
