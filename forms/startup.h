// The window program's start: its command line, read before anything needs a display, and the
// toolkit's start, which ends the program with one plain line when no display can be reached.
#pragma once

#include <QApplication>
#include <memory>
#include <optional>

namespace merovane {

// Answers --help and --version on standard output (status 0) and refuses unknown options and
// arguments (status 2). Returns the status to end with, or nothing when the window is to open.
// Needs no display.
std::optional<int> readcommandline(int& argc, char** argv);

// The window's application on the display it reached. When it reaches none, the program ends
// here with status 1 and one line on standard error, in place of the toolkit's messages and its
// abort.
std::unique_ptr<QApplication> startapplication(int& argc, char** argv);

}  // namespace merovane
