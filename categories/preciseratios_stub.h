// Stand-in definitions for the categories that have none yet (Temperature).
#pragma once

#include <span>

#include "core/category.h"

namespace merovane {

std::span<const Definition> stubdefinitions(CategoryId id);

}  // namespace merovane
