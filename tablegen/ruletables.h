// The six rule-built tables worked out by their rules with exact arithmetic. Slow: only the
// generator, which compiles them into the program as constant cells, and the tests run them.
#pragma once

#include "core/conversiontable.h"

namespace merovane {

ConversionTable builddensitytable();
ConversionTable buildlengthtable();
ConversionTable buildweighttable();
ConversionTable buildpowertable();
ConversionTable buildspeedtable();
ConversionTable buildvolumetable();

}  // namespace merovane
