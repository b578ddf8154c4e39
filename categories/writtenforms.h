// The written forms several categories share: British spellings, and the ways of writing a
// square or a cube (m^2, m², sq m; cm^3, cm³, cu cm) for symbols that end in 2 or 3.
#pragma once

#include "core/unitname.h"

namespace merovane {

inline constexpr WrittenForm kMetre{"metre", "meter"};
inline constexpr WrittenForm kLitre{"litre", "liter"};
inline constexpr WrittenForm kCaretSquared{"^2", "2"};
inline constexpr WrittenForm kSuperscriptSquared{"\u00B2", "2"};
inline constexpr WrittenForm kSquare{"sq ", "2", WrittenForm::Place::Before};
inline constexpr WrittenForm kCaretCubed{"^3", "3"};
inline constexpr WrittenForm kSuperscriptCubed{"\u00B3", "3"};
inline constexpr WrittenForm kCubic{"cu ", "3", WrittenForm::Place::Before};

}  // namespace merovane
