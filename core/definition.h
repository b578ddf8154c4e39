// A unit's exact definition: its size as an exact rational multiple of its category's reference
// unit (metre, square metre, kilogram, joule, ...), written as a product of decimal constants
// raised to small whole powers, so that build-time code can work it out exactly. Temperature
// scales are affine: kelvin = reading * scale + offset. Bits and Bytes count bits in powers of two.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace merovane {

// One decimal constant raised to a whole power ("0.0254" cubed is {"0.0254", 3}).
struct DecimalPower {
  std::string_view decimal;
  std::int8_t power = 1;
};

// An exact positive rational: the product of its terms (an empty product is 1).
struct ExactProduct {
  static constexpr int kMaxTerms = 8;
  std::array<DecimalPower, kMaxTerms> terms{};
  std::uint8_t count = 0;

  constexpr ExactProduct() = default;
  constexpr ExactProduct(std::initializer_list<DecimalPower> list) {
    if (list.size() > kMaxTerms) throw "too many terms in a definition";
    for (const DecimalPower& term : list) terms[count++] = term;
  }
  // This product times another.
  constexpr ExactProduct operator*(const ExactProduct& other) const {
    ExactProduct product = *this;
    for (int at = 0; at < other.count; ++at) {
      if (product.count == kMaxTerms) throw "too many terms in a definition";
      product.terms[product.count++] = other.terms[at];
    }
    return product;
  }
};

// The size of one unit in the category's reference unit; for a temperature scale, the kelvin
// reading of `reading` degrees is reading * size + offset (offset is zero elsewhere).
struct Definition {
  ExactProduct size;
  ExactProduct offset = {{"0", 1}};
};

}  // namespace merovane
