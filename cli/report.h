// merovane-convert's messages: every one starts with the program's name, and fits one line but
// for the lists of valid names a wrong single call is shown.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/request.h"
#include "merovane/merovane.h"

namespace merovane {

inline constexpr const char* kPrefix = "merovane-convert: ";

// A line that did not convert, as a result: why, in one line.
Result refused(std::string message);

// Why --tables does not convert `what` (a unit's or a category's name): the window's tables
// hold no figure for it.
std::string notintables(std::string_view what);
// The pair's unit that --tables cannot convert, named as typed, and why; empty if it can.
std::string notintables(const Pair& pair);

// What --tables adds to the library's refusal of a request the window's tables cannot convert.
inline constexpr const char* kTablesHint =
    ": leave out --tables to convert it by the units' definitions";
// The query's result; the tables' refusal of one that is not plain with kTablesHint.
Result convertquery(const Query& query, const Options& options);

// A name that does not resolve, as a line of standard input is told of it, and as a single call:
// the library's message, and where no name is near, where merovane-convert lists the units.
std::string errorline(const Error& error);
std::string errordetails(const Error& error);

// A wrong call: the reason, then where to read how to call the program. Returns 2.
int reportusage(const UsageError& error, std::ostream& err);
// A name that does not resolve, with the nearest or the valid names. Returns 2.
int reportname(const Error& error, std::ostream& err);
// Whether reading `in` failed; says so on `err` if it did.
bool reportreaderror(const std::istream& in, std::ostream& err);

}  // namespace merovane
