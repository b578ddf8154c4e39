#include "core/precise.h"

#include <cmath>

#include "core/runtime.h"

namespace merovane {

double PreciseMap::apply(double value) const {
  switch (kind_) {
    case Kind::Unchanged:
      return value;
    case Kind::Ratio:
      return checkfloat(value * p_);
    case Kind::Reciprocal:
      if (value == 0) throw RuntimeError(ErrorKind::FloatingPoint, kFloatingPoint);
      return checkfloat(p_ / value);
    case Kind::Affine:
      break;
  }
  // Near the top of the range, scaled down by a power of two (exactly) so that p * value stays
  // finite wherever the result is.
  double x = value, r = r_, scale = 1;
  if (std::fabs(x) > 0x1p960) x *= 0x1p-64, r *= 0x1p-64, scale = 0x1p64;
  // p * x + r as an unevaluated sum hi + lo, exact but for a part far below hi's last place:
  // p * x = ph + pl exactly (fma), ph + r = s + e exactly (two-sum).
  const double ph = p_ * x;
  const double pl = std::fma(p_, x, -ph);
  const double s = ph + r;
  const double sr = s - ph;
  const double e = (ph - (s - sr)) + (r - sr);
  const double t = e + pl;
  const double hi = s + t;
  const double tr = hi - s;
  const double lo = (s - (hi - tr)) + (t - tr);
  // One division, corrected by its exact remainder: the quotient's last place is right but for
  // the rare case the correction tips a rounding.
  const double y = hi / q_;
  const double remainder = std::fma(-y, q_, hi);
  return checkfloat((y + (remainder + lo) / q_) * scale);
}

}  // namespace merovane
