// The one grammar of requests as people write them, for the command line, its standard input and
// the library: a quantity, an optional "to" (or "->"), and a destination.
//
//   quantity    := term... (at most 8, of one category; a sign on the first applies to the whole)
//   term        := number unit | number fraction unit | fraction unit
//   number      := digits with a point and an exponent, as the window reads them ("5", "-1.5E3")
//   fraction    := digits/digits ("3/4"), or a vulgar fraction (½ ¼ ¾ ⅓ ...)
//   unit        := a name of one to three words; ' and " after a digit are feet and inches, ′ and
//                  ″ feet and inches or arcminutes and arcseconds, by the other units
//   destination := unit... (largest first)
//
// A number and its unit may be joined (5ft, 100km/h, -40°F), as may the terms (5'3"). A quantity
// of one plain term converts as Pair::convert does, in either mode; any other is worked out
// exactly by the units' definitions (api/exact.h) and rounded once.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "api/exact.h"
#include "api/namelookup.h"
#include "api/resolver.h"

namespace merovane {

inline constexpr int kMostTerms = 8;

// One term of a quantity, or one unit of a destination.
struct RequestTerm {
  std::string number;  // as typed ("5", "1 1/2"); empty in a destination
  Exact value;         // its magnitude; the sign is the quantity's
  std::string unit;    // as typed ("ft", "'")
  UnitChoice choice;
};

struct ReadRequest {
  const CategoryRecord* category = nullptr;
  bool negative = false;
  bool plain = true;  // one term of a plain number, into one unit: the pair's own conversion
  std::vector<RequestTerm> terms, destination;
  // The quantity as read, for messages: "5 ft 3 in".
  std::string quantity() const;
};

// Why a request gives no pair: a name that does not resolve, or a word that cannot be placed
// (`unreadable`, one line). `newform` when it was read as far as a form only this grammar takes
// (several terms, a fraction, a joined term, "to", several units of destination), so that a
// caller that also takes an older form knows whose message to give.
struct RequestError {
  std::optional<NameError> name;
  std::string unreadable;
  bool newform = false;
};

// The request the words make, within `category` when one is given. Each word may hold several
// of the request's words, separated by blanks.
std::variant<ReadRequest, RequestError> readrequest(std::span<const std::string> words,
                                                    std::optional<std::string_view> category);

// The magnitude of a request's quantity in its category's reference unit, exactly (the sign is
// request.negative); throws std::overflow_error where it does not fit.
Exact exactquantity(const ReadRequest& request);

// The exact result of a request that is not plain, with `digits` significant digits in its last
// unit ("5 ft 8.89763779527559 in"); throws std::overflow_error where the exact arithmetic does
// not fit its width.
std::string exactresult(const ReadRequest& request, int digits);

// The whole quantity of a request that is not plain in its last unit of destination, as the
// nearest double; throws std::overflow_error as exactresult() does.
double exactvalue(const ReadRequest& request);

// Why the window's tables do not convert a request that is not plain, in one line.
std::string tablesrefusal(const ReadRequest& request);

}  // namespace merovane
