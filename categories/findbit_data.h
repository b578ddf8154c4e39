// Bits and Bytes' data: the units and each one's exact size in bits. Included by the category's
// record and by merovane-tablegen.
#pragma once

#include <array>
#include <string_view>

#include "core/definition.h"

namespace merovane {

inline constexpr std::array<std::string_view, 14> kBitUnits = {
    "Bits(b)",       "Bytes(B)",      "Kilobits(Kb)",  "Kilobytes(KB)", "Megabits(Mb)",
    "Megabytes(MB)", "Gigabits(Gb)",  "Gigabytes(GB)", "Terabits(Tb)",  "Terabytes(TB)",
    "Petabits(Pt)",  "Petabytes(PT)", "Exabits(Eb)",   "Exabytes(EB)"};

// A unit's size in bits as a power of two, as the table counts them: bits and bytes alternate, a
// byte is 8 bits and a prefix step is 2^10 (1 KB is 1024 bytes), so 1024 MB is exactly 1 GB.
constexpr int bitsizeexponent(int unit) {
  return 10 * (unit / 2) + 3 * (unit % 2);
}

inline constexpr std::array<Definition, 14> kBitDefinitions = [] {
  std::array<Definition, 14> definitions{};
  for (int unit = 0; unit < 14; ++unit)
    definitions[static_cast<size_t>(unit)] = {
        {{"2", static_cast<std::int8_t>(bitsizeexponent(unit))}}};
  return definitions;
}();

}  // namespace merovane
