// The definitions' arithmetic: an exact value times base units raised to whole powers, and the
// expressions the data files write them in ("550 ft lbf/s", "lbf/in^2", "1/6 in"): numbers
// (0.0254, 1E-10), names, products by juxtaposition or "*", "/" dividing by the one factor after
// it, "^N" (N may be negative) and parentheses.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tablegen/exactdecimal.h"
#include "tablegen/unitfile.h"

namespace merovane::gen {

struct Quantity {
  ExactDecimal value = 1;
  std::vector<int> powers;  // of each base unit, in the constants file's order; shorter is zero
  bool irrational = false;  // built from a constant held to 50 digits

  Quantity operator*(const Quantity& other) const;
  Quantity operator/(const Quantity& other) const;
  Quantity raised(int power) const;
  bool samedimension(const Quantity& other) const;
};

// The quantity a name stands for in a definition at `at`; throws a DataError for a name it does
// not know.
using Lookup = std::function<Quantity(const std::string& name, const Place& at)>;

Quantity evaluate(const std::string& expression, const Lookup& lookup, const Place& at);

// Whether `text` is one plain number ("201.1684", "2.5E-07", "-17.22222222"), a figure as
// written.
bool isnumber(const std::string& text);
// A number as written, exactly.
ExactDecimal numbervalue(const std::string& text);

// The base units' powers as text ("m^2 kg s^-2"), for messages.
std::string dimensiontext(const Quantity& quantity, const std::vector<std::string>& bases);

}  // namespace merovane::gen
