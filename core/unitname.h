// The other names a unit answers to, beside the name its category lists: symbols, matched as
// written because case carries meaning (mB is not MB), and names, matched ignoring case and the
// blanks around "/". Each category keeps its own as data beside its unit list.
#pragma once

#include <string_view>

namespace merovane {

struct UnitName {
  enum class Kind : bool { Symbol, Name };
  std::string_view text;
  std::string_view unit;  // the unit as its category lists it
  Kind kind;
};

constexpr UnitName symbol(std::string_view text, std::string_view unit) {
  return {text, unit, UnitName::Kind::Symbol};
}
constexpr UnitName name(std::string_view text, std::string_view unit) {
  return {text, unit, UnitName::Kind::Name};
}

}  // namespace merovane
