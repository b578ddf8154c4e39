// merovane-convert's messages: every one starts with the program's name, and fits one line but
// for the lists of valid names a wrong single call is shown.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "api/conversion.h"
#include "api/namelookup.h"
#include "cli/request.h"

namespace merovane {

inline constexpr const char* kPrefix = "merovane-convert: ";

// A conversion's result text, or the message saying why there is none.
struct Outcome {
  bool converted;
  std::string text;
};

// What converting `value` gave, as reported: a failure names the value and gives the description
// the window's message box would show, with what a number looks like when it was not one.
Outcome outcome(std::string_view value, const Result& result);
// Converts `value` of `pair` as the window would, or as the options ask.
Outcome convertpair(const NamedPair& pair, std::string_view value, const Options& options);
// The message for `value` when it did not convert: its result's error, or nothing converted.
std::string cannotconvert(std::string_view value, const RuntimeError* error);

// A wrong call: the reason, then where to read how to call the program. Returns 2.
int reportusage(const UsageError& error, std::ostream& err);
// A name that does not resolve, with the nearest or the valid names. Returns 2.
int reportname(const NameError& error, std::ostream& err);
// Whether reading `in` failed; says so on `err` if it did.
bool reportreaderror(const std::istream& in, std::ostream& err);

}  // namespace merovane
