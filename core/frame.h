// The frame every converter shares: its error handler, the pair scan and the result grid.
#pragma once

#include <exception>
#include <string>
#include <vector>

#include "core/controls.h"
#include "core/conversiontable.h"
#include "core/runtime.h"

namespace merovane {

// How a converter's handler ends a failed conversion.
enum class OnError {
  Silent,      // leave; nothing is shown
  MessageBox,  // show the error's description with an OK button and the default title, then leave
};

// A diagnostic tap for tools that must tell a failed conversion from a quiet one (the
// command-line tool); it sees every handled error and changes nothing. None by default.
class ErrorTap {
 public:
  virtual ~ErrorTap() = default;
  virtual void failed(const RuntimeError& error) = 0;
};
// Installs the tap; returns the one installed before.
ErrorTap* seterrortap(ErrorTap* tap);

// The handler: every error of a conversion ends here and never reaches the caller.
void handleerror(OnError onerror, const RuntimeError& error) noexcept;

// Runs one converter body under its handler. The body writes the destination box only once its
// result is final, so on any error the box keeps its text.
template <class Body>
void runconverter(OnError onerror, Body&& body) noexcept {
  try {
    body();
  } catch (const RuntimeError& error) {
    handleerror(onerror, error);
  } catch (const std::exception&) {
    handleerror(onerror, RuntimeError(ErrorKind::Control, "Out of memory"));
  }
}

// Pair scan: asks both lists about every pair in turn, source outer, and computes and writes
// only the pair selected in both.
void pairscan(const ListBox& sourcelist, const ListBox& destinationlist, TextBox& destinationbox,
              const ConversionTable& table, double value);

// Result grid of texts: every cell's text first, so an error in any cell fails every pair; then
// the cell at the two lists' positions, if both have one.
void textgrid(const ListBox& sourcelist, const ListBox& destinationlist, TextBox& destinationbox,
              const ConversionTable& table, double value);

// Result grid of doubles: the same, with cells kept as numbers until the one shown.
void numbergrid(const ListBox& sourcelist, const ListBox& destinationlist, TextBox& destinationbox,
                const ConversionTable& table, double value);

}  // namespace merovane
